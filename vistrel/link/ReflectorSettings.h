#pragma once
// What the session reads from the user at the moment it needs it: the reflector
// addresses and port, who logs in, and the client's outside address. The windows
// that hold these values provide them; the session never reaches a window itself.
#include <QByteArray>
#include <QString>

class ReflectorSettings {
public:
    virtual ~ReflectorSettings() = default;

    virtual QString primaryAddress() const = 0;
    virtual QString backupAddress() const = 0;
    // The port as typed; the session converts it when it connects (ReflectorPort.h).
    virtual QString portText() const = 0;
    virtual QByteArray userId() const = 0;
    virtual QByteArray userName() const = 0;
    virtual QByteArray password() const = 0;
    virtual QByteArray outsideAddress() const = 0;
};
