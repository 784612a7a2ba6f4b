// libFuzzer's target for the replica file: whatever the bytes, the reader
// refuses them in words or gives a study that the merge's consumers (the
// means over the replicas, the results, the results file, the summary) take
// without touching memory they do not own.
#include "PlikPowtorzen.h"
#include "PlikWynikowBadania.h"
#include "WypiszPodsumowanie.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const std::string tresc(reinterpret_cast<const char*>(dane), rozmiar);
    auto przeczytane = CzytajPlikPowtorzen(tresc);
    const auto* badanie = std::get_if<BadaniePowtorzen>(&przeczytane);
    if (badanie == nullptr || badanie->Repliki.empty()) {
        return 0;
    }
    const std::optional<WynikiSerii> wyniki = WynikiBadania(*badanie);
    if (wyniki) {
        BajtyWynikowBadania(*badanie, *wyniki, true, TypPlikuWynikow::Csv);
    }
    std::ostringstream podsumowanie;
    WypiszPodsumowanie(podsumowanie, badanie->Repliki, wyniki);
    return 0;
}
