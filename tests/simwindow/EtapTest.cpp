#include "Etap.h"

#include <QString>
#include <QTest>

// The stage table alone, without a window: the forward button always names
// the stage it leads to, and only the settings stage has no way back.
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

    void PowrotTylkoZObliczenIWynikow() {
        QVERIFY(!OpisDlaEtapu(Etap::Ustawienia).NoweDostepne);
        QVERIFY(OpisDlaEtapu(Etap::Obliczenia).NoweDostepne);
        QVERIFY(OpisDlaEtapu(Etap::Wyniki).NoweDostepne);
        // The way to the results opens only when a series has ended.
        QVERIFY(!OpisDlaEtapu(Etap::Obliczenia).DalejDostepny);
    }
};

QTEST_APPLESS_MAIN(EtapTest)
#include "EtapTest.moc"
