#include "TempProgramFolder.h"

TempProgramFolder::TempProgramFolder() : settings_(folder_.filePath(QStringLiteral("settings/settings.ini")))
{
    platform::Services services = platform::services();
    services.dialogs = &dialogs_;
    services.launcher = &launcher_;
    services.settings = &settings_;
    services.programFolder = folder_.path();
    services.endProcess = [this](int exitCode) { endProcessCalls_ << exitCode; };
    installed_.emplace(std::move(services));
}
