#include "DialogiQt.h"

#include "OknoZapisu.h"

#include <QMessageBox>

Odpowiedz DialogiQt::Zapytaj(QWidget* rodzic, const QString& tekst, const QString& tytul,
                             Przyciski przyciski, Ikona ikona) {
    // Texts may break lines as "\n\r" or "\r\n"; a message box wants plain "\n".
    QString wyswietlany = tekst;
    wyswietlany.replace(QLatin1String("\n\r"), QLatin1String("\n"))
        .replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox okno(ikona == Ikona::Blad ? QMessageBox::Critical : QMessageBox::NoIcon, tytul,
                     wyswietlany, QMessageBox::NoButton, rodzic);
    switch (przyciski) {
    case Przyciski::TakNie:
        okno.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Przyciski::TakNieDomyslnieNie:
        okno.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        okno.setDefaultButton(QMessageBox::No);
        break;
    case Przyciski::OkAnuluj:
        okno.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Przyciski::Ok:
        okno.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (okno.exec()) {
    case QMessageBox::Yes:
        return Odpowiedz::Tak;
    case QMessageBox::No:
        return Odpowiedz::Nie;
    case QMessageBox::Ok:
        return Odpowiedz::Ok;
    default:
        // Escape or the close box: the safe answer of the buttons shown.
        return przyciski == Przyciski::TakNie || przyciski == Przyciski::TakNieDomyslnieNie
                   ? Odpowiedz::Nie
                   : Odpowiedz::Anuluj;
    }
}

std::optional<WybranyPlik> DialogiQt::WybierzPlikDoZapisu(QWidget* rodzic,
                                                          const ZapytanieOZapis& zapytanie) {
    OknoZapisu okno(rodzic, zapytanie.Tytul, zapytanie.Katalog);
    okno.setNameFilters(zapytanie.Filtry);
    const int typ = qBound(1, zapytanie.Typ, static_cast<int>(zapytanie.Filtry.size()));
    if (!zapytanie.Filtry.isEmpty()) {
        okno.selectNameFilter(zapytanie.Filtry.at(typ - 1));
    }
    okno.selectFile(zapytanie.NazwaPliku);
    QObject::connect(&okno, &QFileDialog::filterSelected, &okno, [&](const QString& filtr) {
        if (zapytanie.ZmianaTypu) {
            zapytanie.ZmianaTypu(static_cast<int>(zapytanie.Filtry.indexOf(filtr)) + 1);
        }
    });
    if (okno.exec() != QDialog::Accepted || okno.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const int wybranyTyp = okno.WybranyTyp();
    return WybranyPlik{okno.selectedFiles().constFirst(), wybranyTyp > 0 ? wybranyTyp : typ};
}
