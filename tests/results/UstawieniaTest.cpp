#include "TIniRead.h"
#include "TIniWrite.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// Points both scopes of the ini format at fresh temporary folders.
class UstawieniaTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(uzytkownik_.isValid() && system_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, uzytkownik_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, system_.path());
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

TEST_F(UstawieniaTest, WrittenValueReadsBackFromTheUsersIniFile) {
    TIniWrite zapisz;
    zapisz.SetReadString(QStringLiteral("KatalogDoZapisu"));
    ASSERT_TRUE(zapisz.Execute(QStringLiteral("/home/ala/Wyniki łódź")));
    EXPECT_EQ(Czytaj(QStringLiteral("KatalogDoZapisu")), QStringLiteral("/home/ala/Wyniki łódź"));
    EXPECT_TRUE(QFile::exists(uzytkownik_.path() + QStringLiteral("/Vendra Software/Fazolab.ini")));
}

TEST_F(UstawieniaTest, MissingValueReadsEmptyAndTheSystemScopeIsTheFallback) {
    EXPECT_EQ(Czytaj(QStringLiteral("DopasowanieWielomianem")), QString());
    {
        QSettings systemowe(QSettings::IniFormat, QSettings::SystemScope,
                            QStringLiteral("Vendra Software"), QStringLiteral("Fazolab"));
        systemowe.setValue(QStringLiteral("DopasowanieWielomianem"), QStringLiteral("Tak"));
    }
    EXPECT_EQ(Czytaj(QStringLiteral("DopasowanieWielomianem")), QStringLiteral("Tak"));

    TIniWrite zapisz;
    zapisz.SetReadString(QStringLiteral("DopasowanieWielomianem"));
    ASSERT_TRUE(zapisz.Execute(QStringLiteral("tak")));
    EXPECT_EQ(Czytaj(QStringLiteral("DopasowanieWielomianem")), QStringLiteral("tak"));
}

TEST_F(UstawieniaTest, NotifyAnnouncesTheMessageOnlyWhenSet) {
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

TEST_F(UstawieniaTest, AnUnwritableLocationFailsWithTheValueName) {
    QFile plik(uzytkownik_.path() + QStringLiteral("/plik"));
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.close();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, plik.fileName());

    TIniWrite zapisz;
    zapisz.SetReadString(QStringLiteral("KatalogDoZapisu"));
    zapisz.SetNotify(true);
    bool powiadomiono = false;
    QObject::connect(&zapisz, &TIniWrite::Powiadomienie, [&] { powiadomiono = true; });
    EXPECT_FALSE(zapisz.Execute(QStringLiteral("/a")));
    EXPECT_EQ(zapisz.Blad(), QStringLiteral("Failed to set data for 'KatalogDoZapisu'"));
    EXPECT_FALSE(powiadomiono);
}
