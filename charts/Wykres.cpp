#include "Wykres.h"

#include "DostepnyWykres.h"
#include "FormatLiczby.h"

#include <QAbstractAxis>
#include <QAccessible>
#include <QBarCategoryAxis>
#include <QCategoryAxis>
#include <QChart>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The engine's own fonts: small enough for charts of 230 x 138 pixels.
QFont CzcionkaWykresu(int piksele, bool pogrubiona = false) {
    QFont czcionka;
    czcionka.setPixelSize(piksele);
    czcionka.setBold(pogrubiona);
    return czcionka;
}

const QColor KolorTytulu(0x00, 0x00, 0x80);
// Bars leave this share of the automatic range above the tallest one for
// the value written over it.
constexpr double MiejsceNaNapis = 0.15;

} // namespace

Wykres::Wykres(QWidget* rodzic)
    : QChartView(rodzic), tytulEtykieta_(new QLabel(this)), legendaTytulow_(new QLabel(this)) {
    QAccessible::installFactory(&DostepnyWykres::Fabryka);
    setFrameShape(QFrame::NoFrame);
    setRenderHint(QPainter::Antialiasing);
    setBackgroundBrush(palette().window());

    QChart* wykres = chart();
    wykres->setBackgroundVisible(false);
    wykres->setBackgroundRoundness(0);
    wykres->layout()->setContentsMargins(0, 0, 0, 0);
    wykres->legend()->hide();
    wykres->legend()->setFont(CzcionkaWykresu(11));
    wykres->legend()->setLabelColor(Qt::black);

    for (OsWykresu* os : {&lewa_, &dolna_}) {
        os->UstawZakres(ZakresOsiWykresu::Automatyczny());
        os->Os()->setLabelsFont(CzcionkaWykresu(11));
        os->Os()->setLabelsColor(Qt::black);
        os->Os()->setLinePenColor(Qt::darkGray);
        os->Os()->setTitleBrush(Qt::black);
        wykres->addAxis(os->Os(), os->Pionowa() ? Qt::AlignLeft : Qt::AlignBottom);
    }

    tytulEtykieta_->setFont(CzcionkaWykresu(11));
    QPalette paleta = tytulEtykieta_->palette();
    paleta.setColor(QPalette::WindowText, KolorTytulu);
    tytulEtykieta_->setPalette(paleta);
    tytulEtykieta_->setAttribute(Qt::WA_TransparentForMouseEvents);
    tytulEtykieta_->hide();

    legendaTytulow_->setFont(CzcionkaWykresu(11));
    legendaTytulow_->setTextFormat(Qt::PlainText);
    legendaTytulow_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    paleta.setColor(QPalette::WindowText, Qt::black);
    legendaTytulow_->setPalette(paleta);
    legendaTytulow_->setAttribute(Qt::WA_TransparentForMouseEvents);
    legendaTytulow_->hide();

    connect(wykres, &QChart::plotAreaChanged, this, [this] {
        if (!odswiezanie_) {
            Zaplanuj();
        }
    });
    UlozMarginesy();
    Zaplanuj();
}

Wykres::~Wykres() = default;

SeriaWykresu* Wykres::DodajSerie(SeriaWykresu::Rodzaj rodzaj, const QColor& kolor,
                                 const QString& tytul) {
    serie_.push_back(std::unique_ptr<SeriaWykresu>(new SeriaWykresu(*this, rodzaj, kolor, tytul)));
    Zaplanuj();
    return serie_.back().get();
}

void Wykres::UstawTytul(const QStringList& linie, Qt::Alignment wyrownanie) {
    tytul_ = linie;
    wyrownanieTytulu_ = wyrownanie;
    UlozMarginesy();
}

void Wykres::UstawTytulWidoczny(bool widoczny) {
    tytulWidoczny_ = widoczny;
    UlozMarginesy();
}

void Wykres::UstawOs(Os os, const ZakresOsiWykresu& zakres) {
    OsDla(os).UstawZakres(zakres);
    Zaplanuj();
}

const ZakresOsiWykresu& Wykres::Zakres(Os os) const {
    return OsDla(os).Zakres();
}

double Wykres::Minimum(Os os) const {
    return ZakresPokazywany(os).first;
}

double Wykres::Maksimum(Os os) const {
    return ZakresPokazywany(os).second;
}

