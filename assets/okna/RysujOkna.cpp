// Draws the pictures of the windows (splash, main menu and its picture
// buttons, the strip and the panel of the simulation window, the stage and
// button icons, the program icon) into <assets>/okna, and the clip shown while
// a series runs without drawing into <assets>/Dane/anim.dat. The clip's frames
// are drawn here and put together by ImageMagick's `convert`. The outputs are
// kept in the repository; run this again (target fazolab_okna) only to change
// their look.
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRadialGradient>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <random>
#include <vector>

namespace {

const QColor Granat(8, 24, 50);
const QColor Glebia(14, 48, 88);
const QColor Morski(16, 112, 122);
const QColor JasnyMorski(120, 215, 215);
const QColor Bursztyn(235, 168, 40);
const QColor AtomA(228, 160, 24);
const QColor AtomB(66, 110, 240);
const QColor Napis(236, 244, 250);
// The splash window is cut out along this colour, matched exactly.
const QColor Przezroczysty(128, 128, 128);

QFont Czcionka(int piksele, bool gruba) {
    QFont czcionka(QStringLiteral("DejaVu Sans"));
    czcionka.setPixelSize(piksele);
    czcionka.setBold(gruba);
    czcionka.setStyleStrategy(QFont::PreferAntialias);
    return czcionka;
}

QImage Pusty(int szerokosc, int wysokosc) {
    QImage obraz(szerokosc, wysokosc, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    return obraz;
}

void Wygladz(QPainter& malarz) {
    malarz.setRenderHint(QPainter::Antialiasing);
    malarz.setRenderHint(QPainter::TextAntialiasing);
    malarz.setRenderHint(QPainter::SmoothPixmapTransform);
}

void Kula(QPainter& malarz, QPointF srodek, double promien, const QColor& kolor, int krycie = 255) {
    QColor jasny = kolor.lighter(175);
    QColor sredni = kolor;
    QColor ciemny = kolor.darker(230);
    jasny.setAlpha(krycie);
    sredni.setAlpha(krycie);
    ciemny.setAlpha(krycie);
    QRadialGradient gradient(srodek + QPointF(-promien * 0.35, -promien * 0.4), promien * 1.35);
    gradient.setColorAt(0.0, jasny);
    gradient.setColorAt(0.45, sredni);
    gradient.setColorAt(1.0, ciemny);
    malarz.setPen(Qt::NoPen);
    malarz.setBrush(gradient);
    malarz.drawEllipse(srodek, promien, promien);
}

void TloGlebi(QPainter& malarz, const QRectF& prostokat) {
    QLinearGradient gradient(prostokat.topLeft(), prostokat.bottomRight());
    gradient.setColorAt(0.0, Granat);
    gradient.setColorAt(0.55, Glebia);
    gradient.setColorAt(1.0, Morski.darker(140));
    malarz.fillRect(prostokat, gradient);
}

void NapisZCieniem(QPainter& malarz, const QRectF& prostokat, int wyrownanie, const QString& tekst,
                   const QColor& kolor) {
    malarz.setPen(QColor(0, 0, 0, 150));
    malarz.drawText(prostokat.translated(1.5, 1.5), wyrownanie, tekst);
    malarz.setPen(kolor);
    malarz.drawText(prostokat, wyrownanie, tekst);
}

// Whether the site (i, j) of a strip holds atom A: the ordered chessboard with
// a share of sites left random, growing towards the disordered end.
bool AtomAWPasie(int i, int j, double nieporzadek, std::mt19937& los) {
    std::uniform_real_distribution<double> rozklad(0.0, 1.0);
    if (rozklad(los) < nieporzadek) {
        return rozklad(los) < 0.5;
    }
    return (i + j) % 2 == 0;
}

// A flat square lattice whose order grows from left (random) to right
// (chessboard), with its bonds.
void PasSieci(QPainter& malarz, QPointF poczatek, int kolumny, int wiersze, double krok,
              double promien, int krycie) {
    std::mt19937 los(7);
    QColor wiazanie = JasnyMorski;
    wiazanie.setAlpha(krycie / 4);
    malarz.setPen(QPen(wiazanie, 1.2));
    for (int j = 0; j < wiersze; ++j) {
        const double y = poczatek.y() + j * krok;
        malarz.drawLine(QPointF(poczatek.x(), y), QPointF(poczatek.x() + (kolumny - 1) * krok, y));
    }
    for (int i = 0; i < kolumny; ++i) {
        const double x = poczatek.x() + i * krok;
        malarz.drawLine(QPointF(x, poczatek.y()), QPointF(x, poczatek.y() + (wiersze - 1) * krok));
    }
    for (int i = 0; i < kolumny; ++i) {
        const double nieporzadek = 1.0 - double(i) / (kolumny - 1);
        for (int j = 0; j < wiersze; ++j) {
            const bool a = AtomAWPasie(i, j, nieporzadek, los);
            Kula(malarz, poczatek + QPointF(i * krok, j * krok), promien, a ? AtomA : AtomB,
                 krycie);
        }
    }
}

// An ordered simple cubic lattice (A and B alternating on every axis) seen
// from above and the right, drawn back to front.
void SzescianSieci(QPainter& malarz, QPointF srodek, int n, double krok, double promien) {
    struct Wezel {
        QPointF punkt;
        double glebia;
        bool a;
    };
    auto rzut = [&](double x, double y, double z) {
        const double polowa = (n - 1) / 2.0;
        x -= polowa;
        y -= polowa;
        z -= polowa;
        return srodek + QPointF(krok * (x - 0.45 * z), krok * (-y + 0.32 * z));
    };
    QColor wiazanie = JasnyMorski;
    wiazanie.setAlpha(70);
    malarz.setPen(QPen(wiazanie, 1.3));
    for (int a = 0; a < n; ++a) {
        for (int b = 0; b < n; ++b) {
            malarz.drawLine(rzut(0, a, b), rzut(n - 1, a, b));
            malarz.drawLine(rzut(a, 0, b), rzut(a, n - 1, b));
            malarz.drawLine(rzut(a, b, 0), rzut(a, b, n - 1));
        }
    }
    std::vector<Wezel> wezly;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            for (int z = 0; z < n; ++z) {
                wezly.push_back({rzut(x, y, z), double(z) * 10 - x + y, (x + y + z) % 2 == 0});
            }
        }
    }
    std::sort(wezly.begin(), wezly.end(),
              [](const Wezel& l, const Wezel& p) { return l.glebia > p.glebia; });
    for (const Wezel& w : wezly) {
        Kula(malarz, w.punkt, promien, w.a ? AtomA : AtomB);
    }
}

