#pragma once

#include <QFileDialog>

// Qt's own save dialog that adds the extension of the chosen type to the
// name before it asks about overwriting (PlikWedlugTypu), so that the
// question is asked about the file that will be written.
class OknoZapisu : public QFileDialog {
public:
    OknoZapisu(QWidget* rodzic, const QString& tytul, const QString& katalog);

    // The 1-based index of the type selected now among the name filters.
    int WybranyTyp() const;

protected:
    void accept() override;
};
