#include "ZapiszPlik.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
constexpr const char* TytulBledu = "Fazolab - Zapis wyników";
constexpr const char* TytulWUzyciu = "Error";
constexpr int ProbyNazwyTymczasowej = 100;

// The system's reasons in the user's words: the one place that turns an
// error number into Polish.
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
    case ELOOP:
        return "Dowiązania symboliczne tworzą pętlę.";
    case EEXIST:
        return "Nie udało się utworzyć pliku tymczasowego o niepowtarzalnej nazwie.";
    case ENXIO:
    case EPIPE:
        return "Nikt nie odbiera danych z tego potoku lub urządzenia.";
    case ENODEV:
    case ESPIPE:
    case EINVAL:
        return "Tego rodzaju pliku nie można zapisać.";
    case EMFILE:
    case ENFILE:
        return "Za dużo otwartych plików.";
    case ENOMEM:
        return "Za mało pamięci.";
    case EXDEV:
        return "Plik tymczasowy i plik docelowy są na różnych nośnikach.";
    case EBUSY:
    case ETXTBSY:
        return "Plik jest w użyciu.";
    case EAGAIN:
    case EINTR:
        return "Zapis przerwany; spróbuj ponownie.";
    case EOPNOTSUPP:
        return "System plików nie pozwala na tę operację.";
    default:
        return "System odmówił zapisu z nieznanego powodu (kod " + std::to_string(kod) + ").";
    }
}

// Whether the folder the path names a file in is there (the current folder
// for a bare name).
bool FolderIstnieje(const std::string& sciezka) {
    const std::size_t ukosnik = sciezka.rfind('/');
    const std::string folder = ukosnik == std::string::npos ? "."
                               : ukosnik == 0               ? "/"
                                                            : sciezka.substr(0, ukosnik);
    struct stat opis {};
    return ::stat(folder.c_str(), &opis) == 0 && S_ISDIR(opis.st_mode);
}

