#include "PamiecBadania.h"

#include "OpcjeWsadowe.h"
#include "PoprawnoscParametrow.h"

#include <algorithm>
#include <cstdio>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace {
// A sample's sigma, pair count and order parameter as the replica keeps them,
// and its line of the trace (13 numbers of up to 24 characters).
constexpr double BajtyProbki = 3 * sizeof(double);
constexpr double BajtyLiniiPrzebiegu = 13 * 24.0;
// The share of the machine's memory a study may take: the system, the other
// programs and the results written at the end need the rest, and a study
// that swaps would not end.
constexpr double CzescPamieci = 0.8;

double PamiecRozmiaru(const OpcjeWsadowe& o, const ParametrySymulacji& p, int watki) {
    const double probek = static_cast<double>(LiczbaSerii(p)) * PomiarowSerii(p);
    const double naProbke = BajtyProbki + (o.Przebieg.empty() ? 0.0 : BajtyLiniiPrzebiegu);
    const int replik = o.Czesc.Do(o.Powtorzenia) - o.Czesc.Od(o.Powtorzenia);
    const int silnikow = std::max(1, std::min(watki, replik));
    return silnikow * (PamiecObliczen(p) + probek * naProbke) +
           replik * probek / 2 * sizeof(double);
}
} // namespace

double PamiecBadania(const OpcjeWsadowe& o, int watki) {
    if (o.Rozmiary.empty()) {
        return PamiecRozmiaru(o, o.Parametry, watki);
    }
    // The sizes run one after another; the samples per series are the same at
    // every size, so the largest lattice holds the most, and the kept pairs of
    // every size add up.
    ParametrySymulacji p = o.Parametry;
    p.IloscAtomowOsX = p.IloscAtomowOsY = p.IloscAtomowOsZ = o.Rozmiary.back();
    const int replik = o.Czesc.Do(o.Powtorzenia) - o.Czesc.Od(o.Powtorzenia);
    const double zachowane =
        static_cast<double>(replik) * LiczbaSerii(p) * PomiarowSerii(p) / 2 * sizeof(double);
    return PamiecRozmiaru(o, p, watki) + (static_cast<double>(o.Rozmiary.size()) - 1) * zachowane;
}

double PamiecKomputera() {
    // WebAssembly's memory grows as it is used and ends in its own Polish line:
    // its "physical pages" are only what it holds now.
#if defined(_SC_PHYS_PAGES) && defined(_SC_PAGE_SIZE) && !defined(__EMSCRIPTEN__)
    const long strony = sysconf(_SC_PHYS_PAGES);
    const long strona = sysconf(_SC_PAGE_SIZE);
    if (strony > 0 && strona > 0) {
        return static_cast<double>(strony) * static_cast<double>(strona);
    }
#endif
    return 0.0;
}

std::string TekstBajtow(double bajty) {
    char bufor[32];
    if (bajty < 1e9) {
        std::snprintf(bufor, sizeof bufor, "%.0f MB", std::max(1.0, bajty / 1e6));
    } else {
        std::snprintf(bufor, sizeof bufor, "%.1f GB", bajty / 1e9);
    }
    return bufor;
}

std::optional<std::string> OdmowaPamieci(const OpcjeWsadowe& o, int watki, double dostepna) {
    const double potrzebna = PamiecBadania(o, watki);
    if (dostepna <= 0 || potrzebna <= CzescPamieci * dostepna) {
        return std::nullopt;
    }
    return "Za mało pamięci na to badanie: potrzebuje około " + TekstBajtow(potrzebna) +
           ", a komputer ma " + TekstBajtow(dostepna) +
           ", z czego badanie może zająć najwyżej 80 % (zwiększ --co, zmniejsz --iteracje, "
           "liczbę wartości --lambda, --watki lub --powtorzenia); nic nie zostało uruchomione.";
}
