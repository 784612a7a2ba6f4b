#include "ProbkiBadania.h"

#include "Autokorelacja.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace {
// A stretch of a series shorter than this many autocorrelation times is
// correlated with the next one, and a bootstrap over such stretches
// underestimates the error.
constexpr double MinTauNaJednostke = 2.0;

double TauSerii(const FluktuacjaSerii& s) {
    if (std::isfinite(s.Tau.Tau)) {
        return s.Tau.Tau;
    }
    const double tau = CzasAutokorelacjiSokala(s.Pary).Tau;
    return std::isfinite(tau) ? tau : 0.5;
}

bool Uzyta(const FluktuacjaSerii& s) {
    return s.Stan != Rownowaga::Nieosiagnieta && !s.Pary.empty() && s.IloscAtomow > 0;
}
} // namespace

ProbkiBadania::ProbkiBadania(const std::vector<std::vector<FluktuacjaSerii>>& repliki,
                             std::size_t minJednostek) {
    if (repliki.empty() || repliki.front().empty()) {
        throw std::invalid_argument("ProbkiBadania: brak replik");
    }
    const std::size_t serii = repliki.front().size();
    for (const std::vector<FluktuacjaSerii>& r : repliki) {
        if (r.size() != serii) {
            throw std::invalid_argument("ProbkiBadania: repliki różnych serii");
        }
    }
    // The series that kept samples in some replica, in the given order.
    std::vector<int> numer(serii, -1);
    std::vector<std::map<double, double>> rozklady;
    std::size_t najmniejBlokow = minJednostek;
    for (std::size_t k = 0; k < serii; ++k) {
        for (const std::vector<FluktuacjaSerii>& r : repliki) {
            const FluktuacjaSerii& s = r[k];
            if (s.Stan == Rownowaga::Nieosiagnieta) {
                ++pominiete_;
            }
            if (!Uzyta(s)) {
                continue;
            }
            if (numer[k] < 0) {
                numer[k] = static_cast<int>(lambdy_.size());
                lambdy_.push_back(s.Lambda);
                rozklady.emplace_back();
            }
            iloscAtomow_ = s.IloscAtomow;
            for (const double p : s.Pary) {
                pary_.push_back(p);
                rozklady.back()[p] += 1.0 / static_cast<double>(s.Pary.size());
            }
            const double dlugosc =
                static_cast<double>(s.Pary.size()) / (MinTauNaJednostke * 2.0 * TauSerii(s));
            najmniejBlokow =
                std::min(najmniejBlokow, static_cast<std::size_t>(std::max(1.0, dlugosc)));
        }
    }
    std::sort(pary_.begin(), pary_.end());
    pary_.erase(std::unique(pary_.begin(), pary_.end()), pary_.end());
    for (std::size_t s = 0; s < rozklady.size(); ++s) {
        double wspolne = 0.0;
        if (s + 1 < rozklady.size()) {
            for (const auto& [p, u] : rozklady[s]) {
                const auto inny = rozklady[s + 1].find(p);
                if (inny != rozklady[s + 1].end()) {
                    wspolne += std::min(u, inny->second);
                }
            }
        }
        nakladania_.push_back(wspolne);
    }
    if (pary_.empty()) {
        return;
    }
    const std::size_t replik = repliki.size();
    const std::size_t chciane = (minJednostek + replik - 1) / replik;
    const std::size_t bloki = std::max<std::size_t>(1, std::min(chciane, najmniejBlokow));
    for (const std::vector<FluktuacjaSerii>& r : repliki) {
        for (std::size_t b = 0; b < bloki; ++b) {
            Jednostka j;
            j.Probek.assign(lambdy_.size(), 0.0);
            j.Wpisy.resize(lambdy_.size());
            for (std::size_t k = 0; k < serii; ++k) {
                const FluktuacjaSerii& s = r[k];
                if (!Uzyta(s)) {
                    continue;
                }
                const auto nr = static_cast<std::size_t>(numer[k]);
                std::vector<Wpis>& wpisy = j.Wpisy[nr];
                const double waga = 1.0 / (2.0 * TauSerii(s));
                const std::size_t n = s.Pary.size();
                const bool zRzedem = s.Rzad.size() == n;
                for (std::size_t i = n * b / bloki; i < n * (b + 1) / bloki; ++i) {
                    const auto gdzie = std::lower_bound(pary_.begin(), pary_.end(), s.Pary[i]);
                    const double m = zRzedem ? std::fabs(s.Rzad[i]) : 0.0;
                    wpisy.push_back({static_cast<std::size_t>(gdzie - pary_.begin()),
                                     waga,
                                     waga * waga,
                                     {waga * m, waga * m * m, waga * m * m * m * m}});
                    j.Probek[nr] += waga;
                }
                std::sort(wpisy.begin(), wpisy.end(),
                          [](const Wpis& a, const Wpis& b) { return a.Indeks < b.Indeks; });
                std::vector<Wpis> zlozone;
                for (const Wpis& w : wpisy) {
                    if (zlozone.empty() || zlozone.back().Indeks != w.Indeks) {
                        zlozone.push_back(w);
                        continue;
                    }
                    Wpis& z = zlozone.back();
                    z.Waga += w.Waga;
                    z.Kwadrat += w.Kwadrat;
                    for (std::size_t o = 0; o < z.Rzad.size(); ++o) {
                        z.Rzad[o] += w.Rzad[o];
                    }
                }
                wpisy = std::move(zlozone);
            }
            jednostki_.push_back(std::move(j));
        }
    }
}

HistogramyPar ProbkiBadania::Histogramy(const std::vector<int>& krotnosci, std::size_t od,
                                        std::size_t dokad) const {
    HistogramyPar h;
    h.Pary = pary_;
    h.Wagi.assign(pary_.size(), 0.0);
    h.Kwadraty.assign(pary_.size(), 0.0);
    h.Rzad.assign(pary_.size(), {0.0, 0.0, 0.0});
    dokad = std::min(dokad, lambdy_.size() - 1);
    std::vector<double> probek(lambdy_.size(), 0.0);
    for (std::size_t u = 0; u < jednostki_.size() && u < krotnosci.size(); ++u) {
        const double c = krotnosci[u];
        if (c == 0) {
            continue;
        }
        for (std::size_t s = od; s <= dokad; ++s) {
            for (const Wpis& w : jednostki_[u].Wpisy[s]) {
                h.Wagi[w.Indeks] += c * w.Waga;
                h.Kwadraty[w.Indeks] += c * w.Kwadrat;
                for (std::size_t o = 0; o < w.Rzad.size(); ++o) {
                    h.Rzad[w.Indeks][o] += c * w.Rzad[o];
                }
            }
            probek[s] += c * jednostki_[u].Probek[s];
        }
    }
    // A series none of the drawn units holds takes no part.
    for (std::size_t s = od; s <= dokad; ++s) {
        if (probek[s] > 0.0) {
            h.Lambdy.push_back(lambdy_[s]);
            h.Probek.push_back(probek[s]);
        }
    }
    return h;
}

HistogramyPar ProbkiBadania::Wszystkie() const {
    return Histogramy(std::vector<int>(jednostki_.size(), 1));
}

std::vector<int> ProbkiBadania::Losuj(std::mt19937_64& los) const {
    // The remainder's bias is below 2^-50.
    std::vector<int> krotnosci(jednostki_.size(), 0);
    for (std::size_t u = 0; u < krotnosci.size(); ++u) {
        ++krotnosci[static_cast<std::size_t>(los() % krotnosci.size())];
    }
    return krotnosci;
}