QStringList Wykres::EtykietyOsi(Os os) const {
    if (os == Os::Dolna && kategorie_) {
        return kategorie_->categories();
    }
    return OsDla(os).Etykiety();
}

void Wykres::UstawTytulOsi(Os os, const QString& tytul, const QFont& czcionka) {
    QAbstractAxis* osie[] = {OsDla(os).Os(), os == Os::Dolna ? kategorie_ : nullptr};
    for (QAbstractAxis* o : osie) {
        if (o) {
            o->setTitleText(tytul);
            o->setTitleFont(czcionka);
        }
    }
}

QString Wykres::TytulOsi(Os os) const {
    return OsQt(os)->titleText();
}

QFont Wykres::CzcionkaTytuluOsi(Os os) const {
    return OsQt(os)->titleFont();
}

void Wykres::UstawLegende(Legenda legenda, double gornaKrawedzProcent) {
    legenda_ = legenda;
    gornaKrawedzLegendy_ = gornaKrawedzProcent;
    UlozLegende();
}

QStringList Wykres::TekstyLegendy() const {
    QStringList teksty;
    if (legenda_ == Legenda::Ukryta) {
        return teksty;
    }
    for (const auto& seria : serie_) {
        const QString tekst = TekstLegendy(*seria);
        if (seria->RodzajSerii() != SeriaWykresu::Rodzaj::Slupki && seria->Aktywna() &&
            !tekst.isEmpty()) {
            teksty.append(tekst);
        }
    }
    if (legenda_ == Legenda::OstatnieWartosci) {
        std::reverse(teksty.begin(), teksty.end());
    }
    return teksty;
}

QString Wykres::TekstLegendy(const SeriaWykresu& seria) const {
    return legenda_ == Legenda::OstatnieWartosci ? seria.TekstOstatniejWartosci() : seria.Tytul();
}

void Wykres::UstawMarginesy(const Marginesy& marginesy) {
    marginesy_ = marginesy;
    UlozMarginesy();
}

QLabel* Wykres::DodajObrazek(const QPixmap& obrazek, const QPoint& pozycja) {
    auto* etykieta = new QLabel(this);
    etykieta->setPixmap(obrazek);
    etykieta->setAttribute(Qt::WA_TransparentForMouseEvents);
    etykieta->setGeometry(QRect(pozycja, obrazek.deviceIndependentSize().toSize()));
    etykieta->show();
    nakladki_.push_back(etykieta);
    Zaplanuj();
    return etykieta;
}

QLabel* Wykres::DodajEtykiete(const QString& tekst, const QFont& czcionka, const QPoint& pozycja) {
    auto* etykieta = new QLabel(tekst, this);
    etykieta->setFont(czcionka);
    etykieta->setAttribute(Qt::WA_TransparentForMouseEvents);
    etykieta->adjustSize();
    etykieta->move(pozycja);
    etykieta->show();
    nakladki_.push_back(etykieta);
    Zaplanuj();
    return etykieta;
}

void Wykres::Zaplanuj() {
    if (zaplanowane_) {
        return;
    }
    zaplanowane_ = true;
    // At most one hand-over per NajkrotszyOdstep: a run without drawing adds
    // points every few microseconds, and the eye gains nothing from more
    // pictures than the timer of a run with drawing gives.
    const qint64 odOstatniego = ostatnieOdswiezenie_.isValid() ? ostatnieOdswiezenie_.elapsed()
                                                               : std::numeric_limits<qint64>::max();
    const auto czekaj = static_cast<int>(std::max<qint64>(0, NajkrotszyOdstep - odOstatniego));
    QTimer::singleShot(czekaj, this, [this] {
        // A chart nobody sees (the other page, the chart of the other mode)
        // keeps its points to itself until it is shown.
        if (isVisible()) {
            Odswiez();
        } else {
            zaplanowane_ = false;
        }
    });
}