// Splash: a rounded card with a round medallion at the upper right; outside
// the shape the picture is the cut-out grey, with no blended pixels between.
QImage Logo() {
    QImage obraz = Pusty(452, 373);
    QPainterPath ksztalt;
    ksztalt.addRoundedRect(QRectF(4, 34, 444, 335), 30, 30);
    QPainterPath medalion;
    medalion.addEllipse(QPointF(362, 96), 84, 84);
    ksztalt = ksztalt.united(medalion);
    {
        QPainter malarz(&obraz);
        Wygladz(malarz);
        malarz.setClipPath(ksztalt);
        TloGlebi(malarz, obraz.rect());
        QRadialGradient poswiata(QPointF(362, 96), 84);
        poswiata.setColorAt(0.0, QColor(40, 150, 160, 160));
        poswiata.setColorAt(1.0, QColor(20, 60, 100, 40));
        malarz.setBrush(poswiata);
        malarz.setPen(Qt::NoPen);
        malarz.drawEllipse(QPointF(362, 96), 84, 84);
        malarz.save();
        malarz.setClipPath(medalion, Qt::IntersectClip);
        SzescianSieci(malarz, QPointF(366, 100), 3, 33, 9.5);
        malarz.restore();

        malarz.setFont(Czcionka(60, true));
        NapisZCieniem(malarz, QRectF(28, 52, 260, 80), Qt::AlignLeft | Qt::AlignVCenter,
                      QStringLiteral("Fazolab"), Napis);
        malarz.fillRect(QRectF(30, 134, 230, 3), Bursztyn);
        malarz.setFont(Czcionka(16, false));
        NapisZCieniem(malarz, QRectF(30, 146, 250, 66), Qt::AlignLeft | Qt::AlignTop,
                      QStringLiteral("Symulacje przejść fazowych\n"
                                     "porządek-nieporządek\n"
                                     "metodą Monte Carlo"),
                      JasnyMorski.lighter(115));

        PasSieci(malarz, QPointF(40, 234), 19, 3, 20.5, 7, 255);
        malarz.setFont(Czcionka(11, false));
        malarz.setPen(QColor(190, 215, 230));
        const QRectF podpisy(30, 283, 392, 16);
        malarz.drawText(podpisy, Qt::AlignLeft, QStringLiteral("nieporządek"));
        malarz.drawText(podpisy, Qt::AlignRight, QStringLiteral("porządek"));
        malarz.drawText(podpisy, Qt::AlignHCenter, QStringLiteral("\u03bb rośnie  \u2192"));

        malarz.setFont(Czcionka(12, false));
        malarz.setPen(QColor(170, 200, 220));
        malarz.drawText(QRectF(30, 322, 200, 23), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("Stop dwuskładnikowy A\u2013B"));
        malarz.setClipping(false);
        malarz.setBrush(Qt::NoBrush);
        malarz.setPen(QPen(JasnyMorski, 3));
        malarz.drawPath(ksztalt);
    }
    // Edge pixels are laid over the frame colour, so the border carries no
    // trace of the cut-out grey; everything outside becomes that grey.
    const QColor rama = JasnyMorski;
    QImage wynik(obraz.size(), QImage::Format_RGB32);
    for (int y = 0; y < obraz.height(); ++y) {
        for (int x = 0; x < obraz.width(); ++x) {
            const QColor c = QColor::fromRgba(obraz.pixel(x, y));
            QColor p = Przezroczysty;
            if (c.alpha() >= 128) {
                const double a = c.alphaF();
                p = QColor(int(c.red() * a + rama.red() * (1 - a) + 0.5),
                           int(c.green() * a + rama.green() * (1 - a) + 0.5),
                           int(c.blue() * a + rama.blue() * (1 - a) + 0.5));
                if (p == Przezroczysty) {
                    p = QColor(128, 128, 129);
                }
            }
            wynik.setPixel(x, y, p.rgb());
        }
    }
    return wynik;
}

// A rounded caption button drawn over the piece of the picture it stands on.
QImage PrzyciskZaokraglony(const QImage& podklad, const QString& napis, int piksele,
                           bool podMysza) {
    QImage obraz = podklad.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter malarz(&obraz);
    Wygladz(malarz);
    const QRectF r = QRectF(obraz.rect()).adjusted(1, 1, -1, -1);
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    if (podMysza) {
        gradient.setColorAt(0.0, Bursztyn.lighter(130));
        gradient.setColorAt(1.0, Bursztyn.darker(120));
    } else {
        gradient.setColorAt(0.0, Morski.lighter(130));
        gradient.setColorAt(1.0, Morski.darker(150));
    }
    malarz.setBrush(gradient);
    malarz.setPen(QPen(podMysza ? QColor(255, 240, 200) : JasnyMorski, 1.2));
    const double zaokraglenie = std::min(r.height() / 2, 12.0);
    malarz.drawRoundedRect(r, zaokraglenie, zaokraglenie);
    malarz.setFont(Czcionka(piksele, true));
    if (podMysza) {
        malarz.setPen(Granat);
        malarz.drawText(r, Qt::AlignCenter, napis);
    } else {
        NapisZCieniem(malarz, r, Qt::AlignCenter, napis, Napis);
    }
    return obraz;
}

