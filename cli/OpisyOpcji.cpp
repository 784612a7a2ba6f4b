#include "OpisyOpcji.h"

#include "Dziesietne.h"
#include "OpcjeWsadowe.h"
#include "ParametrySymulacji.h"
#include "PrzedzialPomiarow.h"
#include "RodzajSieci.h"
#include "ZakresyParametrow.h"

#include <cctype>
#include <sstream>

namespace {
// The description column of the list and the width of a terminal line.
constexpr std::size_t KolumnaOpisu = 29;
constexpr std::size_t SzerokoscWiersza = 79;

std::string Liczba(long long n) {
    return std::to_string(n);
}

std::string Od(const ZakresParametru& z) {
    return Liczba(z.Min) + ".." + Liczba(z.Max);
}

std::string RodzajeSieciTekst() {
    std::string tekst;
    for (const OpisRodzajuSieci& r : RodzajeSieci) {
        if (!tekst.empty()) {
            tekst += '|';
        }
        tekst += r.Klucz;
    }
    return tekst;
}

std::vector<OpisOpcji> Zbuduj() {
    const ParametrySymulacji okno;
    const OpcjeWsadowe domyslne;
    return {
        {{"--siec"},
         RodzajeSieciTekst(),
         "rodzaj sieci (" + std::string(KluczRodzaju(okno.Rodzaj)) + ")"},
        {{"--osie"},
         "X | XxY | XxYxZ | L1,L2,...",
         "ilość atomów na osiach, parzyste " + Od(ZakresOsiWsadowych) + ", w 3DR " +
             Od(ZakresOsiWsadowych3D) + " (" + Liczba(okno.IloscAtomowOsX) +
             "); XxY dla sieci 2D, XxYxZ dla 3DR; rosnące rozmiary po przecinku, np. "
             "12,16,24,32: badanie skończonych rozmiarów (L na każdej osi)"},
        {{"--tryb"}, "porzadkowanie|klasteryzacja", "znak oddziaływania (porzadkowanie)"},
        {{"--lambda"},
         "S | S:E:K | L1,L2,...",
         "pojedyncza symulacja dla S albo seria od S do E co K, wartości " +
             SiatkaWsadowa.Tekst(SiatkaWsadowa.Zakres().Min) + ".." +
             SiatkaWsadowa.Tekst(SiatkaWsadowa.Zakres().Max) + " co " + SiatkaWsadowa.Tekst(1) +
             ", K od " + SiatkaWsadowa.Tekst(1) + " do E - S + " + SiatkaOkna.Tekst(1) +
             "; S, E i K co " + SiatkaListy.Tekst(1) +
             " (np. 0.86:0.87:0.0025) albo lista "
             "wartości po przecinku z kropką dziesiętną (np. 0.86,0.8637,0.87) to seria "
             "dokładnie tych lambd, rosnąco; wartości w serii tyle, ile zmieści pamięć; "
             "ostatnia symulacja serii ma lambda = E, także gdy krok przeskakuje E (seria " +
             SiatkaOkna.Tekst(okno.PozycjaLambdy) + ":" +
             SiatkaOkna.Tekst(okno.PozycjaLambdyKoncowej) + ":" +
             SiatkaOkna.Tekst(okno.PozycjaKroku) + ")"},
        {{"--koncentracja"},
         "C",
         "koncentracja atomów A, " + TekstPozycji(ZakresKoncentracji.Min, 100, 2) + ".." +
             TekstPozycji(ZakresKoncentracji.Max, 100, 2) + " co " +
             TekstPozycji(ZakresKoncentracji.Krok, 100, 2) + " (" +
             TekstPozycji(okno.PozycjaKoncentracji, 100, 2) +
             "); uwzględnia ją tylko ułożenie przypadkowe"},
        {{"--iteracje"},
         "N",
         "ilość iteracji (prób wymiany) jednej symulacji, " + Od(ZakresIteracjiWsadowych) + " (" +
             Liczba(okno.MaxIloscCykli) + "); symulacja kończy się pierwszym pomiarem po N, " +
             "czyli wykonuje N + P prób, gdy P dzieli N"},
        {{"--co"},
         "P",
         "pobierz dane co P iteracji, " +
             Od(PrzedzialPomiarow::Iteracji(ZakresPrzedzialuWsadowego)) + " co " +
             Liczba(PrzedzialPomiarow::Jednostka) + " (" + Liczba(Przedzial(okno).Iteracje()) +
             "); pomiarów w serii (N / P) tyle, ile "
             "zmieści pamięć: badanie, które się nie zmieści, program odrzuca przed "
             "uruchomieniem, podając potrzebną pamięć"},
        {{"--uklad"},
         "przypadkowe|uporzadkowane|wydzielenie",
         "ułożenie początkowe (przypadkowe); uporządkowane mają zawsze połowę atomów A"},
        {{"--ziarno"},
         "N",
         "stałe ziarno generatora, 0..4294967295: powtarzalny przebieg (bez niego ziarno "
         "z zegara, wypisane w pierwszym wierszu)"},
        {{"--generator"},
         "xoshiro|okna",
         "generator liczb losowych (xoshiro): xoshiro to 64-bitowy xoshiro256++ z osobnym "
         "strumieniem każdego powtórzenia, dłuższy od każdego badania; okna to 32-bitowy "
         "generator okna symulacji, którego okres (2^32 liczb) długie badanie przekracza, "
         "a powtórzenie k z ziarnem Z daje wtedy te same bajty co okno z ziarnem Z + k"},
        {{"--stopien"},
         "D",
         "stopień wielomianu dopasowania " + Od(ZakresStopnia) +
             " (automatyczny: 4, przy mniej niż 4 symulacjach ich liczba minus 1)"},
        {{"--wyjscie"},
         "PLIK",
         "plik wyników serii w układzie okna: .csv z przecinkiem, .xlsx skoroszyt programu "
         "Excel, inny z tabulatorem; kolumna Sigma: to sigma zapamiętane dla serii, przy "
         "klasteryzacji wartości krzywej dopasowanej; przy powtórzeniach wyniki ze średnich "
         "po powtórzeniach; wymaga serii"},
        {{"--fluktuacje"},
         "",
         "w pliku wyników także Cv/kN z fluktuacji energii (druga połowa pomiarów serii) "
         "z błędem std. i linia przejścia fazowego z ich maksimum; przy powtórzeniach średnie "
         "po powtórzeniach z błędem z ich rozrzutu; wymaga --wyjscie"},
        {{"--dwa-starty"},
         "",
         "sprawdzenie równowagi dwoma startami: każda symulacja każdego powtórzenia jeszcze raz "
         "z tym samym ziarnem od drugiego ułożenia (po przypadkowym uporządkowane, przy "
         "klasteryzacji wydzielenie; po uporządkowanym lub wydzieleniu przypadkowe); gdy średnia "
         "liczba par AB drugiej połowy pomiarów obu startów różni się ponad błąd (poziom 0.1 %), "
         "kolumna równowaga mówi „nie osiągnęła równowagi”; liczby podsumowania i pliku są "
         "z ułożenia --uklad; dwa razy dłużej; wymaga koncentracji 0.50"},
        {{"--przebieg"},
         "PLIK",
         "każdy pomiar jako CSV (UTF-8); przy powtórzeniach osobny plik każdego powtórzenia k: "
         "PLIK.csv -> PLIK.k.csv"},
        {{"--powtorzenia"},
         "N",
         "N niezależnych powtórzeń, " + Od(ZakresPowtorzen) + " (" + Liczba(domyslne.Powtorzenia) +
             "): w podsumowaniu średnie z błędem standardowym i przejście fazowe z fluktuacji; "
             "powtórzenie k (0..N-1) losuje z k-tego strumienia ziarna Z (przy --generator "
             "okna: z ziarnem Z + k), gdzie Z to --ziarno albo wypisane ziarno z zegara"},
        {{"--watki"},
         "T",
         "powtórzenia liczone równolegle w T wątkach, " + Od(ZakresPowtorzen) +
             " (liczba wątków procesora, zarazem największa); wynik nie zależy od T"},
        {{"--czesc"},
         "K/M",
         "tylko K-ta (0..M-1) z M części powtórzeń 0..N-1, w kolejnych blokach; wymaga "
         "--ziarno i --powtorzenia-plik"},
        {{"--powtorzenia-plik"}, "PLIK", "wszystkie liczby powtórzeń do późniejszego --scal"},
        {{"--scal"},
         "PLIK...",
         "podsumowanie i --wyjscie (z --fluktuacje) z plików powtórzeń części jednego badania, "
         "te same bajty co z jednego procesu"},
        {{"--sprawdz"},
         "",
         "tylko sprawdza opcje, pliki powtórzeń --scal i miejsca zapisu plików, niczego nie "
         "liczy ani nie zapisuje; wypisuje nagłówek pliku powtórzeń badania (to, co je "
         "wyznacza) i liczbę prób wymiany; kod wyjścia jak przed obliczeniami"},
        {{"--pomoc", "-h", "--help"}, "", "ten opis"},
        {{"--version"}, "", "nazwa i wersja programu"},
    };
}

// Characters on a terminal: UTF-8 continuation bytes take no column.
std::size_t Kolumny(std::string_view tekst) {
    std::size_t n = 0;
    for (const char z : tekst) {
        n += (static_cast<unsigned char>(z) & 0xC0) != 0x80;
    }
    return n;
}

void DopiszOpcje(std::string& tekst, const OpisOpcji& opis) {
    std::string wiersz = "  " + NaglowekOpcji(opis);
    wiersz.append(Kolumny(wiersz) + 3 > KolumnaOpisu ? 3 : KolumnaOpisu - Kolumny(wiersz), ' ');
    bool pierwszeSlowo = true;
    std::istringstream slowa(opis.Opis);
    for (std::string slowo; slowa >> slowo;) {
        // A one-letter word ("z", "w", "i") does not end a line in Polish.
        std::string nastepne;
        while (Kolumny(slowo) == 1 && std::isalpha(static_cast<unsigned char>(slowo[0])) &&
               slowa >> nastepne) {
            slowo += ' ' + nastepne;
        }
        if (!pierwszeSlowo && Kolumny(wiersz) + 1 + Kolumny(slowo) > SzerokoscWiersza) {
            tekst += wiersz + "\n";
            wiersz.assign(KolumnaOpisu, ' ');
            pierwszeSlowo = true;
        }
        if (!pierwszeSlowo) {
            wiersz += ' ';
        }
        wiersz += slowo;
        pierwszeSlowo = false;
    }
    tekst += wiersz + "\n";
}
} // namespace

