#include "OsWykresu.h"

#include <QTest>

#include <cmath>

namespace {
// Labels `rozmiar` pixels long whatever the step, all of them written.
std::function<MiaraEtykiet(double)> Etykieta(double minimum, double maksimum, double rozmiar) {
    return [=](double krok) {
        return MiaraEtykiet{static_cast<int>(WartosciPodzialki(minimum, maksimum, krok).size()),
                            rozmiar};
    };
}
} // namespace

class TestOsWykresu : public QObject {
    Q_OBJECT

private slots:
    void przyrostGdyEtykietyMieszczaSie() {
        // 0..2.45 by 0.2 on 800 pixels: 13 labels of 20 pixels fit easily.
        QCOMPARE(DobierzKrok(0, 2.45, 0.2, 800, 800, Etykieta(0, 2.45, 20)), 0.2);
    }

    void przyrostRosnieGdyEtykietySieStykaja() {
        // The increment is a smallest step: 2, 5, 10 ... times it.
        QCOMPARE(DobierzKrok(0, 2.45, 0.2, 200, 250, Etykieta(0, 2.45, 20)), 0.4);
        QCOMPARE(DobierzKrok(0, 100000, 1000, 230, 260, Etykieta(0, 100000, 45)), 50000.0);
        const double krok = DobierzKrok(0, 1000000, 1000, 230, 260, Etykieta(0, 1000000, 50));
        QVERIFY(krok >= 200000.0);
        QCOMPARE(std::fmod(krok, 1000.0), 0.0);
    }

    void udzialQtOgranicza() {
        // Spacing alone would allow 0.2, but Qt's share (height of 120 over
        // seven places, less its padding) does not hold a label of 13.
        QCOMPARE(DobierzKrok(0, 1.1, 0.1, 112, 120, Etykieta(0, 1.1, 13)), 0.5);
        QCOMPARE(DobierzKrok(0, 1.1, 0.1, 112, 190, Etykieta(0, 1.1, 13)), 0.2);
    }

    void okraglyKrokBezPrzyrostu() {
        const double krok = DobierzKrok(-215.3, 0, 0, 130, 160, Etykieta(-215.3, 0, 13));
        const double rzad = std::pow(10.0, std::floor(std::log10(krok)));
        const double m = krok / rzad;
        QVERIFY(std::abs(m - 1) < 1e-9 || std::abs(m - 2) < 1e-9 || std::abs(m - 5) < 1e-9);
        QVERIFY(130 * krok / 215.3 >= 13 + 4);
    }

    void pominieteEtykietyZostawiajaMiejsce() {
        // A label left out (beyond the chart's edge) gives its share to the
        // others: the step that writes fewer labels can be the smaller one.
        const auto bezOstatniej = [](double krok) {
            const auto n = static_cast<int>(WartosciPodzialki(0, 1000000, krok).size());
            return MiaraEtykiet{n - 1, 55.0};
        };
        QCOMPARE(DobierzKrok(0, 1000000, 0, 230, 261, bezOstatniej), 500000.0);
        QCOMPARE(DobierzKrok(0, 1000000, 0, 230, 261, Etykieta(0, 1000000, 55)), 1000000.0);
    }

    void pustyZakres() {
        QCOMPARE(DobierzKrok(1, 1, 0.5, 100, 100, Etykieta(1, 1, 10)), 0.5);
        QCOMPARE(DobierzKrok(1, 1, 0, 100, 100, Etykieta(1, 1, 10)), 1.0);
    }

    void wartosciPodzialki() {
        const std::vector<double> sigma = WartosciPodzialki(-0.15, 1.1, 0.1);
        QCOMPARE(sigma.size(), std::size_t(13));
        QCOMPARE(sigma.front(), -0.1);
        QVERIFY(std::abs(sigma.back() - 1.1) < 1e-12);
        const std::vector<double> klasteryzacja = WartosciPodzialki(-2.45, 0.15, 0.4);
        QCOMPARE(klasteryzacja.size(), std::size_t(7));
        QVERIFY(std::abs(klasteryzacja.front() + 2.4) < 1e-12);
        QCOMPARE(klasteryzacja.back(), 0.0);
        QVERIFY(!std::signbit(klasteryzacja.back()));
        QVERIFY(WartosciPodzialki(0, 1, 0).empty());
    }

    void zakresyStaleIAutomatyczne() {
        const ZakresOsiWykresu s =
            ZakresOsiWykresu::Staly(0, 2.45, 0.2, QStringLiteral("# ##0.###"));
        QCOMPARE(s.Minimum.value(), 0.0);
        QCOMPARE(s.Maksimum.value(), 2.45);
        QCOMPARE(s.Przyrost, 0.2);
        QCOMPARE(s.Format, QStringLiteral("# ##0.###"));
        const ZakresOsiWykresu a = ZakresOsiWykresu::Automatyczny(0.5);
        QVERIFY(!a.Minimum && !a.Maksimum);
        QCOMPARE(a.Przyrost, 0.5);
    }
};

QTEST_MAIN(TestOsWykresu)
#include "OsWykresuTest.moc"
