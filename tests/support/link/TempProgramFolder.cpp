#include "TempProgramFolder.h"

#include "link/ReflectorSession.h"

#include <QDir>
#include <QFile>
#include <QTest>

TempProgramFolder::TempProgramFolder() : settings_(folder_.filePath(QStringLiteral("settings/settings.ini")))
{
    platform::Services services = platform::services();
    services.dialogs = &dialogs_;
    services.launcher = &launcher_;
    services.settings = &settings_;
    services.programFolder = folder_.path();
    services.webServerBase = unreachableWebServer_.url();
    services.endProcess = [this](int exitCode) { endProcessCalls_ << exitCode; };
    installed_.emplace(std::move(services));
}

void TempProgramFolder::copyShippedFolder(const QString& name)
{
    const QDir shipped(QStringLiteral(VISTREL_SHIPPED_DATA "/") + name);
    const QDir copy(filePath(name));
    QVERIFY(QDir().mkpath(copy.path()));
    const QStringList files = shipped.entryList(QDir::Files);
    QVERIFY2(!files.isEmpty(), qPrintable(shipped.path()));
    for (const QString& file : files)
        QVERIFY(QFile::copy(shipped.filePath(file), copy.filePath(file)));
}

TempProgramFolder::~TempProgramFolder()
{
    endReflectorSession();
}
