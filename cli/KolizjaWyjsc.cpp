#include "KolizjaWyjsc.h"

#include "ZapiszPlik.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {
// Where an output lands: an existing file by its identity, a new one by its
// absolute name with every link in its folders resolved. None for a device,
// a pipe or the program's own standard output.
struct Miejsce {
    bool Istnieje = false;
    fs::path Sciezka;
};

std::optional<Miejsce> MiejscePliku(const std::string& sciezka) {
    if (ZapisywanyWprost(sciezka)) {
        return std::nullopt;
    }
    const fs::path cel = CelDowiazania(sciezka);
    std::error_code blad;
    if (fs::exists(cel, blad)) {
        return Miejsce{true, cel};
    }
    const fs::path pelna = fs::weakly_canonical(fs::absolute(cel, blad), blad);
    return Miejsce{false, blad ? cel : pelna};
}

bool TenSam(const Miejsce& a, const Miejsce& b) {
    if (a.Istnieje != b.Istnieje) {
        return false;
    }
    std::error_code blad;
    return a.Istnieje ? fs::equivalent(a.Sciezka, b.Sciezka, blad) : a.Sciezka == b.Sciezka;
}
} // namespace

std::optional<std::string> KolizjaWyjsc(const std::vector<PlikWyjsciowy>& pliki) {
    std::vector<std::optional<Miejsce>> miejsca;
    for (const PlikWyjsciowy& plik : pliki) {
        miejsca.push_back(MiejscePliku(plik.Sciezka));
    }
    for (std::size_t i = 0; i < pliki.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (miejsca[i] && miejsca[j] && TenSam(*miejsca[i], *miejsca[j])) {
                return "Opcje " + pliki[j].Opcja + " i " + pliki[i].Opcja +
                       " wskazują ten sam plik: " + pliki[i].Sciezka +
                       ". Jeden zapis zniszczyłby drugi; podaj różne nazwy.";
            }
        }
    }
    return std::nullopt;
}
