#include "platform/SettingsStore.h"

#include "platform/Codec.h"
#include "platform/Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString settingsKey(const QByteArray& application, const QByteArray& section, const QByteArray& key)
{
    return fromCp1252(application) + u'/' + fromCp1252(section) + u'/' + fromCp1252(key);
}

// QSettings replaces the file atomically and keeps the permissions of the file
// it replaces, so creating it owner-only first keeps every later version so.
bool createOwnerOnly(const QString& filePath)
{
    if (QFileInfo::exists(filePath))
        return QFile::setPermissions(filePath, kOwnerOnly);
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath()))
        return false;
    QFile file(filePath);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly);
}

} // namespace

SettingsStore::SettingsStore(QString filePath) : filePath_(std::move(filePath))
{
}

QString SettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Vistrel/settings.ini");
}

QByteArray SettingsStore::get(const QByteArray& application, const QByteArray& section, const QByteArray& key,
                              const QByteArray& defaultValue) const
{
    const QSettings settings(filePath_, QSettings::IniFormat);
    const QVariant value = settings.value(settingsKey(application, section, key));
    return value.isValid() ? toCp1252(value.toString()) : defaultValue;
}

bool SettingsStore::save(const QByteArray& application, const QByteArray& section, const QByteArray& key,
                         const QByteArray& value)
{
    if (!createOwnerOnly(filePath_))
        return false;
    QSettings settings(filePath_, QSettings::IniFormat);
    settings.setValue(settingsKey(application, section, key), fromCp1252(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

SettingsStore& settingsStore()
{
    return *services().settings;
}

} // namespace platform
