#include "MenuWykresu.h"

#include "Dialogi.h"
#include "RegulaZapisu.h"
#include "Wykres.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {
const QString TytulZapisu = QStringLiteral("Fazolab - Zapis wykresu");
constexpr int Skala = 2;
// 96 dpi on screen, so twice the pixels print at 192 dpi.
constexpr int PunktyNaMetrEkranu = 3780;
constexpr qsizetype NajdluzszaNazwa = 100;

QString Rozszerzenie(bool svg) {
    return svg ? QStringLiteral("svg") : QStringLiteral("png");
}

QString PowodBledu(const QString& sciezka, const QSaveFile& plik) {
    const QFileInfo cel(sciezka);
    if (!cel.absoluteDir().exists()) {
        return QStringLiteral("Folder docelowy nie istnieje.");
    }
    if (cel.isDir()) {
        return QStringLiteral("Pod tą nazwą istnieje folder.");
    }
    if ((cel.exists() && !cel.isWritable()) || plik.error() == QFileDevice::OpenError) {
        return QStringLiteral("Brak uprawnień do zapisu w tym miejscu.");
    }
    return QStringLiteral("Nie udało się zapisać danych na dysku.");
}
} // namespace

MenuWykresu::MenuWykresu(Wykres& wykres, Dialogi& dialogi, KatalogObrazow katalog)
    : QObject(&wykres), wykres_(wykres), dialogi_(dialogi), katalog_(std::move(katalog)),
      menu_(new QMenu(&wykres)) {
    kopiuj_ = menu_->addAction(QStringLiteral("Kopiuj wykres"), this, &MenuWykresu::Kopiuj);
    kopiuj_->setToolTip(QStringLiteral("Kopiuje wykres do schowka jako obraz"));
    zapisz_ = menu_->addAction(QStringLiteral("Zapisz wykres jako obraz..."), this,
                               [this] { ZapiszJakoObraz(); });
    zapisz_->setToolTip(QStringLiteral("Zapisuje wykres do pliku PNG albo SVG"));
    for (QAction* akcja : {kopiuj_, zapisz_}) {
        akcja->setStatusTip(akcja->toolTip());
    }
    menu_->setToolTipsVisible(true);
    menu_->setAccessibleName(QStringLiteral("Menu wykresu"));

    wykres.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&wykres, &QWidget::customContextMenuRequested, this, &MenuWykresu::Pokaz);
    if (wykres.focusPolicy() == Qt::NoFocus) {
        wykres.setFocusPolicy(Qt::StrongFocus);
    }
    wykres.installEventFilter(this);
}

void MenuWykresu::Pokaz(const QPoint& pozycja) {
    // The platform may send the menu key both as a key and as a menu request.
    if (menu_->isVisible()) {
        return;
    }
    const QPoint miejsce = wykres_.rect().contains(pozycja) ? pozycja : wykres_.rect().center();
    menu_->popup(wykres_.mapToGlobal(miejsce));
}

bool MenuWykresu::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == &wykres_ && zdarzenie->type() == QEvent::KeyPress) {
        const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
        const bool shiftF10 =
            klawisz->key() == Qt::Key_F10 && klawisz->modifiers() == Qt::ShiftModifier;
        if (klawisz->key() == Qt::Key_Menu || shiftF10) {
            Pokaz(wykres_.rect().center());
            return true;
        }
    }
    return QObject::eventFilter(obiekt, zdarzenie);
}

QImage MenuWykresu::Obraz() const {
    QImage obraz(wykres_.size() * Skala, QImage::Format_ARGB32_Premultiplied);
    obraz.setDotsPerMeterX(PunktyNaMetrEkranu * Skala);
    obraz.setDotsPerMeterY(PunktyNaMetrEkranu * Skala);
    obraz.fill(wykres_.palette().color(QPalette::Window));
    {
        QPainter malarz(&obraz);
        malarz.scale(Skala, Skala);
        Rysuj(malarz);
    }
    obraz.setDevicePixelRatio(Skala);
    return obraz;
}

void MenuWykresu::Rysuj(QPainter& malarz) const {
    wykres_.Odswiez();
    malarz.setRenderHint(QPainter::Antialiasing);
    // The scene is drawn by itself: the view's own render scales a painter's
    // transform twice. The title and the pictures laid over the chart are
    // child widgets, drawn after it where they stand.
    const QRect widok = wykres_.viewport()->rect();
    wykres_.scene()->render(&malarz, QRectF(wykres_.viewport()->geometry()),
                            wykres_.mapToScene(widok).boundingRect());
    for (QWidget* dziecko : wykres_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (dziecko->isVisible() && qobject_cast<QLabel*>(dziecko)) {
            dziecko->render(&malarz, dziecko->pos(), QRegion(), QWidget::DrawChildren);
        }
    }
}

