#pragma once

#include "ZapiszPlik.h"

#include <string>
#include <vector>

// The files of one run (traces, part file, results file), which replace the
// earlier ones all together or not at all: each regular file waits as a
// temporary file beside its target until every one of them is ready, and
// then all are moved into place one rename after another. Devices and pipes
// (/dev/null, a FIFO) are written after that, as they come.
class ZestawPlikow {
public:
    // A file prepared elsewhere (a replica's trace).
    void Dodaj(ZapisOdroczony przygotowany);
    // Its bytes: a regular file is prepared now, a device or pipe kept.
    void Dodaj(const std::string& sciezka, std::string bajty);
    // A file that could not be prepared: then none of the set is moved.
    void Niepowodzenie(WynikZapisu blad);

    bool Gotowy() const { return bledy_.empty(); }
    const std::vector<WynikZapisu>& Bledy() const { return bledy_; }

    // Moves every prepared file over its target, when every one is ready
    // (otherwise removes them all). Returns the renames that failed.
    std::vector<WynikZapisu> Zatwierdz();
    // Removes every prepared file: the earlier ones stay as they are.
    void Porzuc();
    // Writes the devices and pipes; returns the writes that failed.
    std::vector<WynikZapisu> ZapiszWprost();

private:
    struct Wprost {
        std::string Sciezka;
        std::string Bajty;
    };
    std::vector<ZapisOdroczony> przygotowane_;
    std::vector<Wprost> wprost_;
    std::vector<WynikZapisu> bledy_;
};
