#include "PrzejscieFluktuacji.h"

#include "ProbkiBadania.h"
#include "StatystykaProbek.h"
#include "Wielohistogram.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <span>
#include <stdexcept>
#include <utility>

namespace {
constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
// Two neighbouring series whose distributions of the pair count share less
// than this tie their free energies to nothing: the step between them is not
// crossed.
constexpr double MinNakladania = 0.01;
// A point of the curve resting on fewer samples in effect is the noise of a
// few samples' tails.
constexpr double MinEfektywnych = 20.0;
// The bootstrap: its resamples, and the units below which its spread says
// nothing of the error.
constexpr int Losowan = 100;
constexpr std::size_t MinJednostekDlaBledu = 4;
// Any fixed value does; a fixed one keeps the printed error reproducible.
constexpr std::uint64_t ZiarnoLosowania = 20261208;

using Repliki = std::vector<std::vector<FluktuacjaSerii>>;
// Series on each side of the largest measured Cv/kN that the reweighting
// starts from.
constexpr std::size_t MarginesOkna = 4;

MaksimumFluktuacji ZPrzewazenia(const Repliki& repliki, int podzial);

std::vector<bool> Uzyte(const Repliki& repliki) {
    std::vector<bool> uzyte(repliki.front().size(), true);
    for (const std::vector<FluktuacjaSerii>& r : repliki) {
        for (std::size_t k = 0; k < r.size(); ++k) {
            uzyte[k] = uzyte[k] && r[k].Stan == Rownowaga::Osiagnieta;
        }
    }
    return uzyte;
}

// Whether a series left out has a larger Cv/kN (summed over the replicas)
// than `cv`: the peak may lie there.
bool WiekszaPominieta(const Repliki& repliki, const std::vector<bool>& uzyte, double cv) {
    for (std::size_t k = 0; k < uzyte.size(); ++k) {
        double cvk = 0.0;
        for (const std::vector<FluktuacjaSerii>& r : repliki) {
            cvk += r[k].CvkN.Srednia;
        }
        if (!uzyte[k] && cvk > cv) {
            return true;
        }
    }
    return false;
}

// The parabola through the grid's points of the series used.
MaksimumFluktuacji ZParaboli(const Repliki& repliki, const std::vector<bool>& uzyte) {
    std::vector<double> lambdy;
    std::vector<std::vector<double>> cv(repliki.size());
    std::vector<double> bledy;
    for (std::size_t k = 0; k < uzyte.size(); ++k) {
        if (!uzyte[k]) {
            continue;
        }
        lambdy.push_back(std::fabs(repliki.front()[k].Lambda));
        bledy.push_back(repliki.front()[k].CvkN.Blad);
        for (std::size_t r = 0; r < repliki.size(); ++r) {
            cv[r].push_back(repliki[r][k].CvkN.Srednia);
        }
    }
    MaksimumFluktuacji m;
    // The largest value must have used series on both sides of it in the
    // grid, or at the grid's own edge: a series left out beside it may hold
    // the peak.
    const auto wGrupie = [&](std::size_t k) { return k < uzyte.size() && uzyte[k]; };
    std::size_t najwieksza = uzyte.size();
    double cvNajwieksza = 0.0;
    for (std::size_t k = 0; k < uzyte.size(); ++k) {
        double cvk = 0.0;
        for (const std::vector<FluktuacjaSerii>& r : repliki) {
            cvk += r[k].CvkN.Srednia;
        }
        if (uzyte[k] && (najwieksza == uzyte.size() || cvk > cvNajwieksza)) {
            najwieksza = k;
            cvNajwieksza = cvk;
        }
    }
    const bool otoczona = najwieksza < uzyte.size() &&
                          !WiekszaPominieta(repliki, uzyte, cvNajwieksza) &&
                          (najwieksza == 0 || wGrupie(najwieksza - 1)) &&
                          (najwieksza + 1 == uzyte.size() || wGrupie(najwieksza + 1));
    if (lambdy.empty() || !otoczona) {
        m.Sposob = SposobMaksimum::BrakSerii;
        m.Lambda = Nan;
        m.Blad = Nan;
        m.CvkN = Nan;
        return m;
    }
    const int replik = static_cast<int>(repliki.size());
    if (replik == 1) {
        m = ZnajdzMaksimumZBledami(lambdy, cv.front(), bledy);
    } else {
        m = ZnajdzMaksimumFluktuacji(lambdy, cv);
        if (replik < MinReplikDlaBledu) {
            m.Blad = Nan;
            m.MaloReplik = !m.NaBrzegu;
        }
    }
    std::vector<double> srednie(lambdy.size(), 0.0);
    for (const std::vector<double>& wiersz : cv) {
        for (std::size_t k = 0; k < wiersz.size(); ++k) {
            srednie[k] += wiersz[k] / static_cast<double>(replik);
        }
    }
    const auto j = static_cast<std::size_t>(std::max_element(srednie.begin(), srednie.end()) -
                                            srednie.begin());
    m.CvkN = srednie[j];
    if (replik == 1) {
        m.BladCvkN = bledy[j];
    } else if (replik >= MinReplikDlaBledu) {
        std::vector<double> kolumna;
        for (const std::vector<double>& wiersz : cv) {
            kolumna.push_back(wiersz[j]);
        }
        m.BladCvkN = SredniaNiezaleznych(kolumna).Blad;
    }
    if (!m.NaBrzegu) {
        // y = top - a (x - x0)^2 through the three points, a the second
        // divided difference; half height at sqrt(top / 2a) from the vertex.
        const double lewe = (srednie[j] - srednie[j - 1]) / (lambdy[j] - lambdy[j - 1]);
        const double prawe = (srednie[j + 1] - srednie[j]) / (lambdy[j + 1] - lambdy[j]);
        const double a = (lewe - prawe) / (lambdy[j + 1] - lambdy[j - 1]);
        const double krok = std::min(lambdy[j] - lambdy[j - 1], lambdy[j + 1] - lambdy[j]);
        m.Waskie = a > 0.0 && std::sqrt(srednie[j] / (2 * a)) < krok;
    }
    return m;
}

// The fine grid of lambdas the pooled curve is evaluated on: every series'
// own lambda and, across each step the reweighting crosses, `podzial` - 1
// points between; a step it does not cross starts a new stretch.
struct Siatka {
    std::vector<double> Lambdy; // as the series ran
    std::vector<double> Bezwzgledne;
    std::vector<int> Odcinek;       // the stretch of reweighting a point belongs to
    std::vector<std::size_t> Seria; // the series at or before a point
};

Siatka ZbudujSiatke(const ProbkiBadania& dane, int podzial) {
    Siatka s;
    const std::vector<double>& lambdy = dane.Lambdy();
    int odcinek = 0;
    for (std::size_t k = 0; k < lambdy.size(); ++k) {
        const bool przekroczony = k + 1 < lambdy.size() && dane.Nakladania()[k] >= MinNakladania;
        const int kroki = przekroczony ? podzial : 1;
        for (int i = 0; i < kroki; ++i) {
            const double lambda =
                i == 0 ? lambdy[k]
                       : lambdy[k] + (lambdy[k + 1] - lambdy[k]) * i / static_cast<double>(podzial);
            s.Lambdy.push_back(lambda);
            s.Bezwzgledne.push_back(std::fabs(lambda));
            s.Odcinek.push_back(odcinek);
            s.Seria.push_back(k);
        }
        if (!przekroczony) {
            ++odcinek;
        }
    }
    return s;
}

// Cv/kN of the points `od`..`dokad` of the grid, NaN where the reweighting
// rests on too few samples.
std::vector<double> Krzywa(const Wielohistogram& w, const Siatka& s, std::size_t od,
                           std::size_t dokad) {
    std::vector<double> cv(s.Lambdy.size(), Nan);
    for (std::size_t i = od; i <= dokad && i < cv.size(); ++i) {
        const ChwilaPrzewazona c = w.Chwila(s.Lambdy[i]);
        if (c.Efektywnych >= MinEfektywnych) {
            cv[i] = c.CvkN;
        }
    }
    return cv;
}

struct Szczyt {
    std::size_t Indeks = 0;
    double Lambda = Nan; // |lambda|, refined
    double CvkN = Nan;
    bool Jest = false;
    bool NaBrzegu = false;
    bool NieSiega = false; // a neighbour of the largest value is not reached
};

// The largest value of the curve among the points `od`..`dokad`, refined by
// the vertex of the parabola through it and its two neighbours on the grid.
Szczyt SzczytKrzywej(const Siatka& s, const std::vector<double>& cv, std::size_t od,
                     std::size_t dokad) {
    Szczyt w;
    for (std::size_t i = od; i <= dokad && i < cv.size(); ++i) {
        if (!std::isnan(cv[i]) && (!w.Jest || cv[i] > w.CvkN)) {
            w.Jest = true;
            w.Indeks = i;
            w.CvkN = cv[i];
        }
    }
    if (!w.Jest) {
        return w;
    }
    const std::size_t j = w.Indeks;
    w.Lambda = s.Bezwzgledne[j];
    if (j == 0 || j + 1 == cv.size()) {
        w.NaBrzegu = true;
        return w;
    }
    if (std::isnan(cv[j - 1]) || std::isnan(cv[j + 1]) || s.Odcinek[j - 1] != s.Odcinek[j] ||
        s.Odcinek[j + 1] != s.Odcinek[j]) {
        w.NieSiega = true;
        return w;
    }
    w.Lambda = WierzcholekParaboli(s.Bezwzgledne, cv, j);
    return w;
}

} // namespace

