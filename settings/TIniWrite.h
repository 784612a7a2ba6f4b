#pragma once

#include <QObject>
#include <QString>

// Writes one string value of a settings key in the user scope, creating the
// key when missing. With Notify set, a successful write announces
// NotifyMessage through Powiadomienie, which the window shows in a plain
// message box.
class TIniWrite : public QObject {
    Q_OBJECT

public:
    explicit TIniWrite(QObject* rodzic = nullptr);

    const QString& SubKeyName() const { return subKeyName_; }
    void SetSubKeyName(const QString& nazwa);
    const QString& ReadString() const { return readString_; }
    void SetReadString(const QString& nazwa);
    bool Notify() const { return notify_; }
    void SetNotify(bool notify) { notify_ = notify; }
    const QString& NotifyMessage() const { return notifyMessage_; }
    void SetNotifyMessage(const QString& tekst);

    // Writes `tekst` as the value named ReadString and makes sure it reached
    // the disk. False when it did not; Blad() then holds
    // "Failed to set data for '<value name>'".
    bool Execute(const QString& tekst);
    const QString& Blad() const { return blad_; }

signals:
    void Powiadomienie(const QString& tekst);

private:
    QString subKeyName_;
    QString readString_;
    bool notify_ = false;
    QString notifyMessage_;
    QString blad_;
};
