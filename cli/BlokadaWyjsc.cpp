#include "BlokadaWyjsc.h"

#include "ZapiszPlik.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// The lock file of an output: beside the file its name reaches through links,
// so that two names of one file share it.
std::string PlikBlokady(const std::string& sciezka) {
    std::error_code blad;
    fs::path cel = fs::weakly_canonical(fs::absolute(CelDowiazania(sciezka), blad), blad);
    if (blad) {
        cel = CelDowiazania(sciezka);
    }
    std::string nazwa = ".";
    nazwa += cel.filename().string();
    nazwa += ".blokada";
    return (cel.parent_path() / nazwa).string();
}

enum class Stan { Zablokowany, Zajety, Blad };

// The system's advisory lock on the file at `sciezka`, taken without waiting.
// The file may be removed by the run that held it between the opening and the
// lock: then the lock is on a name no longer there, and it is taken anew.
Stan ZablokujPlik(const std::string& sciezka, int& deskryptor) {
    for (;;) {
        deskryptor = ::open(sciezka.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (deskryptor < 0) {
            return Stan::Blad;
        }
        if (::flock(deskryptor, LOCK_EX | LOCK_NB) != 0) {
            const Stan stan = errno == EWOULDBLOCK ? Stan::Zajety : Stan::Blad;
            ::close(deskryptor);
            return stan;
        }
        struct stat otwarty {};
        struct stat podNazwa {};
        if (::fstat(deskryptor, &otwarty) == 0 && ::stat(sciezka.c_str(), &podNazwa) == 0 &&
            otwarty.st_dev == podNazwa.st_dev && otwarty.st_ino == podNazwa.st_ino) {
            return Stan::Zablokowany;
        }
        ::close(deskryptor);
    }
}
} // namespace

BlokadaWyjsc::~BlokadaWyjsc() {
    Zwolnij();
}

void BlokadaWyjsc::Zwolnij() {
    // Removed while still held, so that a run waiting for it finds the name gone.
    for (const Zamek& z : zamki_) {
        ::unlink(z.Sciezka.c_str());
        ::close(z.Deskryptor);
    }
    zamki_.clear();
}

std::optional<std::string> BlokadaWyjsc::Zablokuj(const std::vector<PlikWyjsciowy>& pliki) {
    for (const PlikWyjsciowy& plik : pliki) {
        if (ZapisywanyWprost(plik.Sciezka)) {
            continue;
        }
        const std::string blokada = PlikBlokady(plik.Sciezka);
        int deskryptor = -1;
        const Stan stan = ZablokujPlik(blokada, deskryptor);
        if (stan != Stan::Zablokowany) {
            Zwolnij();
            if (stan == Stan::Zajety) {
                return "Plik " + plik.Sciezka + " (" + plik.Opcja +
                       ") zapisuje teraz inny przebieg fazolab-batch; poczekaj na jego koniec "
                       "albo podaj inną nazwę.";
            }
            return "Nie można założyć blokady pliku " + plik.Sciezka + " (" + blokada +
                   "): sprawdź, czy folder pozwala na zapis.";
        }
        zamki_.push_back({blokada, deskryptor});
    }
    return std::nullopt;
}
