#include "UruchomRepliki.h"

#include "NadzorReplik.h"
#include "Obliczenia.h"
#include "OpcjeWsadowe.h"
#include "PostepWatku.h"
#include "SilnikRepliki.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace {
// Replicas are handed out one at a time, so a core that finishes early takes
// the next; where a replica's results land depends only on its number.
class Pula {
public:
    Pula(const OpcjeWsadowe& opcje, std::uint32_t ziarno, int watki)
        : opcje_(opcje), ziarno_(ziarno), od_(opcje.Czesc.Od(opcje.Powtorzenia)),
          do_(opcje.Czesc.Do(opcje.Powtorzenia)), nastepna_(od_),
          postep_(static_cast<std::size_t>(watki)), bledy_(static_cast<std::size_t>(watki)) {
        const auto replik = static_cast<std::size_t>(do_ - od_);
        wyniki_.Repliki.resize(replik);
        wyniki_.Przebiegi.resize(replik);
        przygotowania_.resize(replik);
    }

    void Uruchom(NadzorReplik& nadzor);
    WynikiReplik Wyniki();

private:
    void Pracuj(std::size_t watek, NadzorReplik& nadzor);
    PostepReplik Postep() const;

    const OpcjeWsadowe& opcje_;
    std::uint32_t ziarno_;
    int od_; // the replicas of this process: od_..do_-1
    int do_;
    std::atomic<int> nastepna_;
    WynikiReplik wyniki_;
    std::vector<WynikZapisu> przygotowania_;
    std::vector<PostepWatku> postep_;
    std::vector<std::exception_ptr> bledy_;
    std::atomic<bool> przerwij_{false};
    int sygnal_ = 0;
    std::mutex mutex_;
    std::condition_variable koniec_;
    std::size_t skonczone_ = 0;
};

void Pula::Pracuj(std::size_t watek, NadzorReplik& nadzor) {
    try {
        // Made by its own thread, so its memory is first touched where it is used.
        const auto silnik = std::make_unique<SilnikRepliki>();
        std::string przebieg;
        for (int k = nastepna_.fetch_add(1); k < do_; k = nastepna_.fetch_add(1)) {
            const auto miejsce = static_cast<std::size_t>(k - od_);
            const bool zPrzebiegiem = !opcje_.Przebieg.empty();
            wyniki_.Repliki[miejsce] =
                silnik->Uruchom(opcje_, k, ziarno_, zPrzebiegiem, przebieg,
                                nadzor.ObserwatorProbek(k), postep_[watek], przerwij_);
            // Written now, so that the traces of all replicas are never held
            // in memory at once; an interrupted replica's is of no use.
            if (zPrzebiegiem && !przerwij_.load(std::memory_order_relaxed)) {
                przygotowania_[miejsce] = wyniki_.Przebiegi[miejsce].Przygotuj(
                    NazwaPrzebiegu(opcje_.Przebieg, k, opcje_.Powtorzenia), przebieg);
            }
        }
    } catch (...) {
        bledy_[watek] = std::current_exception();
        // The others stop after their current replica.
        nastepna_.store(do_);
    }
    const std::lock_guard blokada(mutex_);
    ++skonczone_;
    koniec_.notify_one();
}

PostepReplik Pula::Postep() const {
    const ParametrySymulacji& p = opcje_.Parametry;
    PostepReplik wynik;
    wynik.Replik = do_ - od_;
    wynik.LiczbaSerii = LiczbaSerii(p);
    for (const PostepWatku& w : postep_) {
        wynik.Proby += w.Proby.load(std::memory_order_relaxed);
        wynik.Ukonczone += w.UkonczoneRepliki.load(std::memory_order_relaxed);
    }
    wynik.Seria = postep_[0].Seria.load(std::memory_order_relaxed);
    wynik.Iteracja = postep_[0].Iteracja.load(std::memory_order_relaxed);
    wynik.DrugiStart = postep_[0].DrugiStart.load(std::memory_order_relaxed);
    wynik.MaxIteracji = p.MaxIloscCykli;
    wynik.WszystkieProby = ProbyNaReplike(opcje_) * wynik.Replik;
    return wynik;
}

WynikiReplik Pula::Wyniki() {
    if (sygnal_ != 0) {
        // What the replicas left is incomplete: none of it is kept.
        WynikiReplik przerwane;
        przerwane.Sygnal = sygnal_;
        return przerwane;
    }
    for (WynikZapisu& w : przygotowania_) {
        if (!w.Udany()) {
            wyniki_.BledyPrzebiegow.push_back(std::move(w));
        }
    }
    return std::move(wyniki_);
}

void Pula::Uruchom(NadzorReplik& nadzor) {
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
    // WebAssembly without threads (Node, a Web Worker): the one worker runs
    // every replica in turn on the calling thread, where no signal arrives.
    Pracuj(0, nadzor);
#else
    std::vector<std::thread> watki;
    try {
        for (std::size_t w = 0; w < postep_.size(); ++w) {
            watki.emplace_back(&Pula::Pracuj, this, w, std::ref(nadzor));
        }
    } catch (...) {
        // The system gave fewer threads than asked: those started stop at
        // their next step, and the failure goes to the caller.
        przerwij_.store(true, std::memory_order_relaxed);
        nastepna_.store(do_);
        for (std::thread& w : watki) {
            w.join();
        }
        throw;
    }
    {
        std::unique_lock blokada(mutex_);
        while (!koniec_.wait_for(blokada, std::chrono::milliseconds(100),
                                 [&] { return skonczone_ == watki.size(); })) {
            // Asked without the lock: the watcher may take its time (a
            // caller's callback), and the workers report their end meanwhile.
            blokada.unlock();
            const int sygnal = nadzor.Przerwanie();
            if (sygnal != 0 && sygnal_ == 0) {
                sygnal_ = sygnal;
                przerwij_.store(true, std::memory_order_relaxed);
                nastepna_.store(do_);
            }
            nadzor.Postep(Postep(), false);
            blokada.lock();
        }
    }
    for (std::thread& w : watki) {
        w.join();
    }
#endif
    nadzor.Postep(Postep(), true);
    for (const std::exception_ptr& blad : bledy_) {
        if (blad) {
            std::rethrow_exception(blad);
        }
    }
}
} // namespace

WynikiReplik UruchomRepliki(const OpcjeWsadowe& opcje, std::uint32_t ziarno, int watki,
                            NadzorReplik& nadzor) {
    const int replik = opcje.Czesc.Do(opcje.Powtorzenia) - opcje.Czesc.Od(opcje.Powtorzenia);
    Pula pula(opcje, ziarno, std::clamp(watki, 1, replik));
    pula.Uruchom(nadzor);
    return pula.Wyniki();
}

long long ProbyNaReplike(const OpcjeWsadowe& opcje) {
    const ParametrySymulacji& p = opcje.Parametry;
    const long long serii = LiczbaSerii(p);
    const long long przedzial = Przedzial(p).Iteracje();
    // The two-start check runs every series twice.
    return serii * (p.MaxIloscCykli / przedzial + 1) * przedzial * (opcje.DwaStarty ? 2 : 1);
}

std::string NazwaPrzebiegu(const std::string& sciezka, int replika, int liczbaReplik) {
    if (liczbaReplik == 1) {
        return sciezka;
    }
    const std::filesystem::path p(sciezka);
    std::string nazwa = p.stem().string();
    nazwa += '.';
    nazwa += std::to_string(replika);
    nazwa += p.extension().string();
    return (p.parent_path() / nazwa).string();
}
