// Draws the program's icon at the sizes of the desktop's icon theme from its
// one source, ikony/fazolab.svg, into ikony/fazolab_<n>.png. The pictures are
// kept in the repository; run this again (target fazolab_ikony) only after
// changing the source.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <array>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication aplikacja(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uzycie: %s KATALOG_IKON\n", argv[0]);
        return 2;
    }
    const QDir ikony(QString::fromLocal8Bit(argv[1]));
    QSvgRenderer zrodlo(ikony.filePath(QStringLiteral("fazolab.svg")));
    if (!zrodlo.isValid()) {
        return 1;
    }
    for (const int rozmiar : std::array{16, 32, 48, 64, 128, 256}) {
        QImage obraz(rozmiar, rozmiar, QImage::Format_ARGB32);
        obraz.fill(Qt::transparent);
        QPainter malarz(&obraz);
        malarz.setRenderHint(QPainter::Antialiasing);
        zrodlo.render(&malarz);
        malarz.end();
        if (!obraz.save(ikony.filePath(QStringLiteral("fazolab_%1.png").arg(rozmiar)))) {
            return 1;
        }
    }
    return 0;
}
