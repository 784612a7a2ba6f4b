#pragma once

#include <QString>

// Reads one string value of a settings key. A missing key or value reads as
// empty; the user's value wins over the system-wide one.
class TIniRead {
public:
    TIniRead();

    const QString& SubKeyName() const { return subKeyName_; }
    void SetSubKeyName(const QString& nazwa);
    const QString& ReadString() const { return readString_; }
    void SetReadString(const QString& nazwa);

    // Reads the value named ReadString into Value.
    void Execute();

    QString Value;

private:
    QString subKeyName_;
    QString readString_;
};
