#include "PrzejscieFluktuacji.h"

#include "Przewazanie.h"
#include "StatystykaProbek.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <stdexcept>
#include <utility>

namespace {
constexpr double Nan = std::numeric_limits<double>::quiet_NaN();

using Repliki = std::vector<std::vector<FluktuacjaSerii>>;

std::vector<bool> Uzyte(const Repliki& repliki) {
    std::vector<bool> uzyte(repliki.front().size(), true);
    for (const std::vector<FluktuacjaSerii>& r : repliki) {
        for (std::size_t k = 0; k < r.size(); ++k) {
            uzyte[k] = uzyte[k] && r[k].Stan == Rownowaga::Osiagnieta;
        }
    }
    return uzyte;
}

// Samples `od`..`do` of each series' kept ones, in fractions of their number.
KrzywaCv Krzywa(const std::vector<FluktuacjaSerii>& serie, const std::vector<bool>& uzyte,
                int podzial, std::size_t blok, std::size_t blokow) {
    std::vector<double> lambdy;
    std::vector<std::vector<double>> bez(serie.size());
    std::vector<std::span<const double>> pary;
    for (std::size_t k = 0; k < serie.size(); ++k) {
        lambdy.push_back(serie[k].Lambda);
        const std::vector<double>& p = serie[k].Pary;
        if (blokow == 0) {
            pary.emplace_back(p);
            continue;
        }
        const std::size_t od = p.size() * blok / blokow;
        const std::size_t dokad = p.size() * (blok + 1) / blokow;
        bez[k].assign(p.begin(), p.begin() + static_cast<std::ptrdiff_t>(od));
        bez[k].insert(bez[k].end(), p.begin() + static_cast<std::ptrdiff_t>(dokad), p.end());
        pary.emplace_back(bez[k]);
    }
    return KrzywaPrzewazona(lambdy, pary, uzyte, serie.front().IloscAtomow, podzial);
}

std::vector<double>
SredniaKrzywych(const std::vector<KrzywaCv>& krzywe,
                std::size_t pominieta = std::numeric_limits<std::size_t>::max()) {
    std::vector<double> srednia(krzywe.front().CvkN.size(), 0.0);
    double ile = 0.0;
    for (std::size_t r = 0; r < krzywe.size(); ++r) {
        if (r == pominieta) {
            continue;
        }
        for (std::size_t i = 0; i < srednia.size(); ++i) {
            srednia[i] += krzywe[r].CvkN[i];
        }
        ile += 1.0;
    }
    for (double& v : srednia) {
        v /= ile;
    }
    return srednia;
}

struct Szczyt {
    double Lambda = Nan;
    double CvkN = Nan;
    bool Osiagniety = false; // both neighbours reached
    bool NaBrzegu = false;
    std::size_t Indeks = 0; // of the largest value on the fine grid
};

// The largest value of the curve, taken only when the curve is reached all
// the way to the series on either side of it, so that measured values below
// it bracket it (a peak may hide in a step the reweighting does not cross).
Szczyt SzczytKrzywej(const std::vector<double>& lambdy, const std::vector<double>& cv, int podzial,
                     const std::vector<bool>& uzyte) {
    Szczyt s;
    std::size_t j = cv.size();
    for (std::size_t i = 0; i < cv.size(); ++i) {
        if (!std::isnan(cv[i]) && (j == cv.size() || cv[i] > cv[j])) {
            j = i;
        }
    }
    if (j == cv.size()) {
        return s;
    }
    s.Lambda = lambdy[j];
    s.CvkN = cv[j];
    s.Indeks = j;
    const auto krok = static_cast<std::size_t>(podzial);
    if (j == 0 || j + 1 == cv.size()) {
        s.NaBrzegu = uzyte[j / krok];
        return s;
    }
    const std::size_t od = j % krok == 0 ? j - krok : j - j % krok;
    const std::size_t dokad = std::min(cv.size() - 1, j % krok == 0 ? j + krok : od + krok);
    if (!uzyte[od / krok] || !uzyte[dokad / krok]) {
        return s;
    }
    for (std::size_t i = od; i <= dokad; ++i) {
        if (std::isnan(cv[i])) {
            return s;
        }
    }
    s.Osiagniety = true;
    s.Lambda = WierzcholekParaboli(lambdy, cv, j);
    return s;
}

double Jackknife(const std::vector<double>& polozenia) {
    const double n = static_cast<double>(polozenia.size());
    double srednia = 0.0;
    for (const double x : polozenia) {
        srednia += x;
    }
    srednia /= n;
    double suma = 0.0;
    for (const double x : polozenia) {
        suma += (x - srednia) * (x - srednia);
    }
    return std::sqrt((n - 1) / n * suma);
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
} // namespace

MaksimumFluktuacji ZnajdzPrzejscie(const Repliki& repliki, int podzial, int bloki) {
    if (repliki.empty() || repliki.front().empty()) {
        throw std::invalid_argument("ZnajdzPrzejscie: brak replik");
    }
    for (const std::vector<FluktuacjaSerii>& r : repliki) {
        if (r.size() != repliki.front().size()) {
            throw std::invalid_argument("ZnajdzPrzejscie: repliki różnych serii");
        }
    }
    const std::vector<bool> uzyte = Uzyte(repliki);
    const bool zProbkami = std::all_of(repliki.begin(), repliki.end(), [](const auto& r) {
        return std::all_of(r.begin(), r.end(), [](const FluktuacjaSerii& s) {
            return !s.Pary.empty() && s.IloscAtomow > 0;
        });
    });
    if (!zProbkami || std::none_of(uzyte.begin(), uzyte.end(), [](bool u) { return u; })) {
        MaksimumFluktuacji m = ZParaboli(repliki, uzyte);
        m.PrzewazanieNieSiega = m.Sposob == SposobMaksimum::Parabola;
        return m;
    }
    std::vector<KrzywaCv> krzywe;
    for (const std::vector<FluktuacjaSerii>& r : repliki) {
        krzywe.push_back(Krzywa(r, uzyte, podzial, 0, 0));
    }
    const std::vector<double>& lambdy = krzywe.front().Lambdy;
    const Szczyt glowny = SzczytKrzywej(lambdy, SredniaKrzywych(krzywe), podzial, uzyte);
    if ((!glowny.Osiagniety && !glowny.NaBrzegu) ||
        WiekszaPominieta(repliki, uzyte, glowny.CvkN * static_cast<double>(repliki.size()))) {
        MaksimumFluktuacji m = ZParaboli(repliki, uzyte);
        m.PrzewazanieNieSiega = m.Sposob == SposobMaksimum::Parabola;
        return m;
    }
    MaksimumFluktuacji m;
    m.Sposob = SposobMaksimum::Przewazanie;
    m.Lambda = glowny.Lambda;
    m.CvkN = glowny.CvkN;
    m.NaBrzegu = glowny.NaBrzegu;
    m.Blad = Nan;
    if (m.NaBrzegu) {
        return m;
    }
    const int replik = static_cast<int>(repliki.size());
    // The position of a largest value is no smooth function of the data: a
    // jackknife of it sees too little of its spread. The slope of the curve at
    // the peak is smooth; its error over the curve's curvature is the
    // position's. The height's error is that of the curve's value there.
    std::vector<KrzywaCv> czesci;
    if (replik >= MinReplikDlaBledu) {
        czesci = krzywe;
    } else if (replik == 1 && bloki >= 2) {
        for (int b = 0; b < bloki; ++b) {
            czesci.push_back(Krzywa(repliki.front(), uzyte, podzial, static_cast<std::size_t>(b),
                                    static_cast<std::size_t>(bloki)));
        }
    } else {
        m.MaloReplik = true;
        return m;
    }
    const std::vector<double> srednia = SredniaKrzywych(krzywe);
    const std::size_t j = glowny.Indeks;
    std::vector<double> nachylenia;
    std::vector<double> wysokosci;
    std::vector<double> polozenia;
    for (const KrzywaCv& k : czesci) {
        nachylenia.push_back((k.CvkN[j + 1] - k.CvkN[j - 1]) / (lambdy[j + 1] - lambdy[j - 1]));
        wysokosci.push_back(k.CvkN[j]);
        polozenia.push_back(SzczytKrzywej(lambdy, k.CvkN, podzial, uzyte).Lambda);
    }
    const auto blad = [&](const std::vector<double>& x) {
        return replik == 1 ? Jackknife(x) : SredniaNiezaleznych(x).Blad;
    };
    const std::size_t h = std::min({std::max<std::size_t>(1, static_cast<std::size_t>(podzial) / 4),
                                    j, srednia.size() - 1 - j});
    const double krok = (lambdy[j + h] - lambdy[j - h]) / 2;
    const double krzywizna = (srednia[j + h] - 2 * srednia[j] + srednia[j - h]) / (krok * krok);
    // Where the peak lies by a series' own lambda the curve's two sides come
    // from different pairs of series, and a kink there passes for curvature:
    // the spread of the parts' own peaks, which such a kink does not narrow,
    // bounds the error from below.
    const double zPolozen = blad(polozenia);
    if (krzywizna < 0.0 && !std::isnan(zPolozen)) {
        m.Blad = std::max(blad(nachylenia) / -krzywizna, zPolozen);
    }
    m.BladCvkN = blad(wysokosci);
    return m;
}