QImage Menu() {
    QImage obraz(600, 400, QImage::Format_ARGB32_Premultiplied);
    QPainter malarz(&obraz);
    Wygladz(malarz);
    QLinearGradient gradient(0, 0, 0, 400);
    gradient.setColorAt(0.0, Granat);
    gradient.setColorAt(0.6, Glebia);
    gradient.setColorAt(1.0, Granat.darker(120));
    malarz.fillRect(obraz.rect(), gradient);
    QRadialGradient poswiata(QPointF(440, 190), 190);
    poswiata.setColorAt(0.0, QColor(30, 140, 150, 120));
    poswiata.setColorAt(1.0, QColor(30, 140, 150, 0));
    malarz.fillRect(obraz.rect(), poswiata);

    malarz.fillRect(QRectF(0, 0, 600, 56), QColor(0, 0, 0, 70));
    malarz.fillRect(QRectF(0, 55, 600, 2), Bursztyn);
    malarz.setFont(Czcionka(28, true));
    NapisZCieniem(malarz, QRectF(14, 1, 300, 34), Qt::AlignLeft | Qt::AlignVCenter,
                  QStringLiteral("Fazolab"), Napis);
    malarz.setFont(Czcionka(12, false));
    NapisZCieniem(malarz, QRectF(15, 34, 580, 18), Qt::AlignLeft | Qt::AlignVCenter,
                  QStringLiteral("Symulacje przejść fazowych porządek-nieporządek metodą "
                                 "Monte Carlo"),
                  JasnyMorski.lighter(115));

    SzescianSieci(malarz, QPointF(448, 188), 4, 44, 10.5);
    Kula(malarz, QPointF(382, 318), 6, AtomA);
    Kula(malarz, QPointF(462, 318), 6, AtomB);
    malarz.setFont(Czcionka(11, false));
    malarz.setPen(QColor(180, 205, 225));
    malarz.drawText(QRectF(394, 310, 60, 16), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("atom A"));
    malarz.drawText(QRectF(474, 310, 60, 16), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("atom B"));

    malarz.setPen(QPen(QColor(120, 215, 215, 90), 1));
    malarz.drawLine(QPointF(12, 330), QPointF(440, 330));
    return obraz;
}

enum class Glif { Szescian, Trojkat, Kwadrat, Heksagon };

