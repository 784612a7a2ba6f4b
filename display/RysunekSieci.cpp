#include "RysunekSieci.h"

#include "GeometriaSieci.h"
#include "ObrazSieci.h"
#include "Siec.h"
#include "TRot3D.h"

#include <QColor>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
const QColor KolorA3D(0x00, 0xFF, 0x00);
const QColor KolorB3D(0x00, 0x00, 0xFF);

// A point of the 3D view as it paints one: a disc 7 pixels across.
QImage Punkt3D(const QColor& kolor) {
    QImage punkt(7, 7, QImage::Format_ARGB32);
    punkt.fill(Qt::transparent);
    QPainter malarz(&punkt);
    malarz.setPen(kolor);
    malarz.setBrush(kolor);
    malarz.drawEllipse(0, 0, 6, 6);
    return punkt;
}

QString OpisObrazka(int indeks) {
    switch (indeks) {
    case 3:
        return QStringLiteral("niebieska kula");
    case 6:
        return QStringLiteral("bursztynowa kula");
    case 8:
    case 9:
    case 10:
        return QStringLiteral("czerwony kwadrat");
    default:
        return QStringLiteral("zielony kwadrat");
    }
}

std::array<int, 3> ProgiRodzaju(RodzajSieci rodzaj) {
    switch (rodzaj) {
    case RodzajSieci::Kubiczna3D:
    case RodzajSieci::Kwadratowa:
        return {21, 44, 90};
    case RodzajSieci::Trojkatna:
        return {21, 44, 88};
    case RodzajSieci::Heksagonalna:
        return {11, 24, 50};
    }
    return {21, 44, 90};
}

} // namespace

RysunekSieci::RysunekSieci(const Siec& siec, ObrazSieci& ISiecXYZ, TRot3D& RotSiec3D)
    : siec_(siec), ISiecXYZ_(ISiecXYZ), RotSiec3D_(RotSiec3D) {}

std::pair<int, int> RysunekSieci::ZakresOsiZ(const Siec& siec, bool atomySasiadujace) {
    if (JestPlaska(siec.Rodzaj())) {
        return {1, 1};
    }
    return atomySasiadujace ? std::pair{0, siec.Nz() + 1} : std::pair{1, siec.Nz()};
}

// The hidden Z size of the flat kinds does not count: the flat lattice has one
// plane, and the pitch must follow only the axes that are drawn.
bool RysunekSieci::PonizejPierwszegoProgu() const {
    const int prog = ProgiSkali_[0];
    return siec_.Nx() < prog || siec_.Ny() < prog ||
           (!JestPlaska(siec_.Rodzaj()) && siec_.Nz() < prog);
}

void RysunekSieci::UstawTlo() {
    ProgiSkali_ = ProgiRodzaju(siec_.Rodzaj());
    QImage& plotno = ISiecXYZ_.Plotno();
    QPainter painter(&plotno);
    painter.setPen(Qt::black);
    painter.setBrush(PonizejPierwszegoProgu() ? Qt::white : Qt::black);
    painter.drawRect(0, 0, plotno.width() - 1, plotno.height() - 1);
    painter.end();
    ISiecXYZ_.update();
}

void RysunekSieci::WybierzSkale() {
    const int nz = JestPlaska(siec_.Rodzaj()) ? 0 : siec_.Nz();
    const int najwiekszy = std::max({siec_.Nx(), siec_.Ny(), nz});
    if (PonizejPierwszegoProgu()) {
        rozmiarAtomu_ = 16;
        obrazekB_ = 3;
        obrazekA_ = 6;
    } else if (najwiekszy >= ProgiSkali_[2]) {
        rozmiarAtomu_ = 2;
        obrazekB_ = 8;
        obrazekA_ = 11;
    } else if (najwiekszy >= ProgiSkali_[1]) {
        rozmiarAtomu_ = 4;
        obrazekB_ = 9;
        obrazekA_ = 12;
    } else {
        rozmiarAtomu_ = 8;
        obrazekB_ = 10;
        obrazekA_ = 13;
    }
}

Rysunek RysunekSieci::RysujSiec(const KontrolkiRysunku& kontrolki) {
    if (kontrolki.Widok3D) {
        RysujSiec3D();
        return Rysunek::Widok3D;
    }
    if (kontrolki.WylaczGrafike) {
        return Rysunek::Wylaczony;
    }
    WybierzSkale();
    switch (siec_.Rodzaj()) {
    case RodzajSieci::Kubiczna3D:
    case RodzajSieci::Kwadratowa:
        RysujSiecKwadratowa(kontrolki);
        break;
    case RodzajSieci::Trojkatna:
        RysujSiecTrojkatna(kontrolki);
        break;
    case RodzajSieci::Heksagonalna:
        RysujSiecHeksagonalna(kontrolki);
        break;
    }
    ISiecXYZ_.repaint();
    return Rysunek::Widok2D;
}

