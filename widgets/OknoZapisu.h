#pragma once

#include <QFileDialog>

class QLabel;

// Qt's own save dialog that adds the extension of the chosen type to the
// name before it asks about overwriting (PlikWedlugTypu), so that the
// question is asked about the file that will be written. A name the file
// system cannot hold is refused with a word under the name field, not just a
// greyed button.
class OknoZapisu : public QFileDialog {
public:
    OknoZapisu(QWidget* rodzic, const QString& tytul, const QString& katalog);

    // The 1-based index of the type selected now among the name filters.
    int WybranyTyp() const;
    // What the dialog says about the name typed ("" while nothing).
    QString Uwaga() const;

protected:
    void accept() override;

private:
    // The file the name typed now would be saved as ("" for none or a folder).
    QString Docelowy() const;
    // Shows or hides the word about the name; true when the name can be used.
    bool SprawdzNazwe();

    QLabel* uwaga_;
};