void GlifSieci(QPainter& malarz, QPointF srodek, Glif glif) {
    std::vector<QPointF> punkty;
    std::vector<std::pair<int, int>> wiazania;
    switch (glif) {
    case Glif::Szescian: {
        const double b = 8;
        const QPointF g(4, -4);
        punkty = {{-b, -b + 2}, {b - 2, -b + 2}, {b - 2, b}, {-b, b}};
        for (int i = 0; i < 4; ++i) {
            punkty.push_back(punkty[i] + g);
        }
        wiazania = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                    {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
        break;
    }
    case Glif::Trojkat:
        punkty = {{-11, 7}, {0, 7}, {11, 7}, {-5.5, -2.5}, {5.5, -2.5}, {0, -12}};
        wiazania = {{0, 1}, {1, 2}, {3, 4}, {0, 3}, {1, 3}, {1, 4}, {2, 4}, {3, 5}, {4, 5}};
        break;
    case Glif::Kwadrat:
        for (int j = -1; j <= 1; ++j) {
            for (int i = -1; i <= 1; ++i) {
                punkty.push_back({i * 10.0, j * 10.0});
            }
        }
        wiazania = {{0, 1}, {1, 2}, {3, 4}, {4, 5}, {6, 7}, {7, 8},
                    {0, 3}, {3, 6}, {1, 4}, {4, 7}, {2, 5}, {5, 8}};
        break;
    case Glif::Heksagon:
        for (int k = 0; k < 6; ++k) {
            const double kat = std::numbers::pi / 6 + k * std::numbers::pi / 3;
            punkty.push_back({11 * std::cos(kat), 11 * std::sin(kat)});
            wiazania.push_back({k, (k + 1) % 6});
        }
        break;
    }
    malarz.setPen(QPen(QColor(200, 235, 240, 170), 1.3));
    for (const auto& [p, k] : wiazania) {
        malarz.drawLine(srodek + punkty[p], srodek + punkty[k]);
    }
    for (std::size_t i = 0; i < punkty.size(); ++i) {
        Kula(malarz, srodek + punkty[i], 3.6, i % 2 == 0 ? AtomA : AtomB);
    }
}

// One size for all four captions: the largest at which the longest fits.
QFont CzcionkaPrzyciskowSieci() {
    int piksele = 15;
    while (QFontMetrics(Czcionka(piksele, true))
               .horizontalAdvance(QStringLiteral("Sieć 3D kubiczna prosta")) > 192) {
        --piksele;
    }
    return Czcionka(piksele, true);
}

QImage PrzyciskSieci(const QImage& podklad, const QString& napis, Glif glif, bool podMysza) {
    QImage obraz = podklad.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter malarz(&obraz);
    Wygladz(malarz);
    const QRectF pas(-16, 2, obraz.width() + 12, obraz.height() - 4);
    QLinearGradient gradient(pas.topLeft(), pas.topRight());
    if (podMysza) {
        gradient.setColorAt(0.0, QColor(40, 170, 175, 245));
        gradient.setColorAt(1.0, QColor(20, 110, 130, 235));
    } else {
        gradient.setColorAt(0.0, QColor(20, 100, 120, 200));
        gradient.setColorAt(1.0, QColor(14, 60, 95, 150));
    }
    malarz.setBrush(gradient);
    malarz.setPen(QPen(podMysza ? QColor(255, 225, 150) : QColor(120, 215, 215, 140), 1.2));
    malarz.drawRoundedRect(pas, pas.height() / 2, pas.height() / 2);
    if (podMysza) {
        malarz.fillRect(QRectF(0, 2, 5, obraz.height() - 4), Bursztyn);
    }
    GlifSieci(malarz, QPointF(26, obraz.height() / 2.0 + 1), glif);
    malarz.setFont(CzcionkaPrzyciskowSieci());
    NapisZCieniem(malarz, QRectF(50, 0, obraz.width() - 54, obraz.height()),
                  Qt::AlignLeft | Qt::AlignVCenter, napis,
                  podMysza ? QColor(255, 238, 170) : Napis);
    return obraz;
}

QImage Pasek() {
    QImage obraz(151, 465, QImage::Format_ARGB32_Premultiplied);
    QPainter malarz(&obraz);
    Wygladz(malarz);
    QLinearGradient gradient(0, 0, 151, 465);
    gradient.setColorAt(0.0, Granat);
    gradient.setColorAt(0.5, Glebia);
    gradient.setColorAt(1.0, Morski.darker(150));
    malarz.fillRect(obraz.rect(), gradient);
    malarz.setFont(Czcionka(27, true));
    NapisZCieniem(malarz, QRectF(0, 10, 151, 40), Qt::AlignCenter, QStringLiteral("Fazolab"),
                  Napis);
    malarz.fillRect(QRectF(25, 52, 101, 2), Bursztyn);
    // The band under the line stays plain: the window lays there the legend
    // of the marks its lattice view paints at the moment.

    // The lattice orders downwards: random at the top, a chessboard at the foot.
    std::mt19937 los(11);
    const int kolumny = 7;
    const int wiersze = 18;
    const double krok = 19;
    const QPointF poczatek(18.5, 125);
    malarz.setPen(QPen(QColor(120, 215, 215, 50), 1.1));
    for (int j = 0; j < wiersze; ++j) {
        malarz.drawLine(poczatek + QPointF(0, j * krok),
                        poczatek + QPointF((kolumny - 1) * krok, j * krok));
    }
    for (int i = 0; i < kolumny; ++i) {
        malarz.drawLine(poczatek + QPointF(i * krok, 0),
                        poczatek + QPointF(i * krok, (wiersze - 1) * krok));
    }
    for (int j = 0; j < wiersze; ++j) {
        const double nieporzadek = 1.0 - double(j) / (wiersze - 1);
        for (int i = 0; i < kolumny; ++i) {
            const bool a = AtomAWPasie(i, j, nieporzadek, los);
            Kula(malarz, poczatek + QPointF(i * krok, j * krok), 6.5, a ? AtomA : AtomB);
        }
    }
    return obraz;
}

QImage SeriaObliczen() {
    QImage obraz(401, 370, QImage::Format_ARGB32_Premultiplied);
    QPainter malarz(&obraz);
    Wygladz(malarz);
    QLinearGradient gradient(0, 0, 0, 370);
    gradient.setColorAt(0.0, QColor(232, 241, 247));
    gradient.setColorAt(1.0, QColor(205, 224, 234));
    malarz.fillRect(obraz.rect(), gradient);

    // Faint atoms along the left and right edges, clear of the title, the
    // clip and the labels.
    std::mt19937 los(5);
    for (int j = 4; j < 18; ++j) {
        for (int i = 0; i < 4; ++i) {
            const bool a = AtomAWPasie(i, j, 0.3, los);
            const QPointF lewy(14 + i * 20, 14 + j * 20);
            const QPointF prawy(327 + i * 20, 14 + j * 20);
            Kula(malarz, lewy, 6, a ? AtomA : AtomB, 55 - i * 12);
            Kula(malarz, prawy, 6, a ? AtomB : AtomA, 19 + i * 12);
        }
    }
    malarz.setFont(Czcionka(16, true));
    malarz.setPen(Glebia);
    malarz.drawText(QRectF(0, 26, 401, 24), Qt::AlignCenter,
                    QStringLiteral("Wizualizacja graficzna wyłączona"));
    malarz.setFont(Czcionka(12, false));
    malarz.setPen(QColor(50, 80, 110));
    malarz.drawText(QRectF(0, 54, 401, 20), Qt::AlignCenter,
                    QStringLiteral("obliczenia biegną z pełną szybkością"));

    // Frame of the clip, which plays at (120, 110), 160 x 120.
    malarz.setBrush(QColor(0, 0, 0, 40));
    malarz.setPen(Qt::NoPen);
    malarz.drawRoundedRect(QRectF(115, 106, 174, 134), 8, 8);
    malarz.setBrush(Granat);
    malarz.setPen(QPen(Glebia, 2));
    malarz.drawRoundedRect(QRectF(113, 103, 174, 134), 8, 8);

    malarz.setBrush(QColor(255, 255, 255, 120));
    malarz.setPen(QPen(QColor(120, 160, 185, 120), 1));
    malarz.drawRoundedRect(QRectF(90, 262, 221, 66), 10, 10);
    return obraz;
}

QImage TloIkony(int rozmiar, const QColor& gora, const QColor& dol) {
    QImage obraz = Pusty(rozmiar, rozmiar);
    QPainter malarz(&obraz);
    Wygladz(malarz);
    QLinearGradient gradient(0, 0, 0, rozmiar);
    gradient.setColorAt(0.0, gora);
    gradient.setColorAt(1.0, dol);
    malarz.setBrush(gradient);
    malarz.setPen(QPen(dol.darker(150), 1));
    const double r = rozmiar * 0.19;
    malarz.drawRoundedRect(QRectF(0.5, 0.5, rozmiar - 1, rozmiar - 1), r, r);
    return obraz;
}

QImage IkonaUstawien() {
    QImage obraz = TloIkony(32, Morski.lighter(140), Morski.darker(130));
    QPainter malarz(&obraz);
    Wygladz(malarz);
    const std::array<double, 3> suwaki{19, 10, 15};
    for (int k = 0; k < 3; ++k) {
        const double y = 9 + k * 7;
        malarz.setPen(QPen(Napis, 2, Qt::SolidLine, Qt::RoundCap));
        malarz.drawLine(QPointF(6, y), QPointF(26, y));
        malarz.setPen(QPen(Granat, 1));
        malarz.setBrush(Bursztyn);
        malarz.drawEllipse(QPointF(suwaki[k], y), 3, 3);
    }
    return obraz;
}

QImage IkonaObliczen() {
    QImage obraz = TloIkony(32, Glebia.lighter(160), Granat);
    QPainter malarz(&obraz);
    Wygladz(malarz);
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 3; ++i) {
            Kula(malarz, QPointF(9 + i * 7, 9 + j * 7), 3.2, (i + j) % 2 == 0 ? AtomA : AtomB);
        }
    }
    malarz.setPen(QPen(Napis, 1.6, Qt::SolidLine, Qt::RoundCap));
    malarz.setBrush(Qt::NoBrush);
    malarz.drawArc(QRectF(4, 4, 24, 24), 100 * 16, 70 * 16);
    malarz.drawArc(QRectF(4, 4, 24, 24), 280 * 16, 70 * 16);
    return obraz;
}

