#pragma once

#include <QSpinBox>

// The spin edit of the number of iterations: typing is allowed, at most seven
// characters (the largest count, 1000000, has seven digits). The value a run takes is the integer
// in the text, or the minimum when the text is no integer, held within the range; leaving the field
// writes that value back.
class PoleIteracji : public QSpinBox {
    Q_OBJECT
public:
    static constexpr int MaxZnakow = 7;

    explicit PoleIteracji(QWidget* rodzic = nullptr);

    // The value the text stands for now, whatever has been typed.
    int WartoscUzywana() const;

protected:
    QValidator::State validate(QString& tekst, int& pozycja) const override;
    int valueFromText(const QString& tekst) const override;
    void fixup(QString& tekst) const override;
};
