#include "ZapiszPlik.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr const char* TytulBledu = "Fazolab - Zapis wyników";
constexpr const char* TytulWUzyciu = "Error";
constexpr int ProbyNazwyTymczasowej = 100;

std::string Powod(int kod) {
    switch (kod) {
    case ENOENT:
    case ENOTDIR:
        return "Folder docelowy nie istnieje.";
    case EACCES:
    case EPERM:
        return "Brak uprawnień do zapisu w tym miejscu.";
    case EROFS:
        return "Nośnik jest tylko do odczytu.";
    case ENOSPC:
    case EDQUOT:
        return "Brak miejsca na dysku.";
    case EFBIG:
        return "Plik przekracza dopuszczalny rozmiar.";
    case EISDIR:
        return "Pod tą nazwą istnieje folder.";
    case ENAMETOOLONG:
        return "Nazwa pliku jest za długa.";
    case EIO:
        return "Błąd wejścia/wyjścia urządzenia.";
    default:
        return "Błąd systemu nr " + std::to_string(kod) + ".";
    }
}

WynikZapisu Niepowodzenie(const std::string& sciezka, int kod, bool istnial) {
    if (kod == ETXTBSY || kod == EBUSY) {
        return {StanZapisu::WUzyciu, TytulWUzyciu, KomunikatPlikWUzyciu(sciezka)};
    }
    std::string tekst = "Nie można zapisać pliku:\n" + sciezka + "\n" + Powod(kod);
    if (istnial) {
        tekst += "\nDotychczasowa zawartość pliku pozostała bez zmian.";
    }
    return {StanZapisu::Blad, TytulBledu, tekst};
}

bool ZapiszWszystko(int fd, std::string_view bajty) {
    while (!bajty.empty()) {
        const ssize_t zapisane = ::write(fd, bajty.data(), bajty.size());
        if (zapisane < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bajty.remove_prefix(static_cast<std::size_t>(zapisane));
    }
    return true;
}

// Creates a new file beside the target, never opening an existing one.
int UtworzTymczasowy(const std::string& cel, mode_t tryb, std::string& nazwa) {
    const std::size_t ukosnik = cel.rfind('/');
    const std::size_t poczatekNazwy = ukosnik == std::string::npos ? 0 : ukosnik + 1;
    const std::string przedrostek = cel.substr(0, poczatekNazwy) + "." + cel.substr(poczatekNazwy) +
                                    ".zapis" + std::to_string(::getpid()) + ".";
    for (int proba = 0; proba < ProbyNazwyTymczasowej; ++proba) {
        nazwa = przedrostek + std::to_string(proba);
        const int fd = ::open(nazwa.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, tryb);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Writes, flushes and closes the temporary file; on failure leaves errno set.
bool WypelnijTymczasowy(int fd, std::string_view bajty, bool zachowajTryb, mode_t tryb) {
    const bool dobrze =
        (!zachowajTryb || ::fchmod(fd, tryb) == 0) && ZapiszWszystko(fd, bajty) && ::fsync(fd) == 0;
    const int kod = errno;
    const bool zamkniety = ::close(fd) == 0;
    if (!dobrze) {
        errno = kod;
    }
    return dobrze && zamkniety;
}
} // namespace

std::string KomunikatPlikWUzyciu(const std::string& nazwa) {
    return "Plik: " + nazwa + "\r\n" +
           "jest w użyciu. Zamknij go i sprbój ponownie zapisać wyniki.";
}

WynikZapisu ZapiszPlik(const std::string& sciezka, std::string_view bajty) {
    std::string cel = sciezka;
    mode_t tryb = 0666;
    struct stat opis {};
    const bool istnieje = ::stat(cel.c_str(), &opis) == 0;
    if (istnieje) {
        if (S_ISDIR(opis.st_mode)) {
            return Niepowodzenie(sciezka, EISDIR, false);
        }
        if (!S_ISREG(opis.st_mode) || ::access(cel.c_str(), W_OK) != 0) {
            return Niepowodzenie(sciezka, S_ISREG(opis.st_mode) ? errno : EPERM, true);
        }
        tryb = opis.st_mode & 07777;
        char rzeczywista[PATH_MAX];
        if (::realpath(cel.c_str(), rzeczywista) == nullptr) {
            return Niepowodzenie(sciezka, errno, true);
        }
        cel = rzeczywista;
    } else if (errno != ENOENT) {
        return Niepowodzenie(sciezka, errno, false);
    }

    std::string tymczasowy;
    const int fd = UtworzTymczasowy(cel, tryb, tymczasowy);
    if (fd < 0) {
        return Niepowodzenie(sciezka, errno, istnieje);
    }
    if (!WypelnijTymczasowy(fd, bajty, istnieje, tryb) ||
        ::rename(tymczasowy.c_str(), cel.c_str()) != 0) {
        const int kod = errno;
        ::unlink(tymczasowy.c_str());
        return Niepowodzenie(sciezka, kod, istnieje);
    }
    return {};
}
