#include "Dziesietne.h"
#include "Obliczenia.h"
#include "OpcjeWsadowe.h"
#include "OpisyOpcji.h"
#include "ParserOpcji.h"
#include "Pojemnosci.h"
#include "PrzedzialPomiarow.h"
#include "SiatkaLambdy.h"
#include "TekstyWynikow.h"
#include "ZakresyParametrow.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>

// What the help document and the manual pages say about the programs, held
// against the programs' own tables, so that neither can drift from them.
namespace {
std::string Przeczytaj(const std::string& plik) {
    std::ifstream wejscie(plik, std::ios::binary);
    EXPECT_TRUE(wejscie) << plik;
    std::ostringstream tresc;
    tresc << wejscie.rdbuf();
    return tresc.str();
}

// Runs of white space as one space, none at the ends.
std::string Scisnij(const std::string& tekst) {
    std::string wynik;
    std::istringstream slowa(tekst);
    for (std::string slowo; slowa >> slowo;) {
        wynik += (wynik.empty() ? "" : " ") + slowo;
    }
    return wynik;
}

// The text a reader sees of a piece of HTML: no tags, entities decoded.
std::string TekstHtml(const std::string& html) {
    std::string tekst = std::regex_replace(html, std::regex("<[^>]*>"), "");
    for (const auto& [encja, znak] :
         {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&nbsp;", " "}, {"&amp;", "&"}}) {
        tekst = std::regex_replace(tekst, std::regex(encja), znak);
    }
    return Scisnij(tekst);
}

// The text of roff source as a reader sees it, near enough to compare words
// and numbers: escaped minus signs as "-", macro names gone.
std::string TekstRoff(const std::string& roff) {
    std::string tekst = std::regex_replace(roff, std::regex(R"(\\-)"), "-");
    tekst = std::regex_replace(tekst, std::regex(R"((^|\n)\.[A-Z]+ ?)"), "$1");
    return Scisnij(std::regex_replace(tekst, std::regex("\""), ""));
}

// The numbers a text states, as written ("0.10", "24"); a digit that is part
// of a name ("2DKwadrat", "3DR") is no number.
std::multiset<std::string> Liczby(const std::string& tekst) {
    std::multiset<std::string> liczby;
    const auto litera = [](char z) { return std::isalpha(static_cast<unsigned char>(z)) != 0; };
    for (std::size_t i = 0; i < tekst.size();) {
        if (!std::isdigit(static_cast<unsigned char>(tekst[i]))) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < tekst.size() && (std::isdigit(static_cast<unsigned char>(tekst[j])) ||
                                    (tekst[j] == '.' && j + 1 < tekst.size() &&
                                     std::isdigit(static_cast<unsigned char>(tekst[j + 1]))))) {
            ++j;
        }
        if ((i == 0 || !litera(tekst[i - 1])) && (j == tekst.size() || !litera(tekst[j]))) {
            liczby.insert(tekst.substr(i, j - i));
        }
        i = j;
    }
    return liczby;
}

std::string Sekcja(const std::string& html, const std::string& kotwica) {
    const std::size_t poczatek = html.find("<a name=\"" + kotwica + "\"></a>");
    EXPECT_NE(poczatek, std::string::npos) << kotwica;
    // From the anchor to the next heading after its own; a chapter's to the
    // next chapter.
    const bool rozdzial = poczatek >= 4 && html.compare(poczatek - 4, 4, "<h2>") == 0;
    const std::size_t nastepny = html.find(rozdzial ? "\n<h2" : "\n<h", poczatek);
    return html.substr(poczatek, nastepny - poczatek);
}

struct Opcja {
    std::string Naglowek;
    std::string Opis;
};

// The rows of the option table of the help's batch section.
std::vector<Opcja> OpcjePomocy(const std::string& html) {
    const std::string sekcja = Sekcja(html, "wsadowo");
    const std::size_t tabela = sekcja.find("<table class=\"opcje\"");
    EXPECT_NE(tabela, std::string::npos);
    const std::string wiersze = sekcja.substr(tabela, sekcja.find("</table>", tabela) - tabela);
    std::vector<Opcja> opcje;
    const std::string poczatek = "<tr><td><code>";
    for (std::size_t i = wiersze.find(poczatek); i != std::string::npos;
         i = wiersze.find(poczatek, i + 1)) {
        const std::size_t kod = wiersze.find("</code></td><td>", i);
        const std::size_t koniec = wiersze.find("</td></tr>", kod);
        const std::size_t opis = kod + std::string("</code></td><td>").size();
        opcje.push_back({TekstHtml(wiersze.substr(i + poczatek.size(), kod - i - poczatek.size())),
                         TekstHtml(wiersze.substr(opis, koniec - opis))});
    }
    return opcje;
}

// The paragraphs of a manual page's option section, by the options they open with.
std::map<std::string, std::string> AkapityOpcji(const std::string& roff) {
    std::size_t naglowek = roff.find("\n.SH OPCJE\n");
    if (naglowek == std::string::npos) {
        naglowek = roff.find("\n.SH OPTIONS\n");
    }
    EXPECT_NE(naglowek, std::string::npos);
    const std::size_t poczatek = roff.find('\n', naglowek + 1);
    const std::string tresc = roff.substr(poczatek, roff.find("\n.SH ", poczatek) - poczatek + 1);
    std::map<std::string, std::string> akapity;
    std::size_t od = tresc.find(".TP\n");
    while (od != std::string::npos) {
        const std::size_t nastepny = tresc.find("\n.TP\n", od);
        const std::string akapit = tresc.substr(od + 4, nastepny - od - 4 + 1);
        const std::string pierwszy = TekstRoff(akapit.substr(0, akapit.find('\n')));
        const std::regex nazwa(R"((^|[ ,])(--?[a-z][a-z-]*))");
        for (auto it = std::sregex_iterator(pierwszy.begin(), pierwszy.end(), nazwa);
             it != std::sregex_iterator(); ++it) {
            akapity[(*it)[2]] = TekstRoff(akapit);
        }
        od = nastepny == std::string::npos ? nastepny : nastepny + 1;
    }
    return akapity;
}

// "0,1" as the help writes a decimal.
std::string PoPolsku(int pozycja, int mianownik) {
    std::string tekst = TekstPozycji(pozycja, mianownik, mianownik == 10 ? 1 : 2);
    tekst[tekst.find('.')] = ',';
    while (tekst.back() == '0') {
        tekst.pop_back();
    }
    return tekst.back() == ',' ? tekst.substr(0, tekst.size() - 1) : tekst;
}

const std::string Pomoc = Przeczytaj(FAZOLAB_POMOC);
} // namespace