WynikZapisu Niepowodzenie(const std::string& sciezka, int kod, bool istnial) {
    if (kod == ETXTBSY || kod == EBUSY) {
        return {StanZapisu::WUzyciu, TytulWUzyciu, KomunikatPlikWUzyciu(sciezka)};
    }
    // A folder that is there but takes no new files (/proc, a system's own
    // folders) refuses the new file as if the folder were missing.
    const bool wFolderzeBezPlikow = (kod == ENOENT || kod == ENOTDIR) && FolderIstnieje(sciezka);
    std::string tekst =
        "Nie można zapisać pliku:\n" + sciezka + "\n" +
        (wFolderzeBezPlikow ? "W tym folderze nie można tworzyć plików." : Powod(kod));
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

// What a temporary file's name adds to the target's: "." before it and
// ".zapis" with sixteen hexadecimal digits after it.
constexpr std::size_t DodatekTymczasowego = 1 + 6 + 16;
constexpr const char* ZnacznikTymczasowego = ".zapis";

std::string PrzedrostekTymczasowego(const std::string& cel) {
    const std::size_t ukosnik = cel.rfind('/');
    const std::size_t poczatekNazwy = ukosnik == std::string::npos ? 0 : ukosnik + 1;
    return cel.substr(0, poczatekNazwy) + "." + cel.substr(poczatekNazwy) + ZnacznikTymczasowego;
}

// Creates a new file beside the target, never opening an existing one. The
// name is drawn at random: two programs (or two runs in one process id, as
// every run under Node has) never take each other's.
int UtworzTymczasowy(const std::string& cel, mode_t tryb, std::string& nazwa) {
    const std::string przedrostek = PrzedrostekTymczasowego(cel);
    std::random_device los;
    for (int proba = 0; proba < ProbyNazwyTymczasowej; ++proba) {
        const std::uint64_t liczba = (std::uint64_t{los()} << 32) | los();
        char cyfry[17];
        std::snprintf(cyfry, sizeof cyfry, "%016llx", static_cast<unsigned long long>(liczba));
        nazwa = przedrostek + cyfry;
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

// The program's own standard output or error, when the target is that file:
// a rename would leave the program writing to a file that no longer has a
// name, and a second opening would write over what the program writes there.
// -1 when it is neither.
int StandardowyDeskryptor(const struct stat& opis) {
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat wyjscie {};
        if (::fstat(fd, &wyjscie) == 0 && wyjscie.st_dev == opis.st_dev &&
            wyjscie.st_ino == opis.st_ino) {
            return fd;
        }
    }
    return -1;
}

WynikZapisu ZapiszDoDeskryptora(const std::string& sciezka, int fd, std::string_view bajty) {
    // What the program has printed there so far comes first.
    std::fflush(nullptr);
    if (!ZapiszWszystko(fd, bajty)) {
        return Niepowodzenie(sciezka, errno, false);
    }
    return {};
}

// A device or a pipe, written as it is.
WynikZapisu ZapiszBezposrednio(const std::string& sciezka, std::string_view bajty) {
    const int fd = ::open(sciezka.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return Niepowodzenie(sciezka, errno, false);
    }
    const bool zapisane = ZapiszWszystko(fd, bajty);
    const int kod = errno;
    if (::close(fd) != 0 || !zapisane) {
        return Niepowodzenie(sciezka, zapisane ? errno : kod, false);
    }
    return {};
}
} // namespace

std::string KomunikatPlikWUzyciu(const std::string& nazwa) {
    return "Plik: " + nazwa + "\r\n" +
           "jest w użyciu. Zamknij go i sprbój ponownie zapisać wyniki.";
}

std::string CelDowiazania(const std::string& sciezka) {
    // As many links as the system itself follows before it gives up.
    constexpr int NajwiecejDowiazan = 40;
    // The system follows the links to a file that exists, the special ones
    // of /proc (/dev/stdout on a pipe) among them; only a dangling chain is
    // followed here.
    struct stat istniejacy {};
    if (::stat(sciezka.c_str(), &istniejacy) == 0) {
        return sciezka;
    }
    std::string biezaca = sciezka;
    for (int krok = 0; krok < NajwiecejDowiazan; ++krok) {
        struct stat opis {};
        if (::lstat(biezaca.c_str(), &opis) != 0 || !S_ISLNK(opis.st_mode)) {
            return biezaca;
        }
        char cel[PATH_MAX];
        const ssize_t dlugosc = ::readlink(biezaca.c_str(), cel, sizeof cel - 1);
        if (dlugosc < 0) {
            return biezaca;
        }
        const std::string nastepna(cel, static_cast<std::size_t>(dlugosc));
        const std::size_t ukosnik = biezaca.rfind('/');
        biezaca = nastepna.starts_with('/') || ukosnik == std::string::npos
                      ? nastepna
                      : biezaca.substr(0, ukosnik + 1) + nastepna;
    }
    return biezaca;
}

bool ZapisywanyWprost(const std::string& sciezka) {
    struct stat opis {};
    return ::stat(sciezka.c_str(), &opis) == 0 && !S_ISDIR(opis.st_mode) &&
           (!S_ISREG(opis.st_mode) || StandardowyDeskryptor(opis) >= 0);
}

ZapisOdroczony::ZapisOdroczony(ZapisOdroczony&& inny) noexcept
    : sciezka_(std::move(inny.sciezka_)), cel_(std::move(inny.cel_)),
      tymczasowy_(std::exchange(inny.tymczasowy_, {})), istnial_(inny.istnial_) {}

ZapisOdroczony& ZapisOdroczony::operator=(ZapisOdroczony&& inny) noexcept {
    if (this != &inny) {
        Porzuc();
        sciezka_ = std::move(inny.sciezka_);
        cel_ = std::move(inny.cel_);
        tymczasowy_ = std::exchange(inny.tymczasowy_, {});
        istnial_ = inny.istnial_;
    }
    return *this;
}

ZapisOdroczony::~ZapisOdroczony() {
    Porzuc();
}

void ZapisOdroczony::Porzuc() {
    if (!tymczasowy_.empty()) {
        ::unlink(tymczasowy_.c_str());
        tymczasowy_.clear();
    }
}

WynikZapisu ZapisOdroczony::Przygotuj(const std::string& sciezka, std::string_view bajty) {
    Porzuc();
    sciezka_ = sciezka;
    std::string cel = CelDowiazania(sciezka);
    mode_t tryb = 0666;
    struct stat opis {};
    istnial_ = ::stat(cel.c_str(), &opis) == 0;
    if (istnial_) {
        if (S_ISDIR(opis.st_mode)) {
            return Niepowodzenie(sciezka, EISDIR, false);
        }
        if (const int fd = StandardowyDeskryptor(opis); fd >= 0) {
            return ZapiszDoDeskryptora(sciezka, fd, bajty);
        }
        if (!S_ISREG(opis.st_mode)) {
            return ZapiszBezposrednio(cel, bajty);
        }
        if (::access(cel.c_str(), W_OK) != 0) {
            return Niepowodzenie(sciezka, errno, true);
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
        return Niepowodzenie(sciezka, errno, istnial_);
    }
    if (!WypelnijTymczasowy(fd, bajty, istnial_, tryb)) {
        const int kod = errno;
        ::unlink(tymczasowy.c_str());
        return Niepowodzenie(sciezka, kod, istnial_);
    }
    cel_ = cel;
    tymczasowy_ = tymczasowy;
    return {};
}

WynikZapisu ZapisOdroczony::Zatwierdz() {
    if (tymczasowy_.empty()) {
        return {};
    }
    if (::rename(tymczasowy_.c_str(), cel_.c_str()) != 0) {
        const int kod = errno;
        Porzuc();
        return Niepowodzenie(sciezka_, kod, istnial_);
    }
    tymczasowy_.clear();
    return {};
}

WynikZapisu ZapiszPlik(const std::string& sciezka, std::string_view bajty) {
    ZapisOdroczony zapis;
    const WynikZapisu przygotowany = zapis.Przygotuj(sciezka, bajty);
    return przygotowany.Udany() ? zapis.Zatwierdz() : przygotowany;
}

WynikZapisu SprawdzMiejsceZapisu(const std::string& sciezka) {
    struct stat opis {};
    // A loop of links or a folder on the way that is not one.
    if (::stat(sciezka.c_str(), &opis) != 0 && errno != ENOENT) {
        return Niepowodzenie(sciezka, errno, false);
    }
    if (ZapisywanyWprost(sciezka)) {
        return {};
    }
    std::string cel = CelDowiazania(sciezka);
    const bool istnieje = ::stat(cel.c_str(), &opis) == 0;
    if (istnieje) {
        if (S_ISDIR(opis.st_mode)) {
            return Niepowodzenie(sciezka, EISDIR, false);
        }
        char rzeczywista[PATH_MAX];
        if (::access(cel.c_str(), W_OK) != 0 || ::realpath(cel.c_str(), rzeczywista) == nullptr) {
            return Niepowodzenie(sciezka, errno, true);
        }
        cel = rzeczywista;
    } else if (errno != ENOENT) {
        return Niepowodzenie(sciezka, errno, false);
    }
    const std::size_t ukosnik = cel.rfind('/');
    const std::string folder = ukosnik == std::string::npos ? "."
                               : ukosnik == 0               ? "/"
                                                            : cel.substr(0, ukosnik);
    if (!FolderIstnieje(cel)) {
        return Niepowodzenie(sciezka, ENOENT, istnieje);
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        return Niepowodzenie(sciezka, errno, istnieje);
    }
    // The temporary file's name is the longer one, and it must fit as well.
    const long najdluzszaNazwa = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t nazwa = cel.size() - (ukosnik == std::string::npos ? 0 : ukosnik + 1);
    if ((najdluzszaNazwa > 0 &&
         nazwa + DodatekTymczasowego > static_cast<std::size_t>(najdluzszaNazwa)) ||
        cel.size() + DodatekTymczasowego >= PATH_MAX) {
        return Niepowodzenie(sciezka, ENAMETOOLONG, istnieje);
    }
    return {};
}

int UsunPorzuconeTymczasowe(const std::string& sciezka, int starszeNizSekund) {
    if (ZapisywanyWprost(sciezka)) {
        return 0;
    }
    std::string cel = CelDowiazania(sciezka);
    char rzeczywista[PATH_MAX];
    if (::realpath(cel.c_str(), rzeczywista) != nullptr) {
        cel = rzeczywista;
    }
    const std::string przedrostek = PrzedrostekTymczasowego(cel);
    const std::size_t ukosnik = przedrostek.rfind('/');
    const std::string folder =
        ukosnik == std::string::npos ? "." : przedrostek.substr(0, ukosnik + 1);
    const std::string poczatek = przedrostek.substr(ukosnik == std::string::npos ? 0 : ukosnik + 1);
    DIR* katalog = ::opendir(folder.c_str());
    if (katalog == nullptr) {
        return 0;
    }
    // This program's names only: sixteen hexadecimal digits, or an earlier
    // version's process id and attempt ("12345.0").
    const auto nasza = [&](const std::string& nazwa) {
        if (!nazwa.starts_with(poczatek)) {
            return false;
        }
        const std::string reszta = nazwa.substr(poczatek.size());
        const bool szesnastkowa = reszta.size() == 16 &&
                                  reszta.find_first_not_of("0123456789abcdef") == std::string::npos;
        const std::size_t kropka = reszta.find('.');
        const bool dawna = kropka != std::string::npos && kropka > 0 &&
                           kropka + 1 < reszta.size() &&
                           reszta.find_first_not_of("0123456789.") == std::string::npos &&
                           reszta.find('.', kropka + 1) == std::string::npos;
        return szesnastkowa || dawna;
    };
    int usuniete = 0;
    const std::time_t teraz = std::time(nullptr);
    while (const dirent* wpis = ::readdir(katalog)) {
        const std::string nazwa = wpis->d_name;
        struct stat opis {};
        const std::string pelna = folder + nazwa;
        // Only a regular file of this user, untouched for a while: a save
        // under way (the window's, a second of its own) is left alone.
        if (nasza(nazwa) && ::lstat(pelna.c_str(), &opis) == 0 && S_ISREG(opis.st_mode) &&
            opis.st_uid == ::geteuid() && teraz - opis.st_mtime >= starszeNizSekund &&
            ::unlink(pelna.c_str()) == 0) {
            ++usuniete;
        }
    }
    ::closedir(katalog);
    return usuniete;
}
