#include "Siec.h"

#include "GeometriaSieci.h"
#include "Sasiedztwo.h"

#include <algorithm>

namespace {
constexpr int Bok = Siec::MaxOs + 2;
} // namespace

Siec::Siec() : komorki_(static_cast<std::size_t>(Bok) * Bok * Bok, 0) {
    UstawRozmiar(RodzajSieci::Kwadratowa, 10, 10, 1);
}

void Siec::UstawRozmiar(RodzajSieci rodzaj, int nx, int ny, int nz) {
    rodzaj_ = rodzaj;
    nx_ = nx;
    ny_ = ny;
    nz_ = JestPlaska(rodzaj) ? 1 : nz;
    q_ = LiczbaSasiadowRodzaju(rodzaj);
    sx_ = nx_ + 2;
    sxy_ = sx_ * (ny_ + 2);
    baza_ = JestPlaska(rodzaj) ? sxy_ : 0;
    const std::size_t komorek = static_cast<std::size_t>(sxy_) * (nz_ + 2) - baza_;
    if (komorek > komorki_.size()) {
        komorki_.resize(komorek, 0);
    }
}

void Siec::WyczyscRamke() {
    const std::size_t komorek =
        static_cast<std::size_t>(sxy_) * (JestPlaska(rodzaj_) ? 1 : nz_ + 2);
    std::fill_n(komorki_.begin(), komorek, std::uint8_t{0});
}

void Siec::OdswiezBrzegi() {
    const int z0 = 1;
    const int z1 = nz_;
    for (int z = z0; z <= z1; ++z) {
        for (int y = 1; y <= ny_; ++y) {
            komorki_[Indeks(0, y, z)] = komorki_[Indeks(nx_, y, z)];
            komorki_[Indeks(nx_ + 1, y, z)] = komorki_[Indeks(1, y, z)];
        }
    }
    for (int z = z0; z <= z1; ++z) {
        std::copy_n(&komorki_[Indeks(1, ny_, z)], nx_, &komorki_[Indeks(1, 0, z)]);
        std::copy_n(&komorki_[Indeks(1, 1, z)], nx_, &komorki_[Indeks(1, ny_ + 1, z)]);
    }
    if (rodzaj_ == RodzajSieci::Kubiczna3D) {
        for (int y = 1; y <= ny_; ++y) {
            std::copy_n(&komorki_[Indeks(1, y, nz_)], nx_, &komorki_[Indeks(1, y, 0)]);
            std::copy_n(&komorki_[Indeks(1, y, 1)], nx_, &komorki_[Indeks(1, y, nz_ + 1)]);
        }
    } else {
        const unsigned kopie =
            NaRodzaju(rodzaj_, [&](auto r) { return KopieRogow<r()>(nx_, ny_); });
        for (int r = 0; r < 4; ++r) {
            if ((kopie >> r) & 1u) {
                const RogBloku rog = Rog(r, nx_, ny_);
                komorki_[Indeks(rog.KopiaX, rog.KopiaY, 1)] = komorki_[Indeks(rog.X, rog.Y, 1)];
            }
        }
    }
}

Siec::Sasiedzi Siec::SasiedziWezla(int x, int y, int z) const {
    return NaRodzaju(rodzaj_, [&](auto r) {
        using G = GeometriaSieci<r()>;
        Sasiedzi s{};
        const auto& kroki = G::Sasiedzi[G::Parzystosc(x, y)];
        for (std::size_t j = 0; j < kroki.size(); ++j) {
            s[j] = Wezel{x + kroki[j].dx, y + kroki[j].dy, z + kroki[j].dz};
        }
        return s;
    });
}

int Siec::IloscSasiadowB(int x, int y, int z, int wymagany) const {
    if (JestPlaska(rodzaj_)) {
        z = 1;
    }
    if (Wartosc(x, y, z) != wymagany) {
        return 0;
    }
    const Sasiedzi s = SasiedziWezla(x, y, z);
    int wynik = 0;
    for (int i = 0; i < q_; ++i) {
        wynik += Wartosc(s[i].x, s[i].y, s[i].z) == 0 ? 1 : 0;
    }
    return wynik;
}

bool Siec::Sasiednie(const Wezel& a, const Wezel& b) const {
    return NaRodzaju(rodzaj_, [&](auto r) {
        return SasiednieOkresowo<r()>(a.x, a.y, a.z, b.x, b.y, b.z, nx_, ny_, nz_);
    });
}