MaksimumFluktuacji ZnajdzPrzejscie(const Repliki& repliki, int podzial) {
    if (repliki.empty() || repliki.front().empty()) {
        throw std::invalid_argument("ZnajdzPrzejscie: brak replik");
    }
    for (const std::vector<FluktuacjaSerii>& r : repliki) {
        if (r.size() != repliki.front().size()) {
            throw std::invalid_argument("ZnajdzPrzejscie: repliki różnych serii");
        }
    }
    // The reweighting takes the series about the largest measured Cv/kN:
    // farther ones weigh nothing at the peak and only slow the solution. A
    // peak found at the edge of that window widens it, up to every series.
    const std::size_t serii = repliki.front().size();
    for (std::size_t margines = MarginesOkna;; margines *= 2) {
        const auto [od, dokad] = OknoSerii(repliki, margines);
        if (od == 0 && dokad + 1 == serii) {
            return ZPrzewazenia(repliki, podzial);
        }
        Repliki wycinek;
        for (const std::vector<FluktuacjaSerii>& r : repliki) {
            wycinek.emplace_back(r.begin() + static_cast<std::ptrdiff_t>(od),
                                 r.begin() + static_cast<std::ptrdiff_t>(dokad) + 1);
        }
        MaksimumFluktuacji m = ZPrzewazenia(wycinek, podzial);
        if (!m.NaBrzegu) {
            // Every series left out is told, not only those of the window.
            m.Pominiete = 0;
            for (const std::vector<FluktuacjaSerii>& r : repliki) {
                for (const FluktuacjaSerii& s : r) {
                    m.Pominiete += s.Stan == Rownowaga::Nieosiagnieta;
                }
            }
            return m;
        }
    }
}

