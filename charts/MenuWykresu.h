#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class Dialogi;
class QAction;
class QMenu;
class QPainter;
class Wykres;

// The folder the pictures of the charts were last saved in, kept by whoever
// owns the settings (the window keeps it as "KatalogObrazow"). An empty value
// stands for the user's home folder.
struct KatalogObrazow {
    std::function<QString()> Odczytaj;
    std::function<void(const QString&)> Zapamietaj;
};

// The context menu of a chart, for putting the chart into a report: "Kopiuj
// wykres" puts the picture on the clipboard, "Zapisz wykres jako obraz..."
// saves it as PNG or SVG. It opens on a right click, on the keyboard's menu
// key and on Shift+F10 (the chart takes the focus by Tab and by a click for
// that). The chart owns the menu: one `new MenuWykresu(...)` per chart.
class MenuWykresu : public QObject {
    Q_OBJECT
public:
    static constexpr const char* FiltrPng = "Obraz PNG (*.png)";
    static constexpr const char* FiltrSvg = "Obraz SVG (*.svg)";

    MenuWykresu(Wykres& wykres, Dialogi& dialogi, KatalogObrazow katalog);

    QMenu* Menu() const { return menu_; }
    QAction* AkcjaKopiuj() const { return kopiuj_; }
    QAction* AkcjaZapisz() const { return zapisz_; }

    // Opens the menu at a point of the chart (its centre for a point outside).
    void Pokaz(const QPoint& pozycja);
    void Kopiuj();
    // The save dialog (through Dialogi), then the safe write of the chosen
    // file, name and content agreeing (PlikWedlugTypu): a typed ".png" or
    // ".svg" decides, any other name gets the chosen type's extension. A
    // failure is reported in a Polish message; the folder is remembered only
    // after a successful write. True when a file was written.
    bool ZapiszJakoObraz();

    // The chart as shown, at twice its size in pixels (device pixel ratio 2,
    // 192 dpi, so that a document places it at the size it has on screen).
    QImage Obraz() const;
    // The chart as shown, as an SVG document of the chart's size in pixels.
    QByteArray Svg() const;

    // The file name the dialog proposes, without extension: the chart's title.
    QString ProponowanaNazwa() const;
    // A title as a file name: white space and the characters some file system
    // refuses become "_" (one for a run), letters (Polish ones too) are kept,
    // "_" and "." are trimmed from the ends; "Wykres" for nothing left.
    static QString NazwaPlikuZTytulu(const QString& tytul);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void Rysuj(QPainter& malarz) const;

    Wykres& wykres_;
    Dialogi& dialogi_;
    KatalogObrazow katalog_;
    QMenu* menu_;
    QAction* kopiuj_;
    QAction* zapisz_;
    int typ_ = 1; // the type written last: 1 PNG, 2 SVG
};
