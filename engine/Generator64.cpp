#include "Generator64.h"

#include "ZrodloZiarna.h"

void Generator64::Przelosuj() {
    if (const auto ziarno = zrodlo_->Ziarno()) {
        Zasiej(*ziarno, strumien_);
    }
}

void Generator64::Zasiej(std::uint32_t ziarno, std::uint32_t strumien) {
    rdzen_ = Xoshiro256::ZZiarna(ziarno);
    for (std::uint32_t k = 0; k < strumien; ++k) {
        rdzen_.Skok();
    }
    pozycja_ = RozmiarBufora;
}

unsigned Generator64::Uzupelnij(unsigned od) {
    unsigned n = 0;
    for (unsigned i = od; i < RozmiarBufora; ++i) {
        bufor_[n++] = bufor_[i];
    }
    // A local copy stays in registers: the buffer's stores could otherwise
    // alias the state.
    Xoshiro256 rdzen = rdzen_;
    for (; n < RozmiarBufora; ++n) {
        bufor_[n] = rdzen.Nastepny();
    }
    rdzen_ = rdzen;
    return 0;
}
