#include "DialogiQt.h"

#include "OknoZapisu.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

namespace {

const QStringList TypyObrazow = {QStringLiteral("Obraz PNG (*.png)"),
                                 QStringLiteral("Obraz SVG (*.svg)")};

// A user at Qt's save dialog: picks the type with the keyboard in the list of
// types, types the name and presses Enter. A question about replacing a file
// is answered `zastap` and its text kept; a dialog still open after that is
// cancelled.
struct Uzytkownik {
    Uzytkownik(int typ, const QString& nazwa, bool zastap = false)
        : Typ(typ), Nazwa(nazwa), Zastap(zastap) {}

    int Typ;
    QString Nazwa;
    bool Zastap;
    QStringList Pytania;
    QList<int> ZmianyTypu;
    QString Uwaga; // what the dialog said about the name when it was left open

    std::optional<WybranyPlik> Zapisz(const QString& katalog) {
        ZapytanieOZapis z;
        z.Tytul = QStringLiteral("Fazolab - Zapis wykresu");
        z.Katalog = katalog;
        z.NazwaPliku = QStringLiteral("Wykres.png");
        z.Filtry = TypyObrazow;
        z.ZmianaTypu = [this](int typ) { ZmianyTypu.append(typ); };

        QTimer pytania;
        pytania.setInterval(10);
        QObject::connect(&pytania, &QTimer::timeout, [this] {
            if (auto* pytanie = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Pytania.append(pytanie->text());
                pytanie->button(Zastap ? QMessageBox::Yes : QMessageBox::No)->click();
            }
        });
        pytania.start();
        bool wpisane = false;
        QTimer okno;
        okno.setInterval(10);
        QObject::connect(&okno, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            if (wpisane) {
                Uwaga = dynamic_cast<OknoZapisu*>(dialog)->Uwaga();
                dialog->reject();
                return;
            }
            // The name field takes the keys once the dialog is active.
            if (!dialog->isActiveWindow()) {
                return;
            }
            wpisane = true;
            auto* typy = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            while (typy->currentIndex() < Typ - 1) {
                QTest::keyClick(typy, Qt::Key_Down);
            }
            auto* pole = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            pole->setFocus();
            pole->clear();
            pole->insert(Nazwa); // as typed or pasted: Polish letters too
            QTest::keyClick(pole, Qt::Key_Return);
        });
        okno.start();
        DialogiQt dialogi;
        return dialogi.WybierzPlikDoZapisu(nullptr, z);
    }
};

} // namespace

class TestDialogiQt : public QObject {
    Q_OBJECT

private slots:
    void init() {
        tmp_.emplace();
        QVERIFY(tmp_->isValid());
    }

    // The dialog adds the chosen type's extension to a name typed without one
    // and reports the type chosen when saving; a typed extension of an
    // offered type stays, whatever type was chosen.
    void rozszerzenieWybranegoTypu_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QString>("plik");
        QTest::newRow("SVG, hist") << 2 << "hist"
                                   << "hist.svg";
        QTest::newRow("PNG, hist") << 1 << "hist"
                                   << "hist.png";
        QTest::newRow("SVG, hist.png") << 2 << "hist.png"
                                       << "hist.png";
        QTest::newRow("PNG, hist.jpg") << 1 << "hist.jpg"
                                       << "hist.jpg.png";
    }

    void rozszerzenieWybranegoTypu() {
        QFETCH(int, typ);
        QFETCH(QString, nazwa);
        QFETCH(QString, plik);
        Uzytkownik u{typ, nazwa};
        const std::optional<WybranyPlik> wybrany = u.Zapisz(tmp_->path());
        QVERIFY(wybrany);
        QCOMPARE(wybrany->Sciezka, tmp_->filePath(plik));
        QCOMPARE(wybrany->Typ, typ);
        QCOMPARE(u.ZmianyTypu, typ == 2 ? QList<int>{2} : QList<int>{});
        QVERIFY(u.Pytania.isEmpty());
    }

    // The question about replacing is asked about the file that will be
    // written, not about the name as typed.
    void pytaOZastapienieTegoCoZapisze() {
        QFile istniejacy(tmp_->filePath(QStringLiteral("hist.svg")));
        QVERIFY(istniejacy.open(QIODevice::WriteOnly));
        istniejacy.close();

        Uzytkownik odmowa{2, QStringLiteral("hist")};
        QVERIFY(!odmowa.Zapisz(tmp_->path()));
        QCOMPARE(odmowa.Pytania.size(), 1);
        QVERIFY(odmowa.Pytania.first().contains(QLatin1String("hist.svg")));

        Uzytkownik zgoda{2, QStringLiteral("hist"), true};
        const std::optional<WybranyPlik> wybrany = zgoda.Zapisz(tmp_->path());
        QVERIFY(wybrany);
        QCOMPARE(wybrany->Sciezka, tmp_->filePath(QStringLiteral("hist.svg")));
        QCOMPARE(zgoda.Pytania.size(), 1);
    }

    // A name the file system cannot hold (255 bytes here) is refused with a
    // word, counting the extension the dialog would add and the two bytes
    // of a Polish letter.
    void zaDlugaNazwa_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<bool>("przyjeta");
        QTest::newRow("300 liter") << 1 << QString(300, QLatin1Char('a')) << false;
        QTest::newRow("251 + .svg") << 2 << QString(251, QLatin1Char('a')) << true;
        QTest::newRow("252 + .svg") << 2 << QString(252, QLatin1Char('a')) << false;
        QTest::newRow("128 × ą + .png") << 1 << QString(128, QChar(0x0105)) << false;
    }

    void zaDlugaNazwa() {
        QFETCH(int, typ);
        QFETCH(QString, nazwa);
        QFETCH(bool, przyjeta);
        Uzytkownik u{typ, nazwa};
        const std::optional<WybranyPlik> wybrany = u.Zapisz(tmp_->path());
        QCOMPARE(wybrany.has_value(), przyjeta);
        QCOMPARE(u.Uwaga, przyjeta ? QString() : QStringLiteral("Nazwa pliku jest za długa."));
        QVERIFY(u.Pytania.isEmpty());
    }

    // A question that must not throw work away on a careless Enter: No is
    // the default button, Enter and Esc both answer Nie.
    void domyslnieNie_data() {
        QTest::addColumn<int>("klawisz");
        QTest::newRow("Enter") << static_cast<int>(Qt::Key_Return);
        QTest::newRow("Esc") << static_cast<int>(Qt::Key_Escape);
    }
    void domyslnieNie() {
        QFETCH(int, klawisz);
        DialogiQt dialogi;
        QPushButton* domyslny = nullptr;
        QTimer::singleShot(0, [&] {
            auto* pytanie = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(pytanie);
            domyslny = pytanie->defaultButton();
            QTest::keyClick(pytanie, static_cast<Qt::Key>(klawisz));
        });
        QCOMPARE(dialogi.Zapytaj(nullptr, QStringLiteral("Czy mimo to zakończyć ?"),
                                 QStringLiteral("Fazolab"), Przyciski::TakNieDomyslnieNie,
                                 Ikona::Brak),
                 Odpowiedz::Nie);
        QVERIFY(domyslny);
        QCOMPARE(domyslny->text().remove(QLatin1Char('&')), QStringLiteral("No"));
    }

private:
    std::optional<QTemporaryDir> tmp_;
};

QTEST_MAIN(TestDialogiQt)
#include "DialogiQtTest.moc"
