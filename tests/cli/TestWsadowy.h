#pragma once

#include "DoKonca.h"
#include "MalaSiec.h"
#include "Obliczenia.h"
#include "PrzebiegWsadowy.h"
#include "StaleZiarno.h"
#include "ZegarMilisekundy.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

// A batch run in a folder of its own, removed after the test, with its exit
// status and what it printed.
class TestWsadowy : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("fazolab-batch-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    struct Wynik {
        int status;
        std::string wyjscie;
        std::string bledy;
    };
    Wynik Uruchom(std::vector<std::string> argumenty) {
        ZegarMilisekundy zegar(1);
        return Uruchom(std::move(argumenty), zegar);
    }
    Wynik Uruchom(std::vector<std::string> argumenty, ZrodloZiarna& zegar) {
        std::ostringstream wyjscie, bledy;
        const int status = UruchomWsadowo(argumenty, zegar, wyjscie, bledy, false);
        return {status, wyjscie.str(), bledy.str()};
    }
    std::string Plik(const std::string& nazwa) const { return (folder_ / nazwa).string(); }
    static std::string Czytaj(const std::string& sciezka) {
        std::ifstream plik(sciezka, std::ios::binary);
        return {std::istreambuf_iterator<char>(plik), {}};
    }

    std::filesystem::path folder_;
};

inline std::vector<std::string> Z(std::vector<std::string> a,
                                  std::initializer_list<std::string> b) {
    a.insert(a.end(), b);
    return a;
}

// The small series as the batch runner is asked for it (the seed last), and
// the same run of the window's engine.
inline const std::vector<std::string> MalaSeriaZZiarnem =
    Z(mala::Opcje(mala::ParametrySerii()), {"--ziarno", "4242"});

inline std::unique_ptr<Obliczenia> SilnikMalejSerii(StaleZiarno& ziarno) {
    auto obl = std::make_unique<Obliczenia>(ziarno);
    obl->PrzygotujObliczenia(mala::ParametrySerii());
    DoKonca(*obl);
    return obl;
}
