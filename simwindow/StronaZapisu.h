#pragma once

#include "RodzajSieci.h"
#include "TekstyFluktuacji.h"
#include "TekstyWynikow.h"

#include <QString>
#include <QWidget>

#include <optional>

class Dialogi;
class PrzyciskPrzezroczysty;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
struct WynikiSerii;

// The page "Wyniki": the results of a series as text and their save to a
// file a spreadsheet opens. The folder of the last save is remembered in the
// settings ("KatalogDoZapisu"), the file type chosen last is proposed again.
class StronaZapisu : public QWidget {
    Q_OBJECT
public:
    StronaZapisu(Dialogi& dialogi, QWidget* rodzic = nullptr);

    // The lattice kind whose file name the save proposes.
    void UstawRodzaj(RodzajSieci rodzaj) { rodzaj_ = rodzaj; }
    // Fills the memos and edits; the Cv/kN at the transition keeps its
    // previous text when the results give none.
    void PokazTeksty(const WynikiSerii& wyniki);
    // Checks the five export choices the results stage always offers; the
    // column of the fluctuations is left as the user set it.
    void ZaznaczEksport();
    // The texts of the estimate from the fluctuations, written when its box
    // is checked.
    void UstawFluktuacje(const TekstyFluktuacji& teksty);
    void UstawFokus();
    // The transition's texts as the edits show them.
    TekstyWynikow Teksty() const;
    PolaWynikow Pola() const;

    void BZapiszWynikiClick();
    void ZapiszWyniki();
    // The file type changed while the dialog is open: 1 comma-separated,
    // 2 tab-separated text, 3 workbook.
    void SDZapiszWynikiTypeChange(int typ);
    // The field separator of the type chosen last.
    char Separator() const;

signals:
    // A results file was written whole, at this path.
    void WynikiZapisane(const QString& sciezka);

private:
    void Zbuduj();

    Dialogi& dialogi_;
    std::optional<RodzajSieci> rodzaj_;
    TekstyWynikow teksty_;
    TekstyFluktuacji fluktuacje_;
    int typ_ = 1;

    QPlainTextEdit* MOpisSieci;
    QPlainTextEdit* MLambda;
    QPlainTextEdit* MSigma;
    QPlainTextEdit* MCvkN;
    QLineEdit* ELambdaTc;
    QLineEdit* ECvkNTc;
    QCheckBox* CBWynikiOpis;
    QCheckBox* CBWynikiLambda;
    QCheckBox* CBWynikiSigma;
    QCheckBox* CBWynikiCvkN;
    QCheckBox* CBWynikiLambdaTc;
    QCheckBox* CBWynikiCvkNTc;
    QCheckBox* CBWynikiFluktuacje;
    PrzyciskPrzezroczysty* BZapiszWyniki;
};