QImage IkonaWynikow() {
    QImage obraz = TloIkony(32, QColor(250, 246, 236), QColor(214, 205, 188));
    QPainter malarz(&obraz);
    Wygladz(malarz);
    malarz.setPen(QPen(Granat, 1.5));
    malarz.drawLine(QPointF(6, 5), QPointF(6, 26));
    malarz.drawLine(QPointF(6, 26), QPointF(27, 26));
    QPainterPath krzywa;
    krzywa.moveTo(7, 24);
    krzywa.cubicTo(12, 23, 14, 8, 17, 7);
    krzywa.cubicTo(20, 8, 21, 22, 27, 23);
    malarz.setPen(QPen(QColor(200, 60, 30), 2));
    malarz.drawPath(krzywa);
    malarz.setPen(QPen(Morski, 1, Qt::DashLine));
    malarz.drawLine(QPointF(17, 8), QPointF(17, 26));
    return obraz;
}

// The small pictures of the push buttons, 16 x 16 with alpha.
QImage Znaczek(const std::function<void(QPainter&)>& rysuj) {
    QImage obraz = Pusty(16, 16);
    QPainter malarz(&obraz);
    Wygladz(malarz);
    rysuj(malarz);
    return obraz;
}

void Kolko(QPainter& malarz, const QColor& kolor) {
    QRadialGradient gradient(QPointF(6, 5), 11);
    gradient.setColorAt(0.0, kolor.lighter(150));
    gradient.setColorAt(1.0, kolor.darker(120));
    malarz.setBrush(gradient);
    malarz.setPen(QPen(kolor.darker(170), 1));
    malarz.drawEllipse(QRectF(0.5, 0.5, 15, 15));
}

void Trojkat(QPainter& malarz, double lewo, double prawo, double gora, double dol,
             const QColor& kolor) {
    QPainterPath sciezka;
    sciezka.moveTo(lewo, gora);
    sciezka.lineTo(prawo, (gora + dol) / 2);
    sciezka.lineTo(lewo, dol);
    sciezka.closeSubpath();
    malarz.setPen(QPen(kolor.darker(160), 0.8));
    malarz.setBrush(kolor);
    malarz.drawPath(sciezka);
}

const QColor Zielony(40, 165, 60);
const QColor Czerwony(205, 45, 40);
const QColor Niebieski(40, 100, 200);

QImage ZnakLicz() {
    return Znaczek([](QPainter& m) {
        Kolko(m, Zielony);
        Trojkat(m, 6, 12, 4, 12, Qt::white);
    });
}

QImage ZnakZatrzymaj() {
    return Znaczek([](QPainter& m) {
        Kolko(m, Czerwony);
        m.fillRect(QRectF(5, 4.5, 2.2, 7), Qt::white);
        m.fillRect(QRectF(8.8, 4.5, 2.2, 7), Qt::white);
    });
}

QImage ZnakDalej() {
    return Znaczek([](QPainter& m) {
        QPainterPath strzalka;
        strzalka.moveTo(1.5, 5.5);
        strzalka.lineTo(8, 5.5);
        strzalka.lineTo(8, 1.5);
        strzalka.lineTo(14.5, 8);
        strzalka.lineTo(8, 14.5);
        strzalka.lineTo(8, 10.5);
        strzalka.lineTo(1.5, 10.5);
        strzalka.closeSubpath();
        m.setPen(QPen(Niebieski.darker(160), 1));
        m.setBrush(Niebieski.lighter(120));
        m.drawPath(strzalka);
    });
}

