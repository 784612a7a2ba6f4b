#pragma once

#include "ZrodloZiarna.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>

class Dialogi;
class Obliczenia;
class PrzyciskPrzezroczysty;
class QLabel;
class QStatusBar;
class QTabWidget;
class StronaObliczen;
class StronaUstawien;
class StronyWynikow;
class SterownikPrzebiegu;
class WykresySymulacji;

// The simulation window: one window for all four lattice kinds, leading the
// user through three stages whose notebooks stand at the same place —
// settings (TNUstawienia), computation (TNObliczenia) and results (TNWyniki).
// It owns the engine for the life of the program and talks to it through the
// engine's API; the samples reach the charts through the chart set, which is
// the engine's observer.
class TSiec2D3D : public QWidget {
    Q_OBJECT
public:
    // `menu` is shown and enabled again by "Koniec". The seed source is the
    // time of day unless a test gives its own.
    TSiec2D3D(Dialogi& dialogi, QWidget* menu, QWidget* rodzic = nullptr,
              std::unique_ptr<ZrodloZiarna> ziarno = {});
    ~TSiec2D3D() override;

    // Sets the window up for a lattice kind ("3DR", "2DKwadrat", "2DTrojkat",
    // "2DHeksagonalna") with every default.
    void UstawSiec(const QString& rodzaj);

    void BSiecDalejClick();
    void BSiecNoweClick();
    void BSiecZamknijClick();
    void TBPomocClick();
    void TimerDalejTimer();

    // The help context of the stage and page the window shows: what "Pomoc"
    // opens.
    int KontekstEtapu() const;

    const QString& RodzajSieci() const { return rodzajSieci_; }
    const Obliczenia& Silnik() const { return *obliczenia_; }

    QLabel* PasekObrazka;
    QTabWidget* TNUstawienia;
    StronaUstawien* Ustawienia;
    StronaObliczen* TNObliczenia;
    StronyWynikow* TNWyniki;
    PrzyciskPrzezroczysty* TBPomoc;
    PrzyciskPrzezroczysty* BSiecNowe;
    PrzyciskPrzezroczysty* BSiecDalej;
    PrzyciskPrzezroczysty* BSiecZamknij;
    QStatusBar* PasekStanu;
    QTimer TimerDalej;
    std::unique_ptr<WykresySymulacji> Wykresy;
    SterownikPrzebiegu* Przebieg;

signals:
    // "Pomoc" asks for the help at this context; the program's one help
    // window answers.
    void Pomoc(int kontekst);

protected:
    bool event(QEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    void Zbuduj();
    void DodajMenuWykresow();
    void FormCreate();
    void PrzygotujObliczenia();
    void UstawTytul(const QString& etap);
    void UstawIkone(const QString& obrazek);
    void PokazEtap(QWidget* notebook);

    Dialogi& dialogi_;
    QWidget* menu_;
    std::unique_ptr<ZrodloZiarna> ziarno_;
    std::unique_ptr<Obliczenia> obliczenia_;
    QString plikPomocy_;
    QString rodzajSieci_;
};
