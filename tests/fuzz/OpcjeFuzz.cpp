// libFuzzer's target for the options: the bytes are a command line, its
// arguments separated by NUL. Whatever it says, the reader refuses it in words
// or gives options whose run parameters pass the engine's own check (so
// nothing it accepts can stop a run later).
#include "ParserOpcji.h"
#include "PoprawnoscParametrow.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    std::vector<std::string> argumenty(1);
    for (std::size_t i = 0; i < rozmiar; ++i) {
        if (dane[i] == 0) {
            argumenty.emplace_back();
        } else {
            argumenty.back() += static_cast<char>(dane[i]);
        }
    }
    const auto przeczytane = CzytajOpcje(argumenty);
    if (const auto* blad = std::get_if<BladOpcji>(&przeczytane)) {
        if (blad->Komunikat.empty()) {
            std::abort();
        }
        return 0;
    }
    const OpcjeWsadowe& o = std::get<OpcjeWsadowe>(przeczytane);
    if (o.Scal.empty() && !o.Pomoc && NiepoprawnyParametr(o.Parametry) != nullptr) {
        std::abort();
    }
    return 0;
}