void Wykres::Odswiez() {
    if (odswiezanie_) {
        return;
    }
    odswiezanie_ = true;
    zaplanowane_ = false;
    ostatnieOdswiezenie_.start();
    // The ticks are chosen for the plot's size, and the labels they bring
    // change that size: a few rounds of laying the chart out settle it.
    QRectF obszar;
    for (int runda = 0; runda < 3; ++runda) {
        obszar = UstawZakresyOsi();
        chart()->layout()->activate();
        if (chart()->plotArea() == obszar) {
            break;
        }
    }
    const SeriaWykresu::Uklad uklad{dolna_.Minimum(), dolna_.Maksimum(), lewa_.Minimum(),
                                    lewa_.Maksimum(), obszar.size()};
    for (const auto& seria : serie_) {
        seria->Zsynchronizuj(uklad);
    }
    UlozLegende();
    chart()->layout()->activate();
    odswiezanie_ = false;
}

void Wykres::showEvent(QShowEvent* zdarzenie) {
    QChartView::showEvent(zdarzenie);
    Zaplanuj();
}

void Wykres::resizeEvent(QResizeEvent* zdarzenie) {
    QChartView::resizeEvent(zdarzenie);
    UlozMarginesy();
    Zaplanuj();
}

void Wykres::focusInEvent(QFocusEvent* zdarzenie) {
    QChartView::focusInEvent(zdarzenie);
    viewport()->update();
}

void Wykres::focusOutEvent(QFocusEvent* zdarzenie) {
    QChartView::focusOutEvent(zdarzenie);
    viewport()->update();
}

void Wykres::drawForeground(QPainter* malarz, const QRectF& obszar) {
    QChartView::drawForeground(malarz, obszar);
    if (!hasFocus()) {
        return;
    }
    malarz->save();
    malarz->resetTransform();
    malarz->setRenderHint(QPainter::Antialiasing, false);
    malarz->setBrush(Qt::NoBrush);
    malarz->setPen(QPen(palette().color(QPalette::Highlight), 2));
    malarz->drawRect(viewport()->rect().adjusted(1, 1, -1, -1));
    malarz->restore();
}

