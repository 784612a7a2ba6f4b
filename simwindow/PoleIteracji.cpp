#include "PoleIteracji.h"

#include <QLineEdit>

#include <algorithm>

PoleIteracji::PoleIteracji(QWidget* rodzic) : QSpinBox(rodzic) {
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setKeyboardTracking(false);
}

int PoleIteracji::WartoscUzywana() const {
    return valueFromText(lineEdit()->text());
}

QValidator::State PoleIteracji::validate(QString& tekst, int&) const {
    if (tekst == textFromValue(value())) {
        return QValidator::Acceptable;
    }
    if (tekst.size() > MaxZnakow) {
        return QValidator::Invalid;
    }
    bool liczba = false;
    const int wartosc = tekst.toInt(&liczba);
    if (liczba && wartosc >= minimum() && wartosc <= maximum()) {
        return QValidator::Acceptable;
    }
    // Anything else may still be on its way to a number; it is settled when
    // the field is left.
    return QValidator::Intermediate;
}

int PoleIteracji::valueFromText(const QString& tekst) const {
    bool liczba = false;
    const int wartosc = tekst.trimmed().toInt(&liczba);
    return std::clamp(liczba ? wartosc : minimum(), minimum(), maximum());
}

void PoleIteracji::fixup(QString& tekst) const {
    tekst = textFromValue(valueFromText(tekst));
}
