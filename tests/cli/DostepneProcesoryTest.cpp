#include "DostepneProcesory.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <stdlib.h>
#include <thread>

namespace {
// The count as a thread pinned to its first allowed processor sees it.
int NaJednymProcesorze() {
    int wynik = 0;
    std::thread([&] {
        cpu_set_t maska;
        CPU_ZERO(&maska);
        sched_getaffinity(0, sizeof maska, &maska);
        int pierwszy = 0;
        while (!CPU_ISSET(pierwszy, &maska)) {
            ++pierwszy;
        }
        CPU_ZERO(&maska);
        CPU_SET(pierwszy, &maska);
        sched_setaffinity(0, sizeof maska, &maska);
        wynik = DostepneProcesory();
    }).join();
    return wynik;
}

class DostepneProcesoryTest : public ::testing::Test {
protected:
    void SetUp() override { unsetenv("SLURM_CPUS_PER_TASK"); }
    void TearDown() override { unsetenv("SLURM_CPUS_PER_TASK"); }
};

TEST_F(DostepneProcesoryTest, MaskaPowinowactwaOgraniczaLiczbe) {
    cpu_set_t maska;
    CPU_ZERO(&maska);
    ASSERT_EQ(sched_getaffinity(0, sizeof maska, &maska), 0);
    EXPECT_EQ(DostepneProcesory(), CPU_COUNT(&maska));
    EXPECT_EQ(NaJednymProcesorze(), 1);
}

TEST_F(DostepneProcesoryTest, ZadanieSlurmaDostajeTyleIlePrzydzielono) {
    const int wszystkie = DostepneProcesory();
    setenv("SLURM_CPUS_PER_TASK", "1", 1);
    EXPECT_EQ(DostepneProcesory(), 1);
    // More than the mask allows does not raise the count.
    setenv("SLURM_CPUS_PER_TASK", "4096", 1);
    EXPECT_EQ(DostepneProcesory(), wszystkie);
    for (const char* zle : {"", "0", "-2", "2x", "99999999999999999999"}) {
        setenv("SLURM_CPUS_PER_TASK", zle, 1);
        EXPECT_EQ(DostepneProcesory(), wszystkie) << zle;
    }
}
} // namespace