QImage ZnakNowe() {
    return Znaczek([](QPainter& m) {
        m.setPen(QPen(Morski, 2.2, Qt::SolidLine, Qt::FlatCap));
        m.setBrush(Qt::NoBrush);
        m.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 280 * 16);
        QPainterPath grot;
        grot.moveTo(8, 0);
        grot.lineTo(15, 3.5);
        grot.lineTo(8.5, 8);
        grot.closeSubpath();
        m.setPen(Qt::NoPen);
        m.setBrush(Morski);
        m.drawPath(grot);
    });
}

QImage ZnakKoniec() {
    return Znaczek([](QPainter& m) {
        m.setPen(QPen(QColor(110, 80, 50), 1.4));
        m.setBrush(QColor(235, 215, 180));
        m.drawRect(QRectF(1.5, 1.5, 8, 13));
        QPainterPath strzalka;
        strzalka.moveTo(5, 6.5);
        strzalka.lineTo(10, 6.5);
        strzalka.lineTo(10, 3.5);
        strzalka.lineTo(15, 8);
        strzalka.lineTo(10, 12.5);
        strzalka.lineTo(10, 9.5);
        strzalka.lineTo(5, 9.5);
        strzalka.closeSubpath();
        m.setPen(QPen(Czerwony.darker(150), 0.8));
        m.setBrush(Czerwony);
        m.drawPath(strzalka);
    });
}

