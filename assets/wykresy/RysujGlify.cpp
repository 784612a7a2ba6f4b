// Draws the axis glyphs of the charts (sigma, lambda and the fraction Cv/kN)
// as small black pictures on a transparent ground, into the folder given as
// the argument. The PNGs are kept in the repository; run this again (target
// fazolab_rysuj_glify) only to change their look.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

QImage Pusty(int szerokosc, int wysokosc) {
    QImage obraz(szerokosc, wysokosc, QImage::Format_ARGB32);
    obraz.fill(Qt::transparent);
    return obraz;
}

QFont Czcionka(const char* rodzina, int piksele, bool kursywa) {
    QFont czcionka(QString::fromLatin1(rodzina));
    czcionka.setPixelSize(piksele);
    czcionka.setItalic(kursywa);
    czcionka.setStyleStrategy(QFont::PreferAntialias);
    return czcionka;
}

QImage Litera(int szerokosc, int wysokosc, QChar litera, int piksele) {
    QImage obraz = Pusty(szerokosc, wysokosc);
    QPainter malarz(&obraz);
    malarz.setRenderHint(QPainter::TextAntialiasing);
    malarz.setPen(Qt::black);
    malarz.setFont(Czcionka("DejaVu Serif", piksele, true));
    malarz.drawText(obraz.rect(), Qt::AlignCenter, QString(litera));
    return obraz;
}

QImage Ulamek() {
    QImage obraz = Pusty(19, 28);
    QPainter malarz(&obraz);
    malarz.setRenderHint(QPainter::TextAntialiasing);
    malarz.setPen(Qt::black);
    malarz.setFont(Czcionka("DejaVu Sans", 11, false));
    malarz.drawText(QRect(0, 0, 19, 13), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Cv"));
    malarz.fillRect(QRect(1, 14, 17, 1), Qt::black);
    malarz.drawText(QRect(0, 15, 19, 13), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("kN"));
    return obraz;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication aplikacja(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uzycie: %s KATALOG\n", argv[0]);
        return 2;
    }
    const QDir katalog(QString::fromLocal8Bit(argv[1]));
    const bool dobrze = Litera(18, 16, QChar(0x03C3), 17).save(katalog.filePath("sigma.png")) &&
                        Litera(17, 24, QChar(0x03BB), 21).save(katalog.filePath("lambda.png")) &&
                        Ulamek().save(katalog.filePath("cvkn.png"));
    return dobrze ? 0 : 1;
}