QByteArray MenuWykresu::Svg() const {
    QBuffer bufor;
    QSvgGenerator svg;
    svg.setOutputDevice(&bufor);
    svg.setSize(wykres_.size());
    // The width and height are written in millimetres: at the 96 dpi that
    // documents and browsers assume, the picture keeps its size on screen.
    svg.setResolution(96);
    svg.setViewBox(wykres_.rect());
    svg.setTitle(wykres_.Tytul().join(QLatin1Char(' ')));
    QPainter malarz(&svg);
    Rysuj(malarz);
    malarz.end();
    return bufor.data();
}

void MenuWykresu::Kopiuj() {
    auto* dane = new QMimeData;
    dane->setImageData(Obraz());
    dane->setData(QStringLiteral("image/svg+xml"), Svg());
    QGuiApplication::clipboard()->setMimeData(dane);
}

bool MenuWykresu::ZapiszJakoObraz() {
    QString katalog = katalog_.Odczytaj ? katalog_.Odczytaj() : QString();
    if (katalog.isEmpty()) {
        katalog = QDir::homePath();
    }
    ZapytanieOZapis zapytanie;
    zapytanie.Tytul = TytulZapisu;
    zapytanie.Katalog = katalog;
    zapytanie.NazwaPliku = ProponowanaNazwa() + QLatin1Char('.') + Rozszerzenie(typ_ == 2);
    zapytanie.Filtry = {QString::fromUtf8(FiltrPng), QString::fromUtf8(FiltrSvg)};
    zapytanie.Typ = typ_;
    const std::optional<WybranyPlik> wybrany = dialogi_.WybierzPlikDoZapisu(&wykres_, zapytanie);
    if (!wybrany) {
        return false;
    }
    const WybranyPlik plik = PlikWedlugTypu(wybrany->Sciezka, zapytanie.Filtry, wybrany->Typ);
    typ_ = plik.Typ;
    QByteArray bajty;
    if (typ_ == 2) {
        bajty = Svg();
    } else {
        QBuffer bufor(&bajty);
        bufor.open(QIODevice::WriteOnly);
        Obraz().save(&bufor, "PNG");
    }

    // The picture goes to a temporary file that replaces the target only
    // when complete; a read-only file is refused, as the results file is.
    const QFileInfo cel(plik.Sciezka);
    QSaveFile zapis(plik.Sciezka);
    const bool zapisany = !(cel.exists() && !cel.isWritable()) &&
                          zapis.open(QIODevice::WriteOnly) && zapis.write(bajty) == bajty.size() &&
                          zapis.commit();
    if (!zapisany) {
        QString tekst = QStringLiteral("Nie można zapisać pliku:\n") + plik.Sciezka +
                        QLatin1Char('\n') + PowodBledu(plik.Sciezka, zapis);
        if (cel.exists() && cel.isFile()) {
            tekst += QStringLiteral("\nDotychczasowa zawartość pliku pozostała bez zmian.");
        }
        dialogi_.Zapytaj(&wykres_, tekst, TytulZapisu, Przyciski::Ok, Ikona::Blad);
        return false;
    }
    if (katalog_.Zapamietaj) {
        katalog_.Zapamietaj(cel.absolutePath());
    }
    return true;
}

QString MenuWykresu::ProponowanaNazwa() const {
    QString tytul = wykres_.Tytul().join(QLatin1Char(' ')).trimmed();
    if (tytul.isEmpty()) {
        tytul = wykres_.accessibleName();
    }
    return NazwaPlikuZTytulu(tytul);
}

QString MenuWykresu::NazwaPlikuZTytulu(const QString& tytul) {
    // What Windows, macOS and Linux all refuse in a name.
    static const QString zakazane = QStringLiteral("\\/:*?\"<>|");
    QString nazwa;
    for (const QChar znak : tytul) {
        if (znak.isSpace() || zakazane.contains(znak)) {
            nazwa += QLatin1Char('_');
        } else if (znak.isPrint()) {
            nazwa += znak;
        }
    }
    static const QRegularExpression podkreslenia(QStringLiteral("_{2,}"));
    nazwa.replace(podkreslenia, QStringLiteral("_"));
    nazwa = nazwa.left(NajdluzszaNazwa);
    // A leading dot hides the file; a trailing one Windows drops.
    static const QRegularExpression konce(QStringLiteral("^[_.]+|[_.]+$"));
    nazwa.remove(konce);
    return nazwa.isEmpty() ? QStringLiteral("Wykres") : nazwa;
}
