#pragma once
// The session's settings as the link windows hold them: the server settings' address
// and port boxes, and the user settings' boxes, read at the moment the session asks.
#include "link/ReflectorSettings.h"

class LinkWindows;

class SettingsFromWindows final : public ReflectorSettings {
public:
    explicit SettingsFromWindows(LinkWindows& windows) : windows_(windows) {}

    QString primaryAddress() const override;
    QString backupAddress() const override;
    QString portText() const override;
    QByteArray userId() const override;
    QByteArray userName() const override;
    QByteArray password() const override;
    QByteArray outsideAddress() const override;

private:
    LinkWindows& windows_;
};
