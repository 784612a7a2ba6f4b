#pragma once

#include <cstdio>
#include <map>
#include <regex>
#include <string>
#include <vector>

// Reads back the first sheet of an .xlsx file as its cells, through the unzip
// tool and the sheet's XML: enough to check what a spreadsheet would show.
class CzytnikSkoroszytu {
public:
    struct Komorka {
        bool Liczba = false;
        double Wartosc = 0.0;
        std::string Tekst;  // a text cell, UTF-8
        std::string Format; // the number format shown ("General" for none)
    };
    // Keyed by (row, column), both from 0.
    using Komorki = std::map<std::pair<int, int>, Komorka>;

    static Komorki Czytaj(const std::string& plik) {
        const std::string arkusz = Rozpakuj(plik, "xl/worksheets/sheet1.xml");
        const std::vector<std::string> napisy = Napisy(Rozpakuj(plik, "xl/sharedStrings.xml"));
        const std::vector<std::string> formaty = FormatyKomorek(Rozpakuj(plik, "xl/styles.xml"));
        Komorki komorki;
        const std::regex wzor(R"re(<c r="([A-Z]+)([0-9]+)"([^>]*?)(/>|>(.*?)</c>))re");
        for (std::sregex_iterator i(arkusz.begin(), arkusz.end(), wzor), koniec; i != koniec; ++i) {
            const std::smatch& m = *i;
            const std::string atrybuty = m[3];
            const std::string wnetrze = m[5];
            Komorka k;
            const std::string styl = Atrybut(atrybuty, "s");
            k.Format = formaty.at(styl.empty() ? 0 : std::stoul(styl));
            const std::string wartosc = Miedzy(wnetrze, "<v>", "</v>");
            if (Atrybut(atrybuty, "t") == "s") {
                k.Tekst = napisy.at(std::stoul(wartosc));
            } else {
                k.Liczba = true;
                k.Wartosc = std::stod(wartosc);
            }
            komorki[{std::stoi(m[2]) - 1, Kolumna(m[1])}] = k;
        }
        return komorki;
    }

    static std::string Rozpakuj(const std::string& plik, const std::string& czesc) {
        std::string tresc;
        if (std::FILE* potok = ::popen(("unzip -p '" + plik + "' '" + czesc + "'").c_str(), "r")) {
            char bufor[4096];
            for (std::size_t n; (n = std::fread(bufor, 1, sizeof bufor, potok)) > 0;) {
                tresc.append(bufor, n);
            }
            ::pclose(potok);
        }
        return tresc;
    }

private:
    static int Kolumna(const std::string& litery) {
        int kolumna = 0;
        for (char z : litery) {
            kolumna = kolumna * 26 + (z - 'A' + 1);
        }
        return kolumna - 1;
    }

    static std::string Atrybut(const std::string& atrybuty, const std::string& nazwa) {
        std::smatch m;
        const std::regex wzor("\\b" + nazwa + "=\"([^\"]*)\"");
        return std::regex_search(atrybuty, m, wzor) ? m[1].str() : std::string();
    }

    static std::string Miedzy(const std::string& tekst, const std::string& od,
                              const std::string& doKonca) {
        const std::size_t a = tekst.find(od);
        if (a == std::string::npos) {
            return {};
        }
        const std::size_t b = tekst.find(doKonca, a + od.size());
        return tekst.substr(a + od.size(), b - a - od.size());
    }

    static std::string BezEncji(std::string tekst) {
        const std::pair<const char*, const char*> encje[] = {
            {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
        for (const auto& [encja, znak] : encje) {
            for (std::size_t p; (p = tekst.find(encja)) != std::string::npos;) {
                tekst.replace(p, std::string(encja).size(), znak);
            }
        }
        return tekst;
    }

    static std::vector<std::string> Napisy(const std::string& xml) {
        std::vector<std::string> napisy;
        const std::regex wzor(R"re(<si><t[^>]*>(.*?)</t></si>)re");
        for (std::sregex_iterator i(xml.begin(), xml.end(), wzor), koniec; i != koniec; ++i) {
            napisy.push_back(BezEncji((*i)[1]));
        }
        return napisy;
    }

    // The number format of each cell style, by its index in cellXfs.
    static std::vector<std::string> FormatyKomorek(const std::string& xml) {
        std::map<int, std::string> kody = {{0, "General"}, {1, "0"}, {2, "0.00"}};
        const std::regex numFmt(R"re(<numFmt numFmtId="([0-9]+)" formatCode="([^"]*)")re");
        for (std::sregex_iterator i(xml.begin(), xml.end(), numFmt), koniec; i != koniec; ++i) {
            kody[std::stoi((*i)[1])] = BezEncji((*i)[2]);
        }
        std::vector<std::string> formaty;
        const std::string xfs = Miedzy(xml, "<cellXfs", "</cellXfs>");
        const std::regex xf(R"re(<xf numFmtId="([0-9]+)")re");
        for (std::sregex_iterator i(xfs.begin(), xfs.end(), xf), koniec; i != koniec; ++i) {
            formaty.push_back(kody.at(std::stoi((*i)[1])));
        }
        return formaty;
    }
};
