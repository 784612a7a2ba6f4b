#pragma once

#include "WynikZapisu.h"

#include <string>
#include <string_view>

// Writes `bajty` to `sciezka` so that no failure loses data: everything goes
// to a new file in the same folder, flushed to the disk, which then replaces
// the target in one rename. On any failure the temporary file is removed and
// an existing target is left exactly as it was. A replaced file keeps its
// permissions; a symbolic link stays a link to the rewritten file. A read-only
// target is refused, as the save dialog refuses it.
WynikZapisu ZapiszPlik(const std::string& sciezka, std::string_view bajty);

// "Plik: <nazwa>\r\njest w użyciu. ..." with the full path as given.
std::string KomunikatPlikWUzyciu(const std::string& nazwa);