// The origin is formed in real arithmetic and truncated toward zero, so a
// lattice wider than the area starts at a small negative offset and is clipped
// evenly on both sides.
std::pair<int, int> RysunekSieci::Poczatek(bool heksagonalna) const {
    const double p = rozmiarAtomu_;
    const double w = ObrazSieci::Szerokosc / 2.0;
    const double h = ObrazSieci::Wysokosc / 2.0;
    const double x0 = heksagonalna ? w - siec_.Nx() * p - 2.0 * p : w - siec_.Nx() * p / 2.0 - p;
    const double y0 = h - siec_.Ny() * p / 2.0 - p;
    return {static_cast<int>(std::trunc(x0)), static_cast<int>(std::trunc(y0))};
}

template <class Pozycja>
void RysunekSieci::RysujKomorki(bool atomySasiadujace, int z, Pozycja&& pozycja) {
    const int od = atomySasiadujace ? 0 : 1;
    const int doX = atomySasiadujace ? siec_.Nx() + 1 : siec_.Nx();
    const int doY = atomySasiadujace ? siec_.Ny() + 1 : siec_.Ny();
    QImage& plotno = ISiecXYZ_.Plotno();
    for (int j = od; j <= doY; ++j) {
        for (int i = od; i <= doX; ++i) {
            const auto [x, y] = pozycja(i, j);
            ILAtomy_.Rysuj(plotno, x, y, siec_.Wartosc(i, j, z) != 0 ? obrazekA_ : obrazekB_);
        }
    }
}

void RysunekSieci::RysujSiecKwadratowa(const KontrolkiRysunku& kontrolki) {
    const auto [x0, y0] = Poczatek(false);
    const int p = rozmiarAtomu_;
    // A slider position outside the planes of the frame would read outside
    // the lattice; the nearest plane is shown instead.
    const auto [najnizsza, najwyzsza] = ZakresOsiZ(siec_, kontrolki.AtomySasiadujace);
    const int k = std::clamp(kontrolki.PozycjaOsiZ, najnizsza, najwyzsza);
    if (kontrolki.AtomySasiadujace && k == 0) {
        opisPlaszczyzny_ = QStringLiteral("Płaszczyzna: (0,0,P)");
    } else if (kontrolki.AtomySasiadujace && k == siec_.Nz() + 1) {
        opisPlaszczyzny_ = QStringLiteral("Płaszczyzna: (0,0,K)");
    } else {
        opisPlaszczyzny_ = QStringLiteral("Płaszczyzna: (0,0,%1)").arg(k - 1);
    }
    RysujKomorki(kontrolki.AtomySasiadujace, k, [&](int i, int j) {
        return std::pair{x0 + p * i, y0 + p * j};
    });
}

// A row whose diagonal neighbours lie at x + 1 sits half a pitch to the
// right of the others, so that every neighbour is as near as the lattice's
// steps make it.
void RysunekSieci::RysujSiecTrojkatna(const KontrolkiRysunku& kontrolki) {
    using G = GeometriaSieci<RodzajSieci::Trojkatna>;
    const auto [x0, y0] = Poczatek(false);
    const int p = rozmiarAtomu_;
    const int h = p / 2;
    RysujKomorki(kontrolki.AtomySasiadujace, 1, [&](int i, int j) {
        const bool wPrawo = MaKrok<RodzajSieci::Trojkatna>(G::Parzystosc(i, j), 1, 1, 0);
        return std::pair{x0 + p * i + (wPrawo ? h : 0), y0 + p * j};
    });
}

// The honeycomb in brick-wall form: a site and its horizontal neighbour touch,
// pairs are three pitches apart, and each column takes two pitches; a site
// whose horizontal bond goes to x + 1 sits a pitch to the right.
void RysunekSieci::RysujSiecHeksagonalna(const KontrolkiRysunku& kontrolki) {
    using G = GeometriaSieci<RodzajSieci::Heksagonalna>;
    const auto [x0, y0] = Poczatek(true);
    const int p = rozmiarAtomu_;
    RysujKomorki(kontrolki.AtomySasiadujace, 1, [&](int i, int j) {
        const bool wPrawo = MaKrok<RodzajSieci::Heksagonalna>(G::Parzystosc(i, j), 1, 0, 0);
        return std::pair{x0 + 2 * p * i + (wPrawo ? p : 0), y0 + p * j};
    });
}

void RysunekSieci::RysujSiec3D() {
    RotSiec3D_.ClearPoints();
    for (int z = 1; z <= siec_.Nz(); ++z) {
        for (int y = 1; y <= siec_.Ny(); ++y) {
            for (int x = 1; x <= siec_.Nx(); ++x) {
                RotSiec3D_.SetPointColor(siec_.Wartosc(x, y, z) != 0 ? KolorA3D : KolorB3D);
                RotSiec3D_.AddPoint(TRot3D::ZnakKola, x, y, z);
            }
        }
    }
    RotSiec3D_.UpdateView();
}

ZnakiAtomow RysunekSieci::Znaki(bool widok3D) const {
    if (widok3D) {
        return {Punkt3D(KolorA3D), Punkt3D(KolorB3D), Qt::white, QStringLiteral("zielony punkt"),
                QStringLiteral("niebieski punkt")};
    }
    return {ILAtomy_.Obrazek(obrazekA_), ILAtomy_.Obrazek(obrazekB_),
            rozmiarAtomu_ == 16 ? QColor(Qt::white) : QColor(Qt::black), OpisObrazka(obrazekA_),
            OpisObrazka(obrazekB_)};
}
