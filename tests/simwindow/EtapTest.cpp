#include "Etap.h"

#include <QString>
#include <QTest>

// The stage table alone, without a window: the forward button always names
// the stage it leads to, and the buttons follow the stage and the run.
class EtapTest : public QObject {
    Q_OBJECT
private slots:
    void PrzyciskDalejNazywaNastepnyEtap() {
        for (const Etap etap : {Etap::Ustawienia, Etap::Obliczenia}) {
            const Etap nastepny = static_cast<Etap>(static_cast<int>(etap) + 1);
            QCOMPARE(QString::fromUtf8(OpisDlaEtapu(etap).NapisDalej).trimmed(),
                     QString::fromUtf8(OpisDlaEtapu(nastepny).Tytul));
        }
        QCOMPARE(QString::fromUtf8(OpisDlaEtapu(Etap::Wyniki).NapisDalej), "Zapisz wyniki");
    }

    void RzadPrzyciskowZTabeliIPrzebiegu() {
        using P = StanPrzebiegu;
        const auto w = [](Etap etap, P przebieg, bool seria = true, bool zapis = false) {
            return PrzyciskiDla({etap, przebieg, seria, zapis, true});
        };
        const auto rowne = [](StanPrzyciskow a, StanPrzyciskow b) {
            return a.Nowe == b.Nowe && a.Dalej == b.Dalej && a.Zamknij == b.Zamknij;
        };
        QVERIFY(rowne(w(Etap::Ustawienia, P::Przed), {false, true, true}));
        QVERIFY(rowne(w(Etap::Obliczenia, P::Przed), {true, false, true}));
        // A run under way leaves no way out of the stage but "Zatrzymaj".
        QVERIFY(rowne(w(Etap::Obliczenia, P::Trwa), {false, false, false}));
        QVERIFY(rowne(w(Etap::Obliczenia, P::Wstrzymany), {true, false, true}));
        // Only a finished series has results to show.
        QVERIFY(rowne(w(Etap::Obliczenia, P::Zakonczony), {true, true, true}));
        QVERIFY(rowne(w(Etap::Obliczenia, P::Zakonczony, false), {true, false, true}));
        QVERIFY(rowne(w(Etap::Wyniki, P::Zakonczony), {true, true, true}));
        QVERIFY(rowne(w(Etap::Wyniki, P::Zakonczony, true, true), {true, false, true}));
        QVERIFY(rowne(PrzyciskiDla({Etap::Wyniki, P::Zakonczony, true, false, false}),
                      {false, false, true}));
    }
};

QTEST_APPLESS_MAIN(EtapTest)
#include "EtapTest.moc"
