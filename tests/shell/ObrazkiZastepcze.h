#pragma once

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QString>

// Stand-ins for the pictures of the splash window and the menu, drawn at run
// time into a folder to which the "okna" search path is pointed: the sizes
// are those of the real pictures, and the logo is an ellipse on the
// transparent grey, so that the shape of the splash window can be checked.
inline void PrzygotujObrazkiZastepcze(const QString& katalog) {
    const auto zapisz = [&katalog](const QString& nazwa, QSize rozmiar, const QColor& tlo,
                                   const QString& napis) {
        QPixmap obrazek(rozmiar);
        obrazek.fill(tlo);
        QPainter malarz(&obrazek);
        malarz.setPen(Qt::white);
        malarz.drawText(obrazek.rect(), Qt::AlignCenter, napis);
        malarz.end();
        obrazek.save(QDir(katalog).filePath(nazwa));
    };
    const auto przycisk = [&zapisz](const QString& nazwa, QSize rozmiar, const QString& napis) {
        zapisz(nazwa + QStringLiteral(".jpg"), rozmiar, QColor(20, 40, 110), napis);
        zapisz(nazwa + QStringLiteral("_pod.jpg"), rozmiar, QColor(40, 90, 200), napis);
    };

    QPixmap logo(452, 373);
    logo.fill(QColor(128, 128, 128));
    QPainter malarz(&logo);
    malarz.setPen(Qt::NoPen);
    malarz.setBrush(QColor(10, 30, 90));
    malarz.drawEllipse(logo.rect());
    malarz.setPen(Qt::white);
    QFont czcionka = malarz.font();
    czcionka.setPixelSize(40);
    malarz.setFont(czcionka);
    malarz.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("Fazolab"));
    malarz.end();
    logo.save(QDir(katalog).filePath(QStringLiteral("logo.png")));

    zapisz(QStringLiteral("menu.jpg"), {600, 400}, QColor(15, 25, 60), QStringLiteral("Fazolab"));
    przycisk(QStringLiteral("menu_fm1"), {108, 23}, QStringLiteral("Menu"));
    przycisk(QStringLiteral("es_3dr"), {253, 40}, QStringLiteral("Sieć 3D kubiczna prosta"));
    przycisk(QStringLiteral("es_2dtrojkat"), {253, 42}, QStringLiteral("Sieć 2D trójkątna"));
    przycisk(QStringLiteral("es_2dkwadrat"), {253, 41}, QStringLiteral("Sieć 2D kwadratowa"));
    przycisk(QStringLiteral("es_2dheksagonalna"), {253, 43},
             QStringLiteral("Sieć 2D heksagonalna"));
    przycisk(QStringLiteral("es_koniec"), {138, 46}, QStringLiteral("Koniec"));
    QDir::setSearchPaths(QStringLiteral("okna"), {katalog});
}
