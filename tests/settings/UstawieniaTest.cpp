#include "TIniRead.h"
#include "TIniWrite.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// Points both scopes of the native format (an INI file here) at fresh
// temporary folders.
class UstawieniaTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(uzytkownik_.isValid() && system_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, uzytkownik_.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, system_.path());
    }

    QString Czytaj(const QString& nazwa) {
        TIniRead czytaj;
        czytaj.SetReadString(nazwa);
        czytaj.Execute();
        return czytaj.Value;
    }

    QTemporaryDir uzytkownik_;
    QTemporaryDir system_;
};
} // namespace

TEST_F(UstawieniaTest, ZapisanaWartoscWracaZPlikuUzytkownika) {
    TIniWrite zapisz;
    zapisz.SetReadString(QStringLiteral("KatalogDoZapisu"));
    ASSERT_TRUE(zapisz.Execute(QStringLiteral("/home/ala/Wyniki łódź")));
    EXPECT_EQ(Czytaj(QStringLiteral("KatalogDoZapisu")), QStringLiteral("/home/ala/Wyniki łódź"));
    // The platform's own format: on Linux the INI file of the user's scope.
    EXPECT_TRUE(
        QFile::exists(uzytkownik_.path() + QStringLiteral("/Vendra Software/Fazolab.conf")));
}

TEST_F(UstawieniaTest, BrakWartosciToPustyTekstAZakresSystemowyZastepuje) {
    EXPECT_EQ(Czytaj(QStringLiteral("DopasowanieWielomianem")), QString());
    {
        QSettings systemowe(QSettings::NativeFormat, QSettings::SystemScope,
                            QStringLiteral("Vendra Software"), QStringLiteral("Fazolab"));
        systemowe.setValue(QStringLiteral("DopasowanieWielomianem"), QStringLiteral("Tak"));
    }
    EXPECT_EQ(Czytaj(QStringLiteral("DopasowanieWielomianem")), QStringLiteral("Tak"));

    TIniWrite zapisz;
    zapisz.SetReadString(QStringLiteral("DopasowanieWielomianem"));
    ASSERT_TRUE(zapisz.Execute(QStringLiteral("tak")));
    EXPECT_EQ(Czytaj(QStringLiteral("DopasowanieWielomianem")), QStringLiteral("tak"));
}

TEST_F(UstawieniaTest, PowiadomienieTylkoGdyWlaczone) {
    TIniWrite zapisz;
    zapisz.SetReadString(QStringLiteral("KatalogDoZapisu"));
    zapisz.SetNotifyMessage(QStringLiteral("Zapisano"));
    QStringList powiadomienia;
    QObject::connect(&zapisz, &TIniWrite::Powiadomienie,
                     [&](const QString& tekst) { powiadomienia << tekst; });
    ASSERT_TRUE(zapisz.Execute(QStringLiteral("/a")));
    EXPECT_TRUE(powiadomienia.isEmpty());
    zapisz.SetNotify(true);
    ASSERT_TRUE(zapisz.Execute(QStringLiteral("/b")));
    EXPECT_EQ(powiadomienia, QStringList{QStringLiteral("Zapisano")});
}

TEST_F(UstawieniaTest, NiezapisywalneMiejsceToBladZNazwaWartosci) {
    QFile plik(uzytkownik_.path() + QStringLiteral("/plik"));
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, plik.fileName());

    TIniWrite zapisz;
    zapisz.SetReadString(QStringLiteral("KatalogDoZapisu"));
    zapisz.SetNotify(true);
    bool powiadomiono = false;
    QObject::connect(&zapisz, &TIniWrite::Powiadomienie, [&] { powiadomiono = true; });
    EXPECT_FALSE(zapisz.Execute(QStringLiteral("/a")));
    EXPECT_EQ(zapisz.Blad(), QStringLiteral("Failed to set data for 'KatalogDoZapisu'"));
    EXPECT_FALSE(powiadomiono);
}

TEST_F(UstawieniaTest, RecznieWpisanyPrzecinekCzytanyWCalosci) {
    const auto wpisz = [](const QString& folder, const char* tresc) {
        QFile plik(folder + QStringLiteral("/Vendra Software/Fazolab.conf"));
        ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
        plik.write(tresc);
    };
    QDir(uzytkownik_.path()).mkpath(QStringLiteral("Vendra Software"));
    QDir(system_.path()).mkpath(QStringLiteral("Vendra Software"));
    wpisz(uzytkownik_.path(), "[General]\nKatalogDoZapisu=/home/ala/Wyniki, 2024\n"
                              "Lista=a,b\nZCudzyslowem=\"x, y\"\n[Inna]\nStopien=a,b\n");
    wpisz(system_.path(), "[General]\nStopien=4,  5\n");
    EXPECT_EQ(Czytaj(QStringLiteral("KatalogDoZapisu")), QStringLiteral("/home/ala/Wyniki, 2024"));
    EXPECT_EQ(Czytaj(QStringLiteral("Lista")), QStringLiteral("a,b"));
    EXPECT_EQ(Czytaj(QStringLiteral("ZCudzyslowem")), QStringLiteral("x, y"));
    EXPECT_EQ(Czytaj(QStringLiteral("Stopien")), QStringLiteral("4,  5"))
        << "from the system-wide file, not from another section";
}
