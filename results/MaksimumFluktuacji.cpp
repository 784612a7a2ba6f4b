#include "MaksimumFluktuacji.h"

#include "StatystykaProbek.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <stdexcept>

namespace {
// Any fixed value does; a fixed one keeps the printed error reproducible.
constexpr std::uint32_t ZiarnoLosowania = 20240607;

std::vector<double> Srednie(const std::vector<std::vector<double>>& cvReplik,
                            std::span<const std::size_t> wybrane, std::size_t punkty) {
    std::vector<double> srednie(punkty, 0.0);
    for (const std::size_t r : wybrane) {
        for (std::size_t k = 0; k < punkty; ++k) {
            srednie[k] += cvReplik[r][k];
        }
    }
    for (double& s : srednie) {
        s /= static_cast<double>(wybrane.size());
    }
    return srednie;
}

// A uniform number in (0, 1) from one output of the generator.
double Jednostajna(std::mt19937& losowanie) {
    return (static_cast<double>(losowanie()) + 0.5) / 4294967296.0;
}

// A standard normal number by the Box-Muller transform, made by hand for the
// same reason as the index of a resampled replica: the library's
// distributions differ between implementations.
double Normalna(std::mt19937& losowanie) {
    const double u = Jednostajna(losowanie);
    const double v = Jednostajna(losowanie);
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::numbers::pi * v);
}

// The sample standard deviation of the resampled positions.
double Rozrzut(std::span<const double> polozenia) {
    const double n = static_cast<double>(polozenia.size());
    return std::sqrt(Wariancja(polozenia) * n / (n - 1.0));
}

// Half the width of the central 68 % of the resampled positions (the standard
// deviation for a normal spread). A resample whose largest value moves to a
// neighbouring grid point lands a whole step away; the normal draws make such
// jumps more often than the skewed spread of a variance does, and the standard
// deviation would give those few the most weight.
double PolowaSrodka(std::vector<double> polozenia) {
    std::sort(polozenia.begin(), polozenia.end());
    const auto kwantyl = [&](double q) {
        const double miejsce = q * static_cast<double>(polozenia.size() - 1);
        const auto i = static_cast<std::size_t>(miejsce);
        const double reszta = miejsce - static_cast<double>(i);
        return i + 1 < polozenia.size() ? polozenia[i] + reszta * (polozenia[i + 1] - polozenia[i])
                                        : polozenia[i];
    };
    return (kwantyl(0.841344746) - kwantyl(0.158655254)) / 2;
}

struct Polozenie {
    double Lambda;
    bool NaBrzegu;
};

Polozenie PolozenieMaksimum(std::span<const double> lambdy, std::span<const double> srednie) {
    std::size_t najwieksze = 0;
    for (std::size_t k = 1; k < srednie.size(); ++k) {
        if (srednie[k] > srednie[najwieksze]) {
            najwieksze = k;
        }
    }
    if (najwieksze == 0 || najwieksze + 1 == srednie.size()) {
        return {lambdy[najwieksze], true};
    }
    return {WierzcholekParaboli(lambdy, srednie, najwieksze), false};
}
} // namespace

double WierzcholekParaboli(std::span<const double> x, std::span<const double> y, std::size_t k) {
    const double lewy = x[k] - x[k - 1];
    const double prawy = x[k + 1] - x[k];
    const double spadekLewy = y[k] - y[k - 1];
    const double spadekPrawy = y[k] - y[k + 1];
    const double mianownik = lewy * spadekPrawy + prawy * spadekLewy;
    if (mianownik == 0.0) {
        return x[k];
    }
    return x[k] + 0.5 * (prawy * prawy * spadekLewy - lewy * lewy * spadekPrawy) / mianownik;
}

MaksimumFluktuacji ZnajdzMaksimumFluktuacji(std::span<const double> lambdy,
                                            const std::vector<std::vector<double>>& cvReplik,
                                            int losowan) {
    const std::size_t punkty = lambdy.size();
    if (punkty == 0 || cvReplik.empty()) {
        throw std::invalid_argument("ZnajdzMaksimumFluktuacji: brak danych");
    }
    for (const std::vector<double>& wiersz : cvReplik) {
        if (wiersz.size() != punkty) {
            throw std::invalid_argument("ZnajdzMaksimumFluktuacji: wiersze różnej długości");
        }
    }
    const std::size_t replik = cvReplik.size();
    std::vector<std::size_t> wybrane(replik);
    for (std::size_t r = 0; r < replik; ++r) {
        wybrane[r] = r;
    }
    const Polozenie glowne = PolozenieMaksimum(lambdy, Srednie(cvReplik, wybrane, punkty));
    MaksimumFluktuacji wynik{glowne.Lambda, std::numeric_limits<double>::quiet_NaN(),
                             glowne.NaBrzegu};
    if (glowne.NaBrzegu || replik < 2 || losowan < 2) {
        return wynik;
    }
    // The Mersenne Twister's output is fixed by the standard, and the index is
    // taken from it by hand (the library's distributions differ between
    // implementations), so the error is the same on every platform.
    std::mt19937 losowanie(ZiarnoLosowania);
    std::vector<double> polozenia(static_cast<std::size_t>(losowan));
    for (double& polozenie : polozenia) {
        for (std::size_t& r : wybrane) {
            r = static_cast<std::size_t>((static_cast<std::uint64_t>(losowanie()) * replik) >> 32);
        }
        polozenie = PolozenieMaksimum(lambdy, Srednie(cvReplik, wybrane, punkty)).Lambda;
    }
    wynik.Blad = Rozrzut(polozenia);
    return wynik;
}

MaksimumFluktuacji ZnajdzMaksimumZBledami(std::span<const double> lambdy,
                                          std::span<const double> wartosci,
                                          std::span<const double> bledy, int losowan) {
    const std::size_t punkty = lambdy.size();
    if (punkty == 0 || wartosci.size() != punkty || bledy.size() != punkty) {
        throw std::invalid_argument("ZnajdzMaksimumZBledami: brak danych lub różne długości");
    }
    const Polozenie glowne = PolozenieMaksimum(lambdy, wartosci);
    MaksimumFluktuacji wynik{glowne.Lambda, std::numeric_limits<double>::quiet_NaN(),
                             glowne.NaBrzegu};
    const bool bledyZnane =
        std::none_of(bledy.begin(), bledy.end(), [](double b) { return std::isnan(b); });
    if (glowne.NaBrzegu || !bledyZnane || losowan < 2) {
        return wynik;
    }
    std::mt19937 losowanie(ZiarnoLosowania);
    std::vector<double> probka(punkty);
    std::vector<double> polozenia(static_cast<std::size_t>(losowan));
    for (double& polozenie : polozenia) {
        for (std::size_t k = 0; k < punkty; ++k) {
            probka[k] = wartosci[k] + bledy[k] * Normalna(losowanie);
        }
        polozenie = PolozenieMaksimum(lambdy, probka).Lambda;
    }
    wynik.Blad = PolowaSrodka(std::move(polozenia));
    return wynik;
}