const std::vector<OpisOpcji>& OpisyOpcji() {
    static const std::vector<OpisOpcji> opisy = Zbuduj();
    return opisy;
}

const OpisOpcji* ZnajdzOpcje(std::string_view nazwa) {
    for (const OpisOpcji& opis : OpisyOpcji()) {
        for (const std::string& n : opis.Nazwy) {
            if (n == nazwa) {
                return &opis;
            }
        }
    }
    return nullptr;
}

std::string NaglowekOpcji(const OpisOpcji& opis) {
    std::string naglowek;
    for (const std::string& n : opis.Nazwy) {
        if (!naglowek.empty()) {
            naglowek += ", ";
        }
        naglowek += n;
    }
    return opis.Wartosc.empty() ? naglowek : naglowek + " " + opis.Wartosc;
}

std::string TekstPomocy() {
    std::string tekst = "Użycie: fazolab-batch [opcje]\n"
                        "Symulacja Monte Carlo przejść fazowych porządek-nieporządek bez okna "
                        "programu.\n"
                        "W nawiasach wartości domyślne.\n"
                        "\n";
    for (const OpisOpcji& opis : OpisyOpcji()) {
        DopiszOpcje(tekst, opis);
    }
    return tekst +
           "\n"
           "Badanie podzielone na części (np. 64 powtórzenia w 8 częściach):\n"
           "  na jednym komputerze, GNU parallel:\n"
           "    parallel -j2 fazolab-batch --powtorzenia 64 --ziarno 7 --czesc {}/8 \\\n"
           "      --powtorzenia-plik cz{}.txt ::: 0 1 2 3 4 5 6 7\n"
           "  na kilku komputerach: to samo z parallel --sshlogin k1,k2 (wspólny folder)\n"
           "  w kolejce Slurm: #SBATCH --array=0-7 i --czesc $SLURM_ARRAY_TASK_ID/8\n"
           "  na koniec: fazolab-batch --scal cz*.txt --wyjscie wyniki.csv --fluktuacje\n"
           "\n"
           "Kod wyjścia: 0 gotowe, 1 nie udało się zapisać pliku lub wyjścia albo zabrakło\n"
           "pamięci (pliki przebiegu zastępują poprzednie wszystkie razem albo wcale,\n"
           "podsumowanie z ziarnem jest zawsze wypisane), 2 błędne opcje lub pliki\n"
           "powtórzeń. Przerwany (Ctrl+C, kill) nie zapisuje nic: pliki poprzedniego\n"
           "przebiegu zostają bez zmian.\n";
}
