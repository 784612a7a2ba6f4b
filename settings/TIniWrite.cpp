#include "TIniWrite.h"

#include "OtworzKlucz.h"

#include <QSettings>
#include <QVariant>

TIniWrite::TIniWrite(QObject* rodzic) : QObject(rodzic), subKeyName_(KluczFazolab()) {}

void TIniWrite::SetSubKeyName(const QString& nazwa) {
    if (nazwa != subKeyName_) {
        subKeyName_ = nazwa;
    }
}

void TIniWrite::SetReadString(const QString& nazwa) {
    if (nazwa != readString_) {
        readString_ = nazwa;
    }
}

void TIniWrite::SetNotifyMessage(const QString& tekst) {
    if (tekst != notifyMessage_) {
        notifyMessage_ = tekst;
    }
}

bool TIniWrite::Execute(const QString& tekst) {
    blad_.clear();
    const auto ustawienia = OtworzKlucz(subKeyName_);
    ustawienia->setValue(readString_, tekst);
    ustawienia->sync();
    if (ustawienia->status() != QSettings::NoError) {
        blad_ = QStringLiteral("Failed to set data for '%1'").arg(readString_);
        return false;
    }
    if (notify_) {
        emit Powiadomienie(notifyMessage_);
    }
    return true;
}