std::pair<std::size_t, std::size_t> OknoSerii(const Repliki& repliki, std::size_t margines) {
    const std::size_t serii = repliki.front().size();
    std::size_t najwieksza = 0;
    double cvNajwieksze = -1.0;
    for (std::size_t k = 0; k < serii; ++k) {
        double cv = 0.0;
        int ile = 0;
        for (const std::vector<FluktuacjaSerii>& r : repliki) {
            if (r[k].Stan != Rownowaga::Nieosiagnieta && std::isfinite(r[k].CvkN.Srednia)) {
                cv += r[k].CvkN.Srednia;
                ++ile;
            }
        }
        if (ile > 0 && cv / ile > cvNajwieksze) {
            cvNajwieksze = cv / ile;
            najwieksza = k;
        }
    }
    return {najwieksza > margines ? najwieksza - margines : 0,
            std::min(serii - 1, najwieksza + margines)};
}

namespace {
MaksimumFluktuacji ZPrzewazenia(const Repliki& repliki, int podzial) {
    const ProbkiBadania dane(repliki);
    if (!dane.ZProbkami()) {
        MaksimumFluktuacji m = ZParaboli(repliki, Uzyte(repliki));
        m.PrzewazanieNieSiega = m.Sposob == SposobMaksimum::Parabola;
        m.Pominiete = dane.Pominiete();
        return m;
    }
    const Siatka siatka = ZbudujSiatke(dane, podzial);
    const Wielohistogram wszystkie(dane.Wszystkie(), dane.IloscAtomow());
    const std::vector<double> cv = Krzywa(wszystkie, siatka, 0, siatka.Lambdy.size() - 1);
    const Szczyt glowny = SzczytKrzywej(siatka, cv, 0, cv.size() - 1);
    MaksimumFluktuacji m;
    m.Sposob = SposobMaksimum::Przewazanie;
    m.Pominiete = dane.Pominiete();
    m.Lambda = glowny.Lambda;
    m.CvkN = glowny.CvkN;
    m.NaBrzegu = glowny.NaBrzegu;
    m.PrzewazanieNieSiega = glowny.NieSiega;
    m.Blad = Nan;
    if (!glowny.Jest) {
        m.Sposob = SposobMaksimum::BrakSerii;
        m.Lambda = m.CvkN = Nan;
        return m;
    }
    if (glowny.NaBrzegu || glowny.NieSiega) {
        return m;
    }
    if (dane.Jednostki() < MinJednostekDlaBledu) {
        m.MaloReplik = true;
        return m;
    }
    // The bootstrap looks for the peak of every resample within two steps of
    // the study's own, on its stretch of the grid: farther away lies no peak
    // the study's data would place.
    const std::size_t okno = 2 * static_cast<std::size_t>(podzial);
    std::size_t od = glowny.Indeks > okno ? glowny.Indeks - okno : 0;
    std::size_t dokad = std::min(cv.size() - 1, glowny.Indeks + okno);
    while (siatka.Odcinek[od] != siatka.Odcinek[glowny.Indeks]) {
        ++od;
    }
    while (siatka.Odcinek[dokad] != siatka.Odcinek[glowny.Indeks]) {
        --dokad;
    }
    // The series that reach the window, and one beyond on each side: those
    // farther away weigh nothing there.
    const std::size_t pierwsza = siatka.Seria[od] > 0 ? siatka.Seria[od] - 1 : 0;
    const std::size_t ostatnia = std::min(siatka.Seria[dokad] + 2, dane.Lambdy().size() - 1);
    std::vector<double> start(
        wszystkie.EnergieSwobodne().begin() + static_cast<std::ptrdiff_t>(pierwsza),
        wszystkie.EnergieSwobodne().begin() + static_cast<std::ptrdiff_t>(ostatnia) + 1);
    for (double& f : start) {
        f -= wszystkie.EnergieSwobodne()[pierwsza];
    }
    std::mt19937_64 los(ZiarnoLosowania);
    std::vector<double> polozenia;
    std::vector<double> wysokosci;
    for (int b = 0; b < Losowan; ++b) {
        const std::vector<int> krotnosci = dane.Losuj(los);
        const Wielohistogram w(dane.Histogramy(krotnosci, pierwsza, ostatnia), dane.IloscAtomow(),
                               start);
        const Szczyt s = SzczytKrzywej(siatka, Krzywa(w, siatka, od, dokad), od, dokad);
        if (s.Jest) {
            polozenia.push_back(s.Lambda);
            wysokosci.push_back(s.CvkN);
        }
    }
    // The spread of a bootstrap over few units falls short of the error by
    // about sqrt((U - 1) / U).
    const double jednostek = static_cast<double>(dane.Jednostki());
    const double poprawka = std::sqrt(jednostek / (jednostek - 1.0));
    m.Blad = poprawka * OdchylenieProby(polozenia);
    m.BladCvkN = poprawka * OdchylenieProby(wysokosci);
    return m;
}
} // namespace
