#include "Przewazanie.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <stdexcept>

namespace {
constexpr int MaxIteracji = 2000;
constexpr double Zbieznosc = 1e-11;
constexpr double MinUdzialEfektywnych = 0.05;
constexpr double MinEfektywnych = 20.0;
// Two series whose samples share less than this of their distributions tie
// their free energies to nothing: the step between them is not crossed.
constexpr double MinNakladania = 0.01;

// The shared part of two series' distributions of the pair count: the sum
// over P of the smaller of the two fractions of samples at P.
double Nakladanie(std::span<const double> a, std::span<const double> b) {
    std::map<double, std::pair<double, double>> udzialy;
    for (const double p : a) {
        udzialy[p].first += 1.0 / static_cast<double>(a.size());
    }
    for (const double p : b) {
        udzialy[p].second += 1.0 / static_cast<double>(b.size());
    }
    double wspolne = 0.0;
    for (const auto& [p, u] : udzialy) {
        wspolne += std::min(u.first, u.second);
    }
    return wspolne;
}

double LogSumaExp(const std::vector<double>& x) {
    const double m = *std::max_element(x.begin(), x.end());
    if (!std::isfinite(m)) {
        return m;
    }
    double suma = 0.0;
    for (const double v : x) {
        suma += std::exp(v - m);
    }
    return m + std::log(suma);
}

// The pair counts sampled by all the series, each with its number of samples,
// measured from their mean so that the exponents stay small.
struct Histogram {
    std::vector<double> Pary;
    std::vector<double> Liczby;
    double Odniesienie = 0.0;
};

Histogram Zbierz(std::span<const ProbkiPar> serie) {
    std::map<double, double> liczby;
    double suma = 0.0;
    double ile = 0.0;
    for (const ProbkiPar& s : serie) {
        for (const double p : s.Pary) {
            liczby[p] += 1.0;
            suma += p;
            ile += 1.0;
        }
    }
    Histogram h;
    h.Odniesienie = suma / ile;
    for (const auto& [p, n] : liczby) {
        h.Pary.push_back(p - h.Odniesienie);
        h.Liczby.push_back(n);
    }
    return h;
}
} // namespace

Przewazenie::Przewazenie(std::span<const ProbkiPar> serie, int iloscAtomow)
    : iloscAtomow_(iloscAtomow) {
    if (serie.empty() || iloscAtomow < 1 ||
        std::any_of(serie.begin(), serie.end(),
                    [](const ProbkiPar& s) { return s.Pary.empty(); })) {
        throw std::invalid_argument("Przewazenie: brak serii, próbek lub atomów");
    }
    Histogram h = Zbierz(serie);
    pary_ = std::move(h.Pary);
    liczby_ = std::move(h.Liczby);
    const std::size_t m = serie.size();
    const std::size_t punkty = pary_.size();
    std::vector<double> logN(m);
    for (std::size_t s = 0; s < m; ++s) {
        logN[s] = std::log(static_cast<double>(serie[s].Pary.size()));
        probek_ += static_cast<double>(serie[s].Pary.size());
    }
    // The free energies f_s = log sum over P of H(P) exp(lambda_s P) / D(P),
    // iterated to their fixed point with f_0 held at zero.
    std::vector<double> f(m, 0.0);
    logD_.assign(punkty, 0.0);
    std::vector<double> skladniki;
    const auto Mianowniki = [&] {
        skladniki.resize(m);
        for (std::size_t i = 0; i < punkty; ++i) {
            for (std::size_t s = 0; s < m; ++s) {
                skladniki[s] = logN[s] + serie[s].Lambda * pary_[i] - f[s];
            }
            logD_[i] = LogSumaExp(skladniki);
        }
    };
    std::vector<double> nowe(m);
    for (int it = 0; it < MaxIteracji && m > 1; ++it) {
        Mianowniki();
        skladniki.resize(punkty);
        for (std::size_t s = 0; s < m; ++s) {
            for (std::size_t i = 0; i < punkty; ++i) {
                skladniki[i] = std::log(liczby_[i]) + serie[s].Lambda * pary_[i] - logD_[i];
            }
            nowe[s] = LogSumaExp(skladniki);
        }
        double zmiana = 0.0;
        for (std::size_t s = 0; s < m; ++s) {
            nowe[s] -= nowe[0];
            zmiana = std::max(zmiana, std::fabs(nowe[s] - f[s]));
        }
        f = nowe;
        if (zmiana < Zbieznosc) {
            break;
        }
        skladniki.resize(m);
    }
    Mianowniki();
}

