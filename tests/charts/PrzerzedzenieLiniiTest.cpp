#include "PrzerzedzenieLinii.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>

namespace {
QList<QPointF> Szum(int n) {
    QList<QPointF> punkty;
    for (int i = 0; i < n; ++i) {
        punkty.append(QPointF(i * 100.0, std::sin(i * 0.7) + 0.5 * std::sin(i * 2.3)));
    }
    return punkty;
}
} // namespace

class TestPrzerzedzenieLinii : public QObject {
    Q_OBJECT

private slots:
    void krotkaLiniaBezZmian() {
        const QList<QPointF> punkty = Szum(500);
        QCOMPARE(PrzerzedzLinie(punkty, 0, 1000000, 230), punkty);
    }

    void czteryPunktyNaKolumne() {
        const QList<QPointF> punkty = Szum(10000);
        const QList<QPointF> wynik = PrzerzedzLinie(punkty, 0, 1000000, 230);
        QVERIFY(wynik.size() <= 4 * 232);
        QVERIFY(wynik.size() > 230);
        // Every kept point is a point of the line, in the same order.
        QVERIFY(std::is_sorted(wynik.begin(), wynik.end(),
                               [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); }));
        for (const QPointF& p : wynik) {
            QVERIFY(punkty.contains(p));
        }
        QCOMPARE(wynik.first(), punkty.first());
        QCOMPARE(wynik.last(), punkty.last());
    }

    void kazdaKolumnaZachowujeSkrajneWartosci() {
        const QList<QPointF> punkty = Szum(10000);
        const int kolumny = 230;
        const double naKolumne = kolumny / 1000000.0;
        const QList<QPointF> wynik = PrzerzedzLinie(punkty, 0, 1000000, kolumny);
        std::map<int, std::pair<double, double>> pelne, przerzedzone;
        const auto dodaj = [&](std::map<int, std::pair<double, double>>& m, const QPointF& p) {
            const int k = std::min(static_cast<int>(std::floor(p.x() * naKolumne)), kolumny);
            auto [it, nowa] = m.try_emplace(k, p.y(), p.y());
            it->second.first = std::min(it->second.first, p.y());
            it->second.second = std::max(it->second.second, p.y());
        };
        for (const QPointF& p : punkty) {
            dodaj(pelne, p);
        }
        for (const QPointF& p : wynik) {
            dodaj(przerzedzone, p);
        }
        QCOMPARE(przerzedzone, pelne);
    }

    void punktyPozaZakresemDzielaKolumnyBrzegowe() {
        QList<QPointF> punkty = Szum(10000);
        // The axis shows only the first half: the rest lies right of it.
        const QList<QPointF> wynik = PrzerzedzLinie(punkty, 0, 500000, 230);
        QVERIFY(wynik.size() <= 4 * 232);
        QCOMPARE(wynik.last(), punkty.last());
    }

    void brakKolumnLubZakresu() {
        const QList<QPointF> punkty = Szum(10000);
        QCOMPARE(PrzerzedzLinie(punkty, 0, 1000000, 0), punkty);
        QCOMPARE(PrzerzedzLinie(punkty, 5, 5, 230), punkty);
    }
};

QTEST_MAIN(TestPrzerzedzenieLinii)
#include "PrzerzedzenieLiniiTest.moc"