QString Wykres::OpisDanych() const {
    const auto liczba = [](double v) { return FormatujLiczbe(v, QStringLiteral("0.####")); };
    QStringList opis;
    for (const auto& seria : serie_) {
        const QList<QPointF>& punkty = seria->Punkty();
        if (!seria->Aktywna() || punkty.isEmpty()) {
            continue;
        }
        QString tekst =
            seria->Tytul().isEmpty() ? QString() : seria->Tytul() + QStringLiteral(": ");
        if (seria->RodzajSerii() == SeriaWykresu::Rodzaj::Slupki) {
            QStringList slupki;
            for (const SeriaWykresu::Slupek& s : seria->Slupki()) {
                slupki.append(s.Etykieta + QStringLiteral(": ") + liczba(s.Wartosc));
            }
            opis.append(tekst + QStringLiteral("słupki ") + slupki.join(QStringLiteral("; ")));
            continue;
        }
        const auto [najmniej, najwiecej] =
            std::minmax_element(punkty.begin(), punkty.end(),
                                [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        tekst += QStringLiteral("%1 punktów, y od %2 do %3, ostatni (%4; %5)")
                     .arg(punkty.size())
                     .arg(liczba(najmniej->y()), liczba(najwiecej->y()), liczba(punkty.last().x()),
                          liczba(punkty.last().y()));
        QStringList wybrane;
        const qsizetype ile = std::min<qsizetype>(punkty.size(), MaxPunktowOpisu);
        for (qsizetype k = 0; k < ile; ++k) {
            const QPointF& p = punkty[ile == 1 ? 0 : k * (punkty.size() - 1) / (ile - 1)];
            wybrane.append(QStringLiteral("(%1; %2)").arg(liczba(p.x()), liczba(p.y())));
        }
        opis.append(tekst + QStringLiteral("; punkty: ") + wybrane.join(QStringLiteral(" ")));
    }
    return opis.isEmpty() ? QStringLiteral("Brak danych.")
                          : opis.join(QStringLiteral(". ")) + QLatin1Char('.');
}

bool Wykres::viewportEvent(QEvent* zdarzenie) {
    // The view hands tool tips to the items of its scene, which have none:
    // the chart's own hint is shown instead.
    if (zdarzenie->type() == QEvent::ToolTip && !toolTip().isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent*>(zdarzenie)->globalPos(), toolTip(), this);
        return true;
    }
    return QChartView::viewportEvent(zdarzenie);
}

void Wykres::UlozMarginesy() {
    int wysokoscTytulu = 0;
    const bool tytul = tytulWidoczny_ && !tytul_.isEmpty();
    if (tytul) {
        tytulEtykieta_->setText(tytul_.join(QLatin1Char('\n')));
        tytulEtykieta_->setAlignment(wyrownanieTytulu_ | Qt::AlignTop);
        wysokoscTytulu = tytulEtykieta_->sizeHint().height() + 2;
        tytulEtykieta_->setGeometry(4, 2, std::max(0, width() - 8), wysokoscTytulu - 2);
    }
    tytulEtykieta_->setVisible(tytul);

    const auto piksele = [](double procent, int rozmiar) {
        return static_cast<int>(std::lround(procent * rozmiar / 100.0));
    };
    // The titles legend takes its room from the plot, below the margin.
    wysokoscLegendyTytulow_ = WysokoscLegendyTytulow();
    chart()->setMargins(QMargins(piksele(marginesy_.Lewy, width()),
                                 piksele(marginesy_.Gorny, height()) + wysokoscTytulu,
                                 piksele(marginesy_.Prawy, width()),
                                 piksele(marginesy_.Dolny, height()) + wysokoscLegendyTytulow_));
    UlozLegende();
}

int Wykres::WysokoscLegendyTytulow() const {
    if (legenda_ != Legenda::TytulySerii) {
        return 0;
    }
    const qsizetype linie = TekstyLegendy().size();
    return linie == 0
               ? 0
               : static_cast<int>(linie) * QFontMetrics(legendaTytulow_->font()).lineSpacing() + 2;
}

void Wykres::UlozLegende() {
    QLegend* legenda = chart()->legend();
    if (legenda_ != Legenda::OstatnieWartosci) {
        legenda->hide();
        const int wysokosc = WysokoscLegendyTytulow();
        if (wysokosc != wysokoscLegendyTytulow_) {
            UlozMarginesy(); // makes the room, then comes back here
            return;
        }
        legendaTytulow_->setText(TekstyLegendy().join(QLatin1Char('\n')));
        legendaTytulow_->setGeometry(0, height() - wysokosc, width(), wysokosc);
        legendaTytulow_->setVisible(wysokosc > 0);
        return;
    }
    legendaTytulow_->hide();
    // Laid over the chart: the plot keeps its size.
    legenda->show();
    legenda->setReverseMarkers(true);
    legenda->detachFromChart();
    for (QLegendMarker* znacznik : legenda->markers()) {
        znacznik->setVisible(false);
    }
    for (const auto& seria : serie_) {
        if (seria->RodzajSerii() == SeriaWykresu::Rodzaj::Slupki) {
            continue;
        }
        const QString tekst = TekstLegendy(*seria);
        // The marker's label is rich text: runs of spaces must not shrink.
        QString napis = tekst;
        napis.replace(QLatin1Char(' '), QChar::Nbsp);
        for (QLegendMarker* znacznik : legenda->markers(seria->SeriaQt())) {
            znacznik->setLabel(napis);
            znacznik->setVisible(seria->Aktywna() && !tekst.isEmpty());
        }
    }
    // The legend lays its new labels out only later, so its own size hint may
    // still be that of the old texts: the width is made room for here.
    QSizeF rozmiar = legenda->effectiveSizeHint(Qt::PreferredSize);
    const QFontMetricsF miara(legenda->font());
    double szerokoscTekstow = 0.0;
    for (const QString& tekst : TekstyLegendy()) {
        szerokoscTekstow = std::max(szerokoscTekstow, miara.horizontalAdvance(tekst));
    }
    rozmiar.setWidth(std::max(rozmiar.width(), szerokoscTekstow + 4.0 * miara.height()));
    const double prawy = width() - marginesy_.Prawy * width() / 100.0;
    legenda->setGeometry(
        QRectF(QPointF(prawy - rozmiar.width(), gornaKrawedzLegendy_ * height() / 100.0), rozmiar));
}

QAbstractAxis* Wykres::OsQt(Os os) const {
    if (os == Os::Dolna && kategorie_) {
        return kategorie_;
    }
    return OsDla(os).Os();
}

QBarCategoryAxis* Wykres::Kategorie() {
    if (!kategorie_) {
        QCategoryAxis* wartosci = dolna_.Os();
        kategorie_ = new QBarCategoryAxis;
        kategorie_->setLabelsFont(wartosci->labelsFont());
        kategorie_->setLabelsColor(Qt::black);
        kategorie_->setLinePenColor(Qt::darkGray);
        kategorie_->setTitleBrush(Qt::black);
        kategorie_->setTitleText(wartosci->titleText());
        kategorie_->setTitleFont(wartosci->titleFont());
        // The bars' labels take the place of the value axis.
        wartosci->setVisible(false);
        chart()->addAxis(kategorie_, Qt::AlignBottom);
    }
    return kategorie_;
}

std::pair<double, double> Wykres::ZakresPokazywany(Os os) const {
    const ZakresOsiWykresu& zakres = OsDla(os).Zakres();
    double dolny = std::numeric_limits<double>::infinity();
    double gorny = -dolny;
    bool slupki = false;
    if (!zakres.Minimum || !zakres.Maksimum) {
        for (const auto& seria : serie_) {
            if (!seria->Aktywna()) {
                continue;
            }
            slupki =
                slupki || (os == Os::Lewa && seria->RodzajSerii() == SeriaWykresu::Rodzaj::Slupki);
            for (const QPointF& p : seria->Punkty()) {
                const double v = os == Os::Lewa ? p.y() : p.x();
                dolny = std::min(dolny, v);
                gorny = std::max(gorny, v);
            }
        }
    }
    if (slupki) {
        // Bars stand on zero and keep room above for their values.
        dolny = std::min(dolny, 0.0);
        gorny = std::max(gorny, 0.0);
        gorny += (gorny - dolny) * MiejsceNaNapis;
    }
    if (dolny > gorny) { // no points
        dolny = 0.0;
        gorny = 1.0;
    }
    dolny = zakres.Minimum.value_or(dolny);
    gorny = zakres.Maksimum.value_or(gorny);
    if (!(gorny > dolny)) {
        // One value (or a fixed end beyond the data): widen around it.
        const double odstep = dolny == 0.0 ? 1.0 : std::fabs(dolny) * 0.1;
        if (zakres.Maksimum && !zakres.Minimum) {
            dolny = gorny - odstep;
        } else {
            gorny = dolny + odstep;
            if (!zakres.Minimum) {
                dolny -= odstep;
            }
        }
    }
    return {dolny, gorny};
}

QRectF Wykres::UstawZakresyOsi() {
    QRectF obszar = chart()->plotArea();
    if (obszar.isEmpty()) {
        obszar = QRectF(0.1 * width(), 0.1 * height(), 0.8 * width(), 0.7 * height());
    }
    // The area Qt Charts shares among the labels: the chart inside its
    // margins (which hold the title and the titles legend).
    const QMargins m = chart()->margins();
    const double dolKrawedzi = height() - m.bottom();
    const double szerokosc = width() - m.left() - m.right();

    const auto [lewaMin, lewaMax] = ZakresPokazywany(Os::Lewa);
    lewa_.Zastosuj(lewaMin, lewaMax, obszar, dolKrawedzi,
                   [this](const QRectF& miejsce) { return MiejsceWolne(miejsce, true); });
    if (!kategorie_) {
        const auto [dolnaMin, dolnaMax] = ZakresPokazywany(Os::Dolna);
        dolna_.Zastosuj(dolnaMin, dolnaMax, obszar, szerokosc,
                        [this](const QRectF& miejsce) { return MiejsceWolne(miejsce, false); });
    }
    return obszar;
}

bool Wykres::MiejsceWolne(const QRectF& miejsce, bool pionowa) const {
    // Qt Charts makes room beside the plot for the labels of the left axis,
    // but lets the ends of either axis run past the chart's edges.
    const QRectF wnetrze = rect();
    const bool poza = pionowa
                          ? miejsce.top() < wnetrze.top() || miejsce.bottom() > wnetrze.bottom()
                          : miejsce.left() < wnetrze.left() || miejsce.right() > wnetrze.right() ||
                                miejsce.bottom() > wnetrze.bottom();
    if (poza) {
        return false;
    }
    for (const QLabel* nakladka : nakladki_) {
        if (nakladka->isVisibleTo(this) && QRectF(nakladka->geometry()).intersects(miejsce)) {
            return false;
        }
    }
    return true;
}

QCategoryAxis* Wykres::OsWartosci(Os os) const {
    return OsDla(os).Os();
}