// Visits the atoms with z outermost, then y, then x, handing the cell index,
// x and y to the body.
template <class Cialo> void Siec::ZaKazdymAtomem(Cialo&& cialo) const {
    for (int z = 1; z <= nz_; ++z) {
        for (int y = 1; y <= ny_; ++y) {
            const std::size_t wiersz = Indeks(0, y, z);
            for (int x = 1; x <= nx_; ++x) {
                cialo(wiersz + static_cast<std::size_t>(x), x, y);
            }
        }
    }
}

template <RodzajSieci R, class Cialo> void Siec::ZaKazdymOtoczeniem(Cialo&& cialo) const {
    const std::uint8_t* c = komorki_.data();
    const std::ptrdiff_t sx = sx_;
    const std::ptrdiff_t sxy = sxy_;
    const auto os = [sx, sxy](int osi, int krok) -> std::ptrdiff_t {
        return krok * (osi == 0 ? 1 : osi == 1 ? sx : sxy);
    };
    ZaKazdymAtomem([&](std::size_t i, int x, int y) {
        int sasiedziA = 0;
        for (const std::ptrdiff_t d : OdstepySasiadow<R>(GeometriaSieci<R>::Parzystosc(x, y), os)) {
            sasiedziA += c[static_cast<std::ptrdiff_t>(i) + d] & 1;
        }
        cialo(i, c[i] & 1, sasiedziA);
    });
}

int Siec::PoliczParyAB() const {
    // Every unlike pair seen from both of its atoms.
    int razy2 = 0;
    NaRodzaju(rodzaj_, [&](auto r) {
        ZaKazdymOtoczeniem<r()>([&](std::size_t, int v, int a) { razy2 += v ? q_ - a : a; });
    });
    return razy2 / 2;
}

std::array<int, LiczbaSlupkow> Siec::HistogramSasiadow() const {
    std::array<int, LiczbaSlupkow> licznik{};
    NaRodzaju(rodzaj_, [&](auto r) {
        ZaKazdymOtoczeniem<r()>([&](std::size_t, int v, int a) { ++licznik[v ? q_ - a : a]; });
    });
    return licznik;
}

int Siec::IloscAtomowA() const {
    int a = 0;
    ZaKazdymAtomem([&](std::size_t i, int, int) { a += komorki_[i] & 1; });
    return a;
}

void Siec::PoliczOdNowa() {
    OdswiezBrzegi();
    liczniki_.ParyAB = PoliczParyAB();
    liczniki_.Histogram = HistogramSasiadow();
    PoliczOtoczenie();
}

void Siec::UzupelnijLiczniki() {
    OdswiezBrzegi();
    // Atoms by their byte, in four tallies taken in turn, so that a run of
    // equal bytes (an ordered lattice) does not wait on one counter.
    constexpr int Stany = 2 * (MaxSasiadow + 1);
    std::array<std::array<int, Stany>, 4> ile{};
    for (int z = 1; z <= nz_; ++z) {
        for (int y = 1; y <= ny_; ++y) {
            const std::uint8_t* w = &komorki_[Indeks(1, y, z)];
            int x = 0;
            for (; x + 4 <= nx_; x += 4) {
                ++ile[0][w[x]];
                ++ile[1][w[x + 1]];
                ++ile[2][w[x + 2]];
                ++ile[3][w[x + 3]];
            }
            for (; x < nx_; ++x) {
                ++ile[0][w[x]];
            }
        }
    }
    // An A atom with a A neighbours has q - a unlike ones, a B atom a.
    std::array<int, LiczbaSlupkow>& h = liczniki_.Histogram;
    h = {};
    for (int s = 0; s < 2 * (q_ + 1); ++s) {
        const int a = s >> 1;
        h[(s & 1) != 0 ? q_ - a : a] += ile[0][s] + ile[1][s] + ile[2][s] + ile[3][s];
    }
}

namespace {
std::uint8_t BajtOtoczenia(int rodzaj, int sasiedziA) {
    return static_cast<std::uint8_t>(rodzaj | sasiedziA << 1);
}
} // namespace

void Siec::PoliczOtoczenie() {
    // Only the kind bits are read, so the counts can be written in place.
    std::uint8_t* o = komorki_.data();
    NaRodzaju(rodzaj_, [&](auto r) {
        ZaKazdymOtoczeniem<r()>([&](std::size_t i, int v, int a) { o[i] = BajtOtoczenia(v, a); });
    });
}