TEST(ZgodnoscDokumentow, TabelaOpcjiPomocyToListaPomocyProgramu) {
    const std::vector<Opcja> pomoc = OpcjePomocy(Pomoc);
    const std::vector<OpisOpcji>& program = OpisyOpcji();
    ASSERT_EQ(pomoc.size(), program.size());
    for (std::size_t i = 0; i < program.size(); ++i) {
        EXPECT_EQ(pomoc[i].Naglowek, NaglowekOpcji(program[i]));
        EXPECT_EQ(pomoc[i].Opis, Scisnij(program[i].Opis)) << NaglowekOpcji(program[i]);
    }
}

TEST(ZgodnoscDokumentow, ParserPrzyjmujeKazdaOpcjeListy) {
    for (const OpisOpcji& opis : OpisyOpcji()) {
        for (const std::string& nazwa : opis.Nazwy) {
            // The program answers --version before it reads the options.
            if (nazwa == "--version") {
                continue;
            }
            std::vector<std::string> argumenty{nazwa};
            if (!opis.Wartosc.empty()) {
                argumenty.push_back("x");
            }
            const auto wynik = CzytajOpcje(argumenty);
            if (const BladOpcji* blad = std::get_if<BladOpcji>(&wynik)) {
                EXPECT_EQ(blad->Komunikat.find("Nieznana opcja"), std::string::npos) << nazwa;
            }
        }
    }
    const auto nieznana = CzytajOpcje({"--nieznana"});
    ASSERT_TRUE(std::holds_alternative<BladOpcji>(nieznana));
}

TEST(ZgodnoscDokumentow, StronyManualaMajaOpcjeListyZJejLiczbami) {
    std::set<std::string> nazwy;
    for (const OpisOpcji& opis : OpisyOpcji()) {
        nazwy.insert(opis.Nazwy.begin(), opis.Nazwy.end());
    }
    for (const std::string strona : {FAZOLAB_MAN_PL, FAZOLAB_MAN_EN}) {
        const std::map<std::string, std::string> akapity = AkapityOpcji(Przeczytaj(strona));
        std::set<std::string> naStronie;
        for (const auto& [nazwa, akapit] : akapity) {
            naStronie.insert(nazwa);
        }
        EXPECT_EQ(naStronie, nazwy) << strona;
        for (const OpisOpcji& opis : OpisyOpcji()) {
            const auto akapit = akapity.find(opis.Nazwy.front());
            if (akapit == akapity.end()) {
                continue;
            }
            const std::multiset<std::string> liczbyStrony = Liczby(akapit->second);
            const std::multiset<std::string> liczbyOpisu = Liczby(opis.Opis);
            for (const std::string& liczba : std::set(liczbyOpisu.begin(), liczbyOpisu.end())) {
                EXPECT_TRUE(liczbyStrony.contains(liczba))
                    << strona << ": " << opis.Nazwy.front() << " bez " << liczba;
            }
        }
    }
}

TEST(ZgodnoscDokumentow, PrzykladyPomocyToPoprawnePolecenia) {
    const std::string sekcja = Sekcja(Pomoc, "wsadowo");
    const std::size_t pre = sekcja.find("<pre>");
    ASSERT_NE(pre, std::string::npos);
    const std::string przyklady = std::regex_replace(
        sekcja.substr(pre + 5, sekcja.find("</pre>") - pre - 5), std::regex(R"(\\\n)"), " ");
    std::istringstream wiersze(przyklady);
    int ile = 0;
    for (std::string wiersz; std::getline(wiersze, wiersz);) {
        std::istringstream slowa(wiersz);
        std::vector<std::string> argumenty;
        for (std::string slowo; slowa >> slowo;) {
            argumenty.push_back(slowo);
        }
        if (argumenty.empty()) {
            continue;
        }
        ASSERT_EQ(argumenty.front(), "fazolab-batch");
        argumenty.erase(argumenty.begin());
        const auto wynik = CzytajOpcje(argumenty);
        EXPECT_TRUE(std::holds_alternative<OpcjeWsadowe>(wynik)) << wiersz;
        ++ile;
    }
    EXPECT_GE(ile, 3);
}

