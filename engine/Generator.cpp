#include "Generator.h"

#include "ZrodloZiarna.h"

void Generator::Przelosuj() {
    if (const auto ziarno = zrodlo_->Ziarno()) {
        s_ = *ziarno;
    }
}
