#include "OknoZapisu.h"

#include "RegulaZapisu.h"

#include <QFileInfo>
#include <QLineEdit>

OknoZapisu::OknoZapisu(QWidget* rodzic, const QString& tytul, const QString& katalog)
    : QFileDialog(rodzic, tytul, katalog) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::DontUseNativeDialog);
}

int OknoZapisu::WybranyTyp() const {
    return static_cast<int>(nameFilters().indexOf(selectedNameFilter())) + 1;
}

void OknoZapisu::accept() {
    // The name field of Qt's own dialog; a folder typed there is opened, not
    // saved to, so it keeps its name.
    auto* pole = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QStringList pliki = selectedFiles();
    if (pole && !pole->text().trimmed().isEmpty() && pliki.size() == 1 &&
        !QFileInfo(pliki.first()).isDir()) {
        const QString wpisany = pliki.first();
        const WybranyPlik plik = PlikWedlugTypu(wpisany, nameFilters(), WybranyTyp());
        if (plik.Sciezka.size() > wpisany.size() && plik.Sciezka.startsWith(wpisany)) {
            pole->setText(pole->text() + plik.Sciezka.mid(wpisany.size()));
        }
    }
    QFileDialog::accept();
}
