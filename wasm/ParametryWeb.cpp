#include "ParametryWeb.h"

#include "ParserOpcji.h"

ParametryWeb CzytajParametry(const std::vector<std::string>& argumenty) {
    auto przeczytane = CzytajOpcje(argumenty);
    if (const BladOpcji* blad = std::get_if<BladOpcji>(&przeczytane)) {
        return {{}, blad->Komunikat};
    }
    return {std::get<OpcjeWsadowe>(std::move(przeczytane)), {}};
}