CvPrzewazone Przewazenie::Cv(double lambda) const {
    // The weight of a sample of pair count P at lambda is exp(lambda P) / D(P).
    double najwieksza = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < pary_.size(); ++i) {
        najwieksza = std::max(najwieksza, lambda * pary_[i] - logD_[i]);
    }
    double sumaW = 0.0;
    double sumaW2 = 0.0;
    double sumaP = 0.0;
    double sumaP2 = 0.0;
    for (std::size_t i = 0; i < pary_.size(); ++i) {
        const double w = std::exp(lambda * pary_[i] - logD_[i] - najwieksza);
        const double p = pary_[i];
        sumaW += liczby_[i] * w;
        sumaW2 += liczby_[i] * w * w;
        sumaP += liczby_[i] * w * p;
        sumaP2 += liczby_[i] * w * p * p;
    }
    const double srednia = sumaP / sumaW;
    const double wariancja = std::max(0.0, sumaP2 / sumaW - srednia * srednia);
    return {lambda * lambda * wariancja / iloscAtomow_, sumaW * sumaW / sumaW2, probek_};
}

CvPrzewazone PrzewazCv(std::span<const ProbkiPar> serie, double lambda, int iloscAtomow) {
    return Przewazenie(serie, iloscAtomow).Cv(lambda);
}

bool PrzewazanieSiega(const CvPrzewazone& cv) {
    return cv.Efektywnych >= MinEfektywnych && cv.Efektywnych >= MinUdzialEfektywnych * cv.Probek;
}

KrzywaCv KrzywaPrzewazona(std::span<const double> lambdy,
                          const std::vector<std::span<const double>>& pary,
                          const std::vector<bool>& uzyte, int iloscAtomow, int podzial) {
    if (pary.size() != lambdy.size() || uzyte.size() != lambdy.size() || podzial < 1) {
        throw std::invalid_argument("KrzywaPrzewazona: różne długości lub podział poza zakresem");
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    KrzywaCv krzywa;
    for (std::size_t k = 0; k < lambdy.size(); ++k) {
        const bool uzyta = uzyte[k] && !pary[k].empty();
        const bool ostatni = k + 1 == lambdy.size();
        const bool nastepna = !ostatni && uzyte[k + 1] && !pary[k + 1].empty();
        const bool przekroczony =
            !uzyta || !nastepna || Nakladanie(pary[k], pary[k + 1]) >= MinNakladania;
        std::vector<ProbkiPar> serie;
        if (uzyta) {
            serie.push_back({lambdy[k], pary[k]});
        }
        if (nastepna && przekroczony) {
            serie.push_back({lambdy[k + 1], pary[k + 1]});
        }
        const int kroki = ostatni ? 1 : podzial;
        const std::optional<Przewazenie> przewazenie =
            serie.empty() ? std::nullopt
                          : std::optional<Przewazenie>(std::in_place, serie, iloscAtomow);
        for (int i = 0; i < kroki; ++i) {
            const double lambda = ostatni ? lambdy[k]
                                          : lambdy[k] + (lambdy[k + 1] - lambdy[k]) * i /
                                                            static_cast<double>(podzial);
            krzywa.Lambdy.push_back(std::fabs(lambda));
            double cv = nan;
            if (!serie.empty() && (i == 0 ? uzyta : przekroczony)) {
                const CvPrzewazone w = przewazenie->Cv(lambda);
                if (PrzewazanieSiega(w)) {
                    cv = w.CvkN;
                }
            }
            krzywa.CvkN.push_back(cv);
        }
    }
    return krzywa;
}