QImage ZnakPomoc() {
    return Znaczek([](QPainter& m) {
        Kolko(m, Niebieski);
        m.setPen(Qt::white);
        m.setFont(Czcionka(12, true));
        m.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QImage ZnakZapisz() {
    return Znaczek([](QPainter& m) {
        m.setPen(QPen(Granat, 1));
        m.setBrush(Glebia.lighter(150));
        m.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
        m.setPen(Qt::NoPen);
        m.setBrush(Qt::white);
        m.drawRect(QRectF(4, 2, 8, 5));
        m.setBrush(QColor(200, 210, 220));
        m.drawRect(QRectF(4, 10, 8, 4.5));
        m.setBrush(Glebia);
        m.drawRect(QRectF(9, 3, 2, 3));
    });
}

QImage ZnakPoczatek() {
    return Znaczek([](QPainter& m) {
        m.fillRect(QRectF(2, 3, 2.5, 10), Niebieski.darker(130));
        QPainterPath sciezka;
        sciezka.moveTo(14, 3);
        sciezka.lineTo(5, 8);
        sciezka.lineTo(14, 13);
        sciezka.closeSubpath();
        m.setPen(QPen(Niebieski.darker(160), 0.8));
        m.setBrush(Niebieski.lighter(120));
        m.drawPath(sciezka);
    });
}

QImage ZnakKoniecCyklu() {
    return Znaczek([](QPainter& m) {
        Trojkat(m, 2, 11, 3, 13, Niebieski.lighter(120));
        m.fillRect(QRectF(11.5, 3, 2.5, 10), Niebieski.darker(130));
    });
}

QImage ZnakPlay() {
    return Znaczek([](QPainter& m) { Trojkat(m, 3, 14, 2, 14, Zielony); });
}

QImage ZnakStop() {
    return Znaczek([](QPainter& m) {
        m.setPen(QPen(Czerwony.darker(160), 1));
        m.setBrush(Czerwony);
        m.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 1.5, 1.5);
    });
}

QImage IkonaProgramu(int rozmiar) {
    const int duzy = 256;
    QImage obraz = TloIkony(duzy, Morski.darker(110), Granat);
    {
        QPainter malarz(&obraz);
        Wygladz(malarz);
        const double krok = 52;
        const QPointF poczatek(50, 50);
        malarz.setPen(QPen(QColor(150, 225, 225, 150), 5));
        for (int k = 0; k < 4; ++k) {
            malarz.drawLine(poczatek + QPointF(0, k * krok),
                            poczatek + QPointF(3 * krok, k * krok));
            malarz.drawLine(poczatek + QPointF(k * krok, 0),
                            poczatek + QPointF(k * krok, 3 * krok));
        }
        for (int j = 0; j < 4; ++j) {
            for (int i = 0; i < 4; ++i) {
                Kula(malarz, poczatek + QPointF(i * krok, j * krok), 21,
                     (i + j) % 2 == 0 ? AtomA : AtomB);
            }
        }
    }
    if (rozmiar == duzy) {
        return obraz;
    }
    return obraz.scaled(rozmiar, rozmiar, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The clip: a small square lattice, random at first, whose unlike atoms swap
// places one pair at a time (each swap raising the number of unlike pairs)
// until it is the ordered chessboard; a bar below shows the degree of order.
class Klip {
public:
    static constexpr int Kolumny = 8;
    static constexpr int Wiersze = 5;
    static constexpr int KlatkiZamiany = 4;
    static constexpr int Klatki = 120;

    Klip() : los_(2026) {
        std::vector<int> atomy(Kolumny * Wiersze, 0);
        std::fill(atomy.begin(), atomy.begin() + Kolumny * Wiersze / 2, 1);
        std::shuffle(atomy.begin(), atomy.end(), los_);
        siec_ = atomy;
        while (ParyAB(siec_) < MaksimumPar()) {
            zamiany_.push_back(WybierzZamiane());
            std::swap(siec_[zamiany_.back().first], siec_[zamiany_.back().second]);
        }
        siec_ = atomy;
    }

    bool Zapisz(const QString& plik) const {
        QTemporaryDir katalog;
        if (!katalog.isValid()) {
            return false;
        }
        QStringList klatki;
        std::vector<int> siec = siec_;
        int klatka = 0;
        auto dodaj = [&](const QImage& obraz) {
            const QString nazwa =
                katalog.filePath(QStringLiteral("k%1.png").arg(klatka++, 3, 10, QChar('0')));
            obraz.save(nazwa);
            klatki << nazwa;
        };
        const int ruchome = int(zamiany_.size()) * (KlatkiZamiany + 1);
        const int postoj = std::max(2, (Klatki - ruchome) / 2);
        for (int k = 0; k < postoj; ++k) {
            dodaj(Klatka(siec, {-1, -1}, 0));
        }
        for (const auto& zamiana : zamiany_) {
            for (int f = 1; f <= KlatkiZamiany; ++f) {
                dodaj(Klatka(siec, zamiana, double(f) / (KlatkiZamiany + 1)));
            }
            std::swap(siec[zamiana.first], siec[zamiana.second]);
            dodaj(Klatka(siec, {-1, -1}, 0));
        }
        while (klatka < Klatki) {
            dodaj(Klatka(siec, {-1, -1}, 0));
        }
        // One palette for the whole clip keeps the colours steady from frame
        // to frame and lets the frame optimisation store only what moves.
        const QString paleta = katalog.filePath(QStringLiteral("paleta.png"));
        const QStringList wspolnaPaleta = QStringList(klatki)
                                          << QStringLiteral("-append") << QStringLiteral("-dither")
                                          << QStringLiteral("None") << QStringLiteral("-colors")
                                          << QStringLiteral("64")
                                          << QStringLiteral("-unique-colors") << paleta;
        const QStringList klip = QStringList{QStringLiteral("-delay"), QStringLiteral("8"),
                                             QStringLiteral("-loop"), QStringLiteral("0")}
                                 << klatki << QStringLiteral("-dither") << QStringLiteral("None")
                                 << QStringLiteral("-remap") << paleta << QStringLiteral("-layers")
                                 << QStringLiteral("Optimize") << QStringLiteral("gif:") + plik;
        return QProcess::execute(QStringLiteral("convert"), wspolnaPaleta) == 0 &&
               QProcess::execute(QStringLiteral("convert"), klip) == 0;
    }

private:
    static constexpr double Krok = 20;

    static int MaksimumPar() { return (Kolumny - 1) * Wiersze + Kolumny * (Wiersze - 1); }

    static int ParyAB(const std::vector<int>& siec) {
        int pary = 0;
        for (int j = 0; j < Wiersze; ++j) {
            for (int i = 0; i < Kolumny; ++i) {
                const int w = j * Kolumny + i;
                pary += i + 1 < Kolumny && siec[w] != siec[w + 1];
                pary += j + 1 < Wiersze && siec[w] != siec[w + Kolumny];
            }
        }
        return pary;
    }

    std::pair<int, int> WybierzZamiane() {
        const int teraz = ParyAB(siec_);
        std::vector<std::pair<int, int>> dobre;
        int najlepsza = teraz;
        for (int a = 0; a < int(siec_.size()); ++a) {
            for (int b = a + 1; b < int(siec_.size()); ++b) {
                if (siec_[a] == siec_[b]) {
                    continue;
                }
                std::swap(siec_[a], siec_[b]);
                const int po = ParyAB(siec_);
                std::swap(siec_[a], siec_[b]);
                if (po > teraz) {
                    dobre.push_back({a, b});
                }
                najlepsza = std::max(najlepsza, po);
            }
        }
        // Any improving swap, not only the best one, so the order grows
        // unevenly as in a real run.
        std::uniform_int_distribution<std::size_t> wybor(0, dobre.size() - 1);
        return dobre[wybor(los_)];
    }

    static QPointF Polozenie(int wezel) {
        return {Krok / 2 + (wezel % Kolumny) * Krok, Krok / 2 + (wezel / Kolumny) * Krok};
    }

    QImage Klatka(const std::vector<int>& siec, std::pair<int, int> zamiana, double postep) const {
        QImage obraz(160, 120, QImage::Format_ARGB32_Premultiplied);
        QPainter malarz(&obraz);
        Wygladz(malarz);
        malarz.fillRect(obraz.rect(), Granat);
        malarz.setPen(QPen(QColor(70, 130, 150), 1));
        for (int j = 0; j < Wiersze; ++j) {
            malarz.drawLine(Polozenie(j * Kolumny), Polozenie(j * Kolumny + Kolumny - 1));
        }
        for (int i = 0; i < Kolumny; ++i) {
            malarz.drawLine(Polozenie(i), Polozenie((Wiersze - 1) * Kolumny + i));
        }
        for (int w = 0; w < int(siec.size()); ++w) {
            if (w != zamiana.first && w != zamiana.second) {
                Kula(malarz, Polozenie(w), 7, siec[w] ? AtomA : AtomB);
            }
        }
        if (zamiana.first >= 0) {
            // The two atoms pass each other on a gentle arc, lifted a little.
            const QPointF p = Polozenie(zamiana.first);
            const QPointF k = Polozenie(zamiana.second);
            const QPointF d = k - p;
            const QPointF normalna(-d.y() * 0.18, d.x() * 0.18);
            const double luk = std::sin(postep * std::numbers::pi);
            const QPointF pierwszy = p + d * postep + normalna * luk;
            const QPointF drugi = k - d * postep - normalna * luk;
            const double promien = 7 + 1.5 * luk;
            Kula(malarz, pierwszy, promien, siec[zamiana.first] ? AtomA : AtomB);
            Kula(malarz, drugi, promien, siec[zamiana.second] ? AtomA : AtomB);
        }
        // Share of unlike pairs rescaled so that a random lattice (half the
        // pairs unlike) stands near zero and the chessboard at one.
        const double porzadek = std::max(0.0, 2.0 * ParyAB(siec) / MaksimumPar() - 1.0);
        malarz.setFont(Czcionka(10, false));
        malarz.setPen(QColor(200, 225, 235));
        malarz.drawText(QRectF(4, 101, 60, 16), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("porządek"));
        const QRectF pasek(62, 105, 92, 8);
        malarz.fillRect(pasek, QColor(30, 60, 90));
        malarz.fillRect(QRectF(pasek.left(), pasek.top(), pasek.width() * porzadek, pasek.height()),
                        Bursztyn);
        malarz.setPen(QPen(QColor(120, 160, 185), 1));
        malarz.setBrush(Qt::NoBrush);
        malarz.drawRect(pasek);
        return obraz;
    }

    std::mt19937 los_;
    std::vector<int> siec_;
    std::vector<std::pair<int, int>> zamiany_;
};

bool ZapiszJpeg(const QImage& obraz, const QDir& katalog, const char* nazwa) {
    return obraz.convertToFormat(QImage::Format_RGB32)
        .save(katalog.filePath(QString::fromLatin1(nazwa)), "JPEG", 92);
}

bool ZapiszPng(const QImage& obraz, const QDir& katalog, const char* nazwa) {
    return obraz.save(katalog.filePath(QString::fromLatin1(nazwa)), "PNG");
}

bool PrzyciskiMenu(const QImage& menu, const QDir& okna) {
    struct Przycisk {
        const char* plik;
        const char* plikPodMysza;
        QRect miejsce;
        const char* napis;
        Glif glif;
    };
    const std::array<Przycisk, 4> przyciski{{
        {"es_3dr.jpg", "es_3dr_pod.jpg", QRect(0, 62, 253, 40), "Sieć 3D kubiczna prosta",
         Glif::Szescian},
        {"es_2dtrojkat.jpg", "es_2dtrojkat_pod.jpg", QRect(0, 125, 253, 42), "Sieć 2D trójkątna",
         Glif::Trojkat},
        {"es_2dkwadrat.jpg", "es_2dkwadrat_pod.jpg", QRect(0, 192, 253, 41), "Sieć 2D kwadratowa",
         Glif::Kwadrat},
        {"es_2dheksagonalna.jpg", "es_2dheksagonalna_pod.jpg", QRect(0, 256, 253, 43),
         "Sieć 2D heksagonalna", Glif::Heksagon},
    }};
    bool dobrze = true;
    for (const Przycisk& p : przyciski) {
        const QImage podklad = menu.copy(p.miejsce);
        const QString napis = QString::fromUtf8(p.napis);
        dobrze = dobrze && ZapiszJpeg(PrzyciskSieci(podklad, napis, p.glif, false), okna, p.plik) &&
                 ZapiszJpeg(PrzyciskSieci(podklad, napis, p.glif, true), okna, p.plikPodMysza);
    }
    const QImage podkladKonca = menu.copy(QRect(462, 354, 138, 46));
    const QString koniec = QStringLiteral("Koniec");
    return dobrze &&
           ZapiszJpeg(PrzyciskZaokraglony(podkladKonca, koniec, 17, false), okna,
                      "es_koniec.jpg") &&
           ZapiszJpeg(PrzyciskZaokraglony(podkladKonca, koniec, 17, true), okna,
                      "es_koniec_pod.jpg");
}

bool Znaczki(const QDir& okna) {
    return ZapiszPng(ZnakLicz(), okna, "licz.png") &&
           ZapiszPng(ZnakZatrzymaj(), okna, "zatrzymaj.png") &&
           ZapiszPng(ZnakDalej(), okna, "dalej.png") && ZapiszPng(ZnakNowe(), okna, "nowe.png") &&
           ZapiszPng(ZnakKoniec(), okna, "koniec.png") &&
           ZapiszPng(ZnakPomoc(), okna, "pomoc.png") &&
           ZapiszPng(ZnakZapisz(), okna, "zapisz.png") &&
           ZapiszPng(ZnakPoczatek(), okna, "poczatek.png") &&
           ZapiszPng(ZnakKoniecCyklu(), okna, "koniec_cyklu.png") &&
           ZapiszPng(ZnakPlay(), okna, "play.png") && ZapiszPng(ZnakStop(), okna, "stop.png");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication aplikacja(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uzycie: %s KATALOG_ASSETS\n", argv[0]);
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    const QDir okna(assets.filePath(QStringLiteral("okna")));
    const QDir dane(assets.filePath(QStringLiteral("Dane")));

    const QImage logo = Logo();
    const QImage podkladDalej = logo.copy(QRect(239, 322, 108, 23));
    const QImage menu = Menu();
    const QString dalej = QStringLiteral("Menu");
    const bool dobrze =
        ZapiszPng(logo, okna, "logo.png") &&
        ZapiszJpeg(PrzyciskZaokraglony(podkladDalej, dalej, 13, false), okna, "menu_fm1.jpg") &&
        ZapiszJpeg(PrzyciskZaokraglony(podkladDalej, dalej, 13, true), okna, "menu_fm1_pod.jpg") &&
        ZapiszJpeg(menu, okna, "menu.jpg") && PrzyciskiMenu(menu, okna) &&
        ZapiszJpeg(Pasek(), okna, "pasek.jpg") &&
        ZapiszJpeg(SeriaObliczen(), okna, "seria_obliczen.jpg") &&
        ZapiszPng(IkonaUstawien(), okna, "ikona_ustawienia.png") &&
        ZapiszPng(IkonaObliczen(), okna, "ikona_obliczenia.png") &&
        ZapiszPng(IkonaWynikow(), okna, "ikona_wyniki.png") && Znaczki(okna) &&
        ZapiszPng(IkonaProgramu(256), okna, "fazolab.png") &&
        ZapiszPng(IkonaProgramu(48), okna, "fazolab_48.png") &&
        Klip().Zapisz(dane.filePath(QStringLiteral("anim.dat")));
    return dobrze ? 0 : 1;
}
