#include "OknoZapisu.h"

#include "RegulaZapisu.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <unistd.h>

namespace {

// The name field of Qt's own dialog.
QLineEdit* PoleNazwy(const QFileDialog& okno) {
    return okno.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

// The longest name, in bytes, the file system of `folder` takes.
qsizetype NajdluzszaNazwa(const QString& folder) {
    const long najwiecej = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return najwiecej > 0 ? najwiecej : 255;
}

} // namespace

OknoZapisu::OknoZapisu(QWidget* rodzic, const QString& tytul, const QString& katalog)
    : QFileDialog(rodzic, tytul, katalog), uwaga_(new QLabel(this)) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::DontUseNativeDialog);
    uwaga_->hide();
    if (auto* siatka = qobject_cast<QGridLayout*>(layout())) {
        siatka->addWidget(uwaga_, siatka->rowCount(), 0, 1, siatka->columnCount());
    }
    if (QLineEdit* pole = PoleNazwy(*this)) {
        connect(pole, &QLineEdit::textChanged, this, [this] { SprawdzNazwe(); });
    }
    connect(this, &QFileDialog::filterSelected, this, [this] { SprawdzNazwe(); });
}

int OknoZapisu::WybranyTyp() const {
    return static_cast<int>(nameFilters().indexOf(selectedNameFilter())) + 1;
}

QString OknoZapisu::Uwaga() const {
    return uwaga_->isVisible() ? uwaga_->text() : QString();
}

QString OknoZapisu::Docelowy() const {
    // A folder typed there is opened, not saved to.
    const QLineEdit* pole = PoleNazwy(*this);
    const QStringList pliki = selectedFiles();
    if (!pole || pole->text().trimmed().isEmpty() || pliki.size() != 1 ||
        QFileInfo(pliki.first()).isDir()) {
        return {};
    }
    return PlikWedlugTypu(pliki.first(), nameFilters(), WybranyTyp()).Sciezka;
}

bool OknoZapisu::SprawdzNazwe() {
    const QFileInfo cel(Docelowy());
    const bool zaDluga = !cel.fileName().isEmpty() && QFile::encodeName(cel.fileName()).size() >
                                                          NajdluzszaNazwa(cel.absolutePath());
    uwaga_->setText(zaDluga ? QStringLiteral("Nazwa pliku jest za długa.") : QString());
    uwaga_->setVisible(zaDluga);
    if (QLineEdit* pole = PoleNazwy(*this)) {
        pole->setAccessibleDescription(uwaga_->text());
    }
    return !zaDluga;
}

void OknoZapisu::accept() {
    if (!SprawdzNazwe()) {
        return;
    }
    // The chosen type's extension goes into the name field itself, so that
    // Qt asks about replacing the file that will be written.
    QLineEdit* pole = PoleNazwy(*this);
    const QStringList pliki = selectedFiles();
    const QString docelowy = Docelowy();
    if (pole && !docelowy.isEmpty() && docelowy.size() > pliki.first().size() &&
        docelowy.startsWith(pliki.first())) {
        pole->setText(pole->text() + docelowy.mid(pliki.first().size()));
    }
    QFileDialog::accept();
}
