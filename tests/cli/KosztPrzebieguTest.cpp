#include "PasekPostepu.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {
// A clock the test moves by hand.
struct Zegar {
    PasekPostepu::Zegar::time_point teraz{};
    void Za(double sekundy) {
        teraz += std::chrono::duration_cast<PasekPostepu::Zegar::duration>(
            std::chrono::duration<double>(sekundy));
    }
};
} // namespace

TEST(KosztPrzebiegu, CzasSlownie) {
    EXPECT_EQ(CzasSlownie(12.4), "12 s");
    EXPECT_EQ(CzasSlownie(250), "4 min 10 s");
    EXPECT_EQ(CzasSlownie(2 * 3600 + 5 * 60 + 20), "2 h 05 min");
    EXPECT_EQ(CzasSlownie(6 * 86400 + 3 * 3600 + 59), "6 dni 3 h");
    EXPECT_EQ(CzasSlownie(86400), "1 dzień 0 h");
}

// A run of 2·10^9 attempts at 10^6 a second, logged (standard error not a
// terminal): the estimate after the first seconds, a line a minute with the
// share and the time left, the whole time at the end.
TEST(KosztPrzebiegu, DlugiPrzebiegWDzienniku) {
    std::ostringstream log;
    Zegar zegar;
    PasekPostepu pasek(log, false, [&] { return zegar.teraz; });
    const long long wszystkie = 2'000'000'000;
    zegar.Za(1);
    pasek.Koszt(1'000'000, wszystkie, false);
    EXPECT_EQ(log.str(), "") << "too early to measure";
    zegar.Za(3);
    pasek.Koszt(4'000'000, wszystkie, false);
    EXPECT_EQ(log.str(), "Szacunek: 2000000000 prób wymiany, ok. 33 min 20 s (1.0 mln prób/s w "
                         "pierwszych 4 s).\n");
    log.str("");
    zegar.Za(30);
    pasek.Koszt(34'000'000, wszystkie, false);
    EXPECT_EQ(log.str(), "") << "a line a minute";
    zegar.Za(30);
    pasek.Koszt(64'000'000, wszystkie, false);
    EXPECT_EQ(log.str(), "Postęp: 3 % (64000000 z 2000000000 prób), 1.0 mln prób/s, pozostało "
                         "ok. 32 min 16 s.\n");
    log.str("");
    zegar.Za(1936);
    pasek.Koszt(wszystkie, wszystkie, true);
    EXPECT_EQ(log.str(), "Koniec obliczeń: 2000000000 prób wymiany w 33 min 20 s.\n");
}

TEST(KosztPrzebiegu, KrotkiPrzebiegNicNieMowi) {
    std::ostringstream log;
    Zegar zegar;
    PasekPostepu pasek(log, false, [&] { return zegar.teraz; });
    for (int s = 1; s <= 50; ++s) {
        zegar.Za(1);
        pasek.Koszt(s * 1'000'000LL, 55'000'000, false);
    }
    pasek.Koszt(55'000'000, 55'000'000, true);
    EXPECT_EQ(log.str(), "");
}

// On a terminal the bar says the time left, and the estimate goes on a line
// of its own above it.
TEST(KosztPrzebiegu, NaTerminaluPozostalyCzasNaPasku) {
    std::ostringstream terminal;
    Zegar zegar;
    PasekPostepu pasek(terminal, true, [&] { return zegar.teraz; });
    zegar.Za(0.5);
    pasek.PokazRepliki(0, 4, 500'000, 400'000'000);
    zegar.Za(4.5);
    pasek.Koszt(5'000'000, 400'000'000, false);
    pasek.PokazRepliki(0, 4, 5'000'000, 400'000'000);
    const std::string tekst = terminal.str();
    EXPECT_NE(tekst.find(" \nSzacunek: 400000000 prób wymiany, ok. 6 min 40 s"), std::string::npos)
        << tekst;
    EXPECT_NE(tekst.find("1.0 mln prób/s pozostało 6 min 35 s "), std::string::npos) << tekst;
}