// Every range and default that the help states of the window's settings, and
// the results' words it quotes, as the program's tables make them.
TEST(ZgodnoscDokumentow, ZakresyIDomyslnePomocyOknaToTeZTabelProgramu) {
    const ParametrySymulacji d;
    const int serie =
        Obliczenia::LiczbaSeriiDla(d.PozycjaLambdy, d.PozycjaLambdyKoncowej, d.PozycjaKroku);
    const auto od = [](const ZakresParametru& z, int mnoznik = 1) {
        return "od " + std::to_string(z.Min * mnoznik) + " do " + std::to_string(z.Max * mnoznik);
    };
    const std::string lambdy = "od " + PoPolsku(SiatkaOkna.Zakres().Min, 10) + " do " +
                               PoPolsku(SiatkaOkna.Zakres().Max, 10);
    const std::vector<std::pair<std::string, std::string>> zdania{
        {"model", "|λ| przyjmuje wartości " + lambdy},
        {"k10000", std::to_string(d.IloscAtomowOsX) + " atomów na każdej osi"},
        {"k10000", "λ " + lambdy + " z krokiem " + PoPolsku(d.PozycjaKroku, 10) + " (" +
                       std::to_string(serie) + " symulacji)"},
        {"k10000", "koncentracja " + PoPolsku(d.PozycjaKoncentracji, 100)},
        {"k10000", "pomiar co " + std::to_string(Przedzial(d).Iteracje()) + " iteracji"},
        {"k10000", std::to_string(d.MaxIloscCykli) + " iteracji"},
        {"k11020", "od 1 do " + std::to_string(LiczbaWpisowSerii - 2)},
        {"k12010", "parzysta liczba " + od(ZakresOsi)},
        {"k1204", "od " + std::to_string(ZakresOsi.Min * ZakresOsi.Min) + " do " +
                      std::to_string(ZakresOsi.Max * ZakresOsi.Max) + " w 2D, do " +
                      std::to_string(ZakresOsi.Max * ZakresOsi.Max * ZakresOsi.Max) + " w 3D"},
        {"k10413", lambdy + " co " + PoPolsku(SiatkaOkna.Zakres().Krok, 10)},
        {"k10420", "od " + PoPolsku(ZakresKoncentracji.Min, 100) + " do " +
                       PoPolsku(ZakresKoncentracji.Max, 100) + " co " +
                       PoPolsku(ZakresKoncentracji.Krok, 100)},
        {"k10430", od(ZakresPrzedzialu, 100) + " iteracji"},
        {"k10300", od(ZakresIteracji) + " prób wymiany"},
        {"k10300", "(przy ustawieniach domyślnych " + std::to_string(d.MaxIloscCykli) + " + " +
                       std::to_string(Przedzial(d).Iteracje()) + " prób)"},
        {"k31000", "stopień wielomianu " + od(ZakresStopnia)},
        {"brzeg", std::string("słowa „") + UwagaMaksimumNaBrzegu + "”"},
        {"liczby", std::string("słowami „") + UwagaCvkNUjemne + "”"},
    };
    for (const auto& [kotwica, zdanie] : zdania) {
        EXPECT_NE(TekstHtml(Sekcja(Pomoc, kotwica)).find(zdanie), std::string::npos)
            << kotwica << ": " << zdanie;
    }
}

// The split study that --pomoc shows, as GNU parallel would run its part 0,
// and the merge: commands the parser takes.
TEST(ZgodnoscDokumentow, PrzykladyListyOpcjiToPoprawnePolecenia) {
    const std::string tekst = std::regex_replace(TekstPomocy(), std::regex(R"(\\\n)"), " ");
    std::istringstream wiersze(tekst.substr(tekst.find("\n\n", tekst.find("  --version"))));
    int ile = 0;
    for (std::string wiersz; std::getline(wiersze, wiersz);) {
        const std::size_t program = wiersz.find("fazolab-batch --");
        if (program == std::string::npos) {
            continue;
        }
        std::istringstream slowa(std::regex_replace(
            wiersz.substr(program, wiersz.find(" :::") - program), std::regex(R"(\{\})"), "0"));
        std::vector<std::string> argumenty;
        for (std::string slowo; slowa >> slowo;) {
            argumenty.push_back(slowo);
        }
        argumenty.erase(argumenty.begin());
        const auto wynik = CzytajOpcje(argumenty);
        EXPECT_TRUE(std::holds_alternative<OpcjeWsadowe>(wynik)) << wiersz;
        ++ile;
    }
    EXPECT_EQ(ile, 2);
}
