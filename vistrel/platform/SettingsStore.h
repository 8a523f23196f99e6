#pragma once
// Per-application settings by application, section and key, kept in one INI
// file. It stands in for the desktop registry that settings were kept in.
#include <QByteArray>
#include <QString>

namespace platform {

class SettingsStore {
public:
    // The store keeps its values in the INI file at filePath; the file and its
    // folder are created on the first save, the file readable by the owner only
    // since a setting may be a password.
    explicit SettingsStore(QString filePath);

    // The user's own store: Vistrel/settings.ini in the user's configuration folder.
    static QString defaultFilePath();

    const QString& filePath() const { return filePath_; }

    // Values are the program's 8-bit texts. Application, section and key are
    // plain names without '/' or '\'.
    QByteArray get(const QByteArray& application, const QByteArray& section, const QByteArray& key,
                   const QByteArray& defaultValue = {}) const;
    // False when the file could not be written.
    bool save(const QByteArray& application, const QByteArray& section, const QByteArray& key, const QByteArray& value);

private:
    QString filePath_;
};

// The settings store currently installed (see Services.h).
SettingsStore& settingsStore();

} // namespace platform
