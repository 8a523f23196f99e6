#include "TempProgramFolder.h"

#include <QTcpServer>

namespace {

// "http://127.0.0.1:<port>" of a port that was free a moment ago.
QString unreachableServer()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
}

} // namespace

TempProgramFolder::TempProgramFolder() : settings_(folder_.filePath(QStringLiteral("settings/settings.ini")))
{
    platform::Services services = platform::services();
    services.dialogs = &dialogs_;
    services.launcher = &launcher_;
    services.settings = &settings_;
    services.programFolder = folder_.path();
    services.webServerBase = unreachableServer();
    services.endProcess = [this](int exitCode) { endProcessCalls_ << exitCode; };
    installed_.emplace(std::move(services));
}
