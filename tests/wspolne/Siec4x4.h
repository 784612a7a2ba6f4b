#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <utility>
#include <vector>

// Every arrangement of 8 A and 8 B atoms on the periodic 4 x 4 square
// lattice (32 bonds), counted by its number of unlike pairs P and its
// staggered order parameter m = (A on even sites - A on odd sites) / 8: the
// exact answers reweighting and the Binder cumulant are checked against.
namespace siec4x4 {
inline constexpr int Atomow = 16;

struct Stan {
    int P;
    int M; // A on even sites less A on odd ones
    bool operator<(const Stan& s) const { return P != s.P ? P < s.P : M < s.M; }
};

inline const std::map<Stan, double>& Stopnie() {
    static const std::map<Stan, double> g = [] {
        std::map<Stan, double> w;
        for (unsigned uklad = 0; uklad < (1u << 16); ++uklad) {
            if (std::popcount(uklad) != 8) {
                continue;
            }
            int pary = 0;
            int m = 0;
            for (int x = 0; x < 4; ++x) {
                for (int y = 0; y < 4; ++y) {
                    const unsigned a = (uklad >> (4 * y + x)) & 1u;
                    pary += a != ((uklad >> (4 * y + (x + 1) % 4)) & 1u);
                    pary += a != ((uklad >> (4 * ((y + 1) % 4) + x)) & 1u);
                    m += static_cast<int>(a) * ((x + y) % 2 == 0 ? 1 : -1);
                }
            }
            w[{pary, m}] += 1.0;
        }
        return w;
    }();
    return g;
}

// The exact distribution over (P, M) at lambda (weight exp(lambda P)).
inline std::vector<std::pair<Stan, double>> Rozklad(double lambda) {
    std::vector<std::pair<Stan, double>> r;
    double z = 0.0;
    for (const auto& [s, g] : Stopnie()) {
        r.emplace_back(s, g * std::exp(lambda * (s.P - 16)));
        z += r.back().second;
    }
    for (auto& [s, w] : r) {
        w /= z;
    }
    return r;
}

inline double DokladneCv(double lambda) {
    double m1 = 0.0;
    double m2 = 0.0;
    for (const auto& [s, w] : Rozklad(lambda)) {
        m1 += w * s.P;
        m2 += w * s.P * s.P;
    }
    return lambda * lambda * (m2 - m1 * m1) / Atomow;
}

// <m^k> with m = M / 8.
inline double DokladnyMoment(double lambda, int k) {
    double suma = 0.0;
    for (const auto& [s, w] : Rozklad(lambda)) {
        suma += w * std::pow(std::abs(s.M) / 8.0, k);
    }
    return suma;
}

inline double DokladneU4(double lambda) {
    const double m2 = DokladnyMoment(lambda, 2);
    return 1.0 - DokladnyMoment(lambda, 4) / (3.0 * m2 * m2);
}

// The lambda of the exact Cv/kN peak, to 1e-4.
inline double DokladnySzczyt() {
    double szczyt = 0.2;
    for (double l = 0.2; l <= 2.4; l += 1e-4) {
        szczyt = DokladneCv(l) > DokladneCv(szczyt) ? l : szczyt;
    }
    return szczyt;
}

// Independent samples (P, m) from the exact distribution.
struct Probki {
    std::vector<double> Pary;
    std::vector<double> Rzad;
};
inline Probki Losuj(double lambda, int ile, std::uint32_t ziarno) {
    const auto r = Rozklad(lambda);
    std::mt19937 los(ziarno);
    Probki p;
    for (int i = 0; i < ile; ++i) {
        double u = (los() + 0.5) / 4294967296.0;
        std::size_t k = 0;
        while (k + 1 < r.size() && u > r[k].second) {
            u -= r[k].second;
            ++k;
        }
        p.Pary.push_back(r[k].first.P);
        p.Rzad.push_back(r[k].first.M / 8.0);
    }
    return p;
}

// The exact distribution as samples: each state as often as a million times
// its probability.
inline Probki Dokladne(double lambda) {
    Probki p;
    for (const auto& [s, w] : Rozklad(lambda)) {
        const auto ile = static_cast<std::size_t>(std::lround(w * 1e6));
        p.Pary.insert(p.Pary.end(), ile, s.P);
        p.Rzad.insert(p.Rzad.end(), ile, s.M / 8.0);
    }
    return p;
}
} // namespace siec4x4
