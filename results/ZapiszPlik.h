#pragma once

#include "WynikZapisu.h"

#include <string>
#include <string_view>

// Writes `bajty` to `sciezka` so that no failure loses data: everything goes
// to a new file in the same folder, flushed to the disk, which then replaces
// the target in one rename. On any failure the temporary file is removed and
// an existing target is left exactly as it was. A replaced file keeps its
// permissions; a symbolic link stays a link to the rewritten file, and a
// dangling one is written through to the file it names. A read-only target is
// refused, as the save dialog refuses it. A target that is not a regular file
// (a device such as /dev/null, a pipe) is written directly, never replaced;
// the program's own standard output or error (/dev/stdout redirected to a
// file) is written through its descriptor, after what the program printed.
WynikZapisu ZapiszPlik(const std::string& sciezka, std::string_view bajty);

// The same save in two steps, for a set of files that should change together:
// Przygotuj writes the temporary file (a target written directly is written
// at once), Zatwierdz moves it over the target. A prepared file that is never
// moved into place is removed with the object, so an interrupted set leaves
// the earlier files whole.
class ZapisOdroczony {
public:
    ZapisOdroczony() = default;
    ZapisOdroczony(ZapisOdroczony&& inny) noexcept;
    ZapisOdroczony& operator=(ZapisOdroczony&& inny) noexcept;
    ZapisOdroczony(const ZapisOdroczony&) = delete;
    ZapisOdroczony& operator=(const ZapisOdroczony&) = delete;
    ~ZapisOdroczony();

    WynikZapisu Przygotuj(const std::string& sciezka, std::string_view bajty);
    // Does nothing when nothing waits (nothing prepared, a failed or a direct write).
    WynikZapisu Zatwierdz();
    // The temporary file waiting to be moved into place (empty: none).
    const std::string& Tymczasowy() const { return tymczasowy_; }

private:
    void Porzuc();

    std::string sciezka_; // as given, for the messages
    std::string cel_;     // the file the rename replaces
    std::string tymczasowy_;
    bool istnial_ = false;
};

// True for the targets ZapiszPlik writes directly: they take any number of
// writes, one after another.
bool ZapisywanyWprost(const std::string& sciezka);

// The file a dangling chain of symbolic links names: the file its last link
// points at, which does not exist yet. A path that is not a link, or whose
// file exists (the system follows its links), comes back unchanged.
std::string CelDowiazania(const std::string& sciezka);

// Whether `sciezka` can be saved, checked before the work that makes its
// bytes: the folder is there and takes new files, an existing target is not a
// folder and may be written, a chain of links ends, and the name of the
// temporary file (longer than the target's) fits the system's limits. The
// failure is the message a save would give.
WynikZapisu SprawdzMiejsceZapisu(const std::string& sciezka);

// Removes the temporary files that a save of `sciezka` killed on its way
// (kill -9, a power cut) left beside it: only this program's names, regular
// files of this user not changed for `starszeNizSekund`, so that a save
// under way in another program is left alone. Returns how many.
int UsunPorzuconeTymczasowe(const std::string& sciezka, int starszeNizSekund);

// "Plik: <nazwa>\r\njest w użyciu. ..." with the full path as given.
std::string KomunikatPlikWUzyciu(const std::string& nazwa);
