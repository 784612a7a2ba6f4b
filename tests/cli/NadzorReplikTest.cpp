#include "NadzorReplik.h"

#include "ObserwatorPomiarow.h"
#include "OpcjeWsadowe.h"
#include "ParserOpcji.h"
#include "Pomiar.h"
#include "UruchomRepliki.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {
// Counts every sample of one replica and keeps its series numbers in order.
class LicznikProbek final : public ObserwatorPomiarow {
public:
    void NowyPomiar(const Pomiar& p) override { serie.push_back(p.Seria); }
    std::vector<int> serie;
};

// A watcher that keeps what it was shown and asks to stop from its n-th question on.
class NadzorTestowy final : public NadzorReplik {
public:
    explicit NadzorTestowy(int replik, int zatrzymajOd = -1)
        : probki(static_cast<std::size_t>(replik)), zatrzymajOd_(zatrzymajOd) {}

    void Postep(const PostepReplik& p, bool koncowy) override {
        ostatni = p;
        koncowe += koncowy;
    }
    int Przerwanie() override { return ++pytania >= zatrzymajOd_ && zatrzymajOd_ > 0 ? SIGINT : 0; }
    ObserwatorPomiarow* ObserwatorProbek(int k) override {
        return &probki[static_cast<std::size_t>(k)];
    }

    std::vector<LicznikProbek> probki;
    PostepReplik ostatni;
    int koncowe = 0;
    int pytania = 0;

private:
    int zatrzymajOd_;
};

OpcjeWsadowe Opcje(const std::vector<std::string>& argumenty) {
    return std::get<OpcjeWsadowe>(CzytajOpcje(argumenty));
}
} // namespace

TEST(NadzorReplik, WidziKazdaProbkeKazdejRepliki) {
    // Three series of 10 000 iterations sampled every 2000: the new arrangement's
    // sample and those of the six chunks up to the one that passes 10 000.
    const OpcjeWsadowe o = Opcje({"--osie", "6", "--iteracje", "10000", "--co", "2000", "--lambda",
                                  "0.3:1.5:0.6", "--powtorzenia", "3"});
    NadzorTestowy nadzor(3);
    const WynikiReplik w = UruchomRepliki(o, 7, 2, nadzor);
    ASSERT_EQ(w.Repliki.size(), 3u);
    EXPECT_EQ(w.Sygnal, 0);
    const std::vector<int> oczekiwane{1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2,
                                      2, 2, 2, 3, 3, 3, 3, 3, 3, 3};
    for (const LicznikProbek& p : nadzor.probki) {
        EXPECT_EQ(p.serie, oczekiwane);
    }
    EXPECT_EQ(nadzor.koncowe, 1);
    EXPECT_EQ(nadzor.ostatni.Ukonczone, 3);
    EXPECT_EQ(nadzor.ostatni.Replik, 3);
    EXPECT_EQ(nadzor.ostatni.Proby, nadzor.ostatni.WszystkieProby);
    EXPECT_EQ(nadzor.ostatni.WszystkieProby, 3LL * 3 * 6 * 2000);
}

TEST(NadzorReplik, ProsbaOZatrzymanieKonczyObliczeniaBezWynikow) {
    // Minutes of work if nobody stopped it.
    const OpcjeWsadowe o = Opcje({"--osie", "100", "--iteracje", "100000000", "--co", "100000",
                                  "--lambda", "0.1:2.4:0.1", "--powtorzenia", "2"});
    NadzorTestowy nadzor(2, 2);
    const auto start = std::chrono::steady_clock::now();
    const WynikiReplik w = UruchomRepliki(o, 7, 2, nadzor);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(w.Sygnal, SIGINT);
    EXPECT_TRUE(w.Repliki.empty());
    EXPECT_EQ(nadzor.koncowe, 1);
    EXPECT_LT(nadzor.ostatni.Proby, nadzor.ostatni.WszystkieProby);
}

// The two-start check's ordered start counts in the progress (every attempt
// of both starts, its own mark while it runs) but hands the watcher none of
// its samples: those are the random start's alone.
TEST(NadzorReplik, DrugiStartWPostepieBezProbek) {
    const OpcjeWsadowe o = Opcje({"--osie", "6", "--iteracje", "10000", "--co", "2000", "--lambda",
                                  "0.3:1.5:0.6", "--powtorzenia", "3", "--dwa-starty"});
    NadzorTestowy nadzor(3);
    const WynikiReplik w = UruchomRepliki(o, 7, 2, nadzor);
    ASSERT_EQ(w.Repliki.size(), 3u);
    for (const LicznikProbek& p : nadzor.probki) {
        EXPECT_EQ(p.serie.size(), 21u);
    }
    EXPECT_EQ(nadzor.ostatni.Proby, nadzor.ostatni.WszystkieProby);
    EXPECT_EQ(nadzor.ostatni.WszystkieProby, 2LL * 3 * 3 * 6 * 2000);
    EXPECT_FALSE(nadzor.ostatni.DrugiStart);
}
