#include "SkoroszytWynikow.h"

#include "LiczbyDziesietne.h"
#include "PlikWynikow.h"
#include "WyciszonyStderr.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <xlsxwriter.h>

namespace {
constexpr int ProbyNazwyTymczasowej = 100;

struct Liczba {
    double Wartosc;
    int Miejsca; // decimals shown
};

// Only the plain fixed-point texts of the results are numbers; anything else
// (a description line, a heading, "nan") stays text exactly as written.
std::optional<Liczba> JakoLiczba(const std::string& tekst) {
    std::size_t i = tekst.starts_with('-') ? 1 : 0;
    const std::size_t poczatekCyfr = i;
    while (i < tekst.size() && tekst[i] >= '0' && tekst[i] <= '9') {
        ++i;
    }
    if (i == poczatekCyfr) {
        return std::nullopt;
    }
    int miejsca = 0;
    if (i < tekst.size() && tekst[i] == '.') {
        const std::size_t kropka = i++;
        while (i < tekst.size() && tekst[i] >= '0' && tekst[i] <= '9') {
            ++i;
        }
        miejsca = static_cast<int>(i - kropka - 1);
        if (miejsca == 0) {
            return std::nullopt;
        }
    }
    if (i != tekst.size()) {
        return std::nullopt;
    }
    const std::optional<double> wartosc = RzeczywistaZ(tekst);
    if (!wartosc) {
        return std::nullopt;
    }
    return Liczba{*wartosc, miejsca};
}

// libxlsxwriter writes only to a named file: the workbook is built in a file
// of its own in the system's temporary folder and read back, so that the
// target is written by the one safe save of every results file.
class PlikTymczasowy {
public:
    PlikTymczasowy() {
        std::random_device los;
        const std::filesystem::path folder = std::filesystem::temp_directory_path();
        for (int proba = 0; proba < ProbyNazwyTymczasowej; ++proba) {
            sciezka_ = (folder / ("fazolab-skoroszyt-" + std::to_string(los()) + ".xlsx")).string();
            // "x": never opens a file that already exists.
            if (std::FILE* plik = std::fopen(sciezka_.c_str(), "wbx")) {
                std::fclose(plik);
                return;
            }
        }
        throw std::runtime_error("Nie można utworzyć pliku tymczasowego skoroszytu");
    }
    ~PlikTymczasowy() {
        std::error_code blad;
        std::filesystem::remove(sciezka_, blad);
    }
    PlikTymczasowy(const PlikTymczasowy&) = delete;
    PlikTymczasowy& operator=(const PlikTymczasowy&) = delete;

    const std::string& Sciezka() const { return sciezka_; }

    std::string Tresc() const {
        std::ifstream plik(sciezka_, std::ios::binary);
        std::string tresc{std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
        if (!plik.good() && !plik.eof()) {
            throw std::runtime_error("Nie można odczytać pliku tymczasowego skoroszytu");
        }
        return tresc;
    }

private:
    std::string sciezka_;
};

class Skoroszyt {
public:
    explicit Skoroszyt(const std::string& sciezka) : skoroszyt_(workbook_new(sciezka.c_str())) {
        if (!skoroszyt_) {
            throw std::runtime_error("Nie można utworzyć skoroszytu");
        }
        arkusz_ = workbook_add_worksheet(skoroszyt_, "Wyniki");
        if (!arkusz_) {
            workbook_close(skoroszyt_);
            throw std::runtime_error("Nie można dodać arkusza");
        }
    }
    // Only when Zamknij was not reached: frees the library's memory.
    ~Skoroszyt() {
        if (skoroszyt_) {
            workbook_close(skoroszyt_);
        }
    }
    Skoroszyt(const Skoroszyt&) = delete;
    Skoroszyt& operator=(const Skoroszyt&) = delete;

    void Wpisz(lxw_row_t wiersz, lxw_col_t kolumna, const std::string& tekst) {
        if (tekst.empty()) {
            return;
        }
        const std::optional<Liczba> liczba = JakoLiczba(tekst);
        const lxw_error blad =
            liczba ? worksheet_write_number(arkusz_, wiersz, kolumna, liczba->Wartosc,
                                            Format(liczba->Miejsca))
                   : worksheet_write_string(arkusz_, wiersz, kolumna, tekst.c_str(), nullptr);
        Sprawdz(blad);
    }

    void Zamknij() {
        const lxw_error blad = workbook_close(skoroszyt_);
        skoroszyt_ = nullptr;
        Sprawdz(blad);
    }

private:
    static void Sprawdz(lxw_error blad) {
        if (blad != LXW_NO_ERROR) {
            throw std::runtime_error(lxw_strerror(blad));
        }
    }

    lxw_format* Format(int miejsca) {
        auto [miejsce, nowy] = formaty_.try_emplace(miejsca, nullptr);
        if (nowy) {
            miejsce->second = workbook_add_format(skoroszyt_);
            const std::string wzor =
                miejsca > 0 ? "0." + std::string(static_cast<std::size_t>(miejsca), '0') : "0";
            format_set_num_format(miejsce->second, wzor.c_str());
        }
        return miejsce->second;
    }

    lxw_workbook* skoroszyt_;
    lxw_worksheet* arkusz_;
    std::map<int, lxw_format*> formaty_;
};
} // namespace

std::string TrescSkoroszytuWynikow(const TekstyWynikow& teksty, const PolaWynikow& pola) {
    const WyciszonyStderr cisza;
    PlikTymczasowy plik;
    Skoroszyt skoroszyt(plik.Sciezka());
    const std::vector<std::vector<std::string>> wiersze = WierszeWynikow(teksty, pola);
    for (std::size_t w = 0; w < wiersze.size(); ++w) {
        for (std::size_t k = 0; k < wiersze[w].size(); ++k) {
            skoroszyt.Wpisz(static_cast<lxw_row_t>(w), static_cast<lxw_col_t>(k), wiersze[w][k]);
        }
    }
    skoroszyt.Zamknij();
    return plik.Tresc();
}
