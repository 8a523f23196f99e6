#include "UpdateHandOver.h"

#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/ProcessEnd.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

HandOverSteps HandOverSteps::fromServices(std::function<void()> disconnect)
{
    HandOverSteps steps;
    steps.disconnect = std::move(disconnect);
    steps.launcher = &platform::launcher();
    steps.programFolder = platform::programFolder();
    steps.showMessage = [](const QString& message) { platform::dialogs().messageBox(message); };
    steps.endProcess = [](int exitCode) { platform::endProcess(exitCode); };
    return steps;
}

HandOverOutcome handOverToUpdater(const HandOverSteps& steps)
{
    steps.disconnect();
    const QString updater = QDir(steps.programFolder).filePath(QString::fromLatin1(kUpdaterName));
    HandOverOutcome outcome = HandOverOutcome::UpdaterStarted;
    if (!QFileInfo(updater).isFile()) {
        outcome = HandOverOutcome::UpdaterMissing;
        steps.showMessage(QStringLiteral("You are missing the Update.exe"));
    } else if (!steps.launcher->startProgram(updater, {}, steps.programFolder).started) {
        outcome = HandOverOutcome::UpdaterNotStarted;
        steps.showMessage(QStringLiteral("Cannot start %1").arg(updater));
    }
    steps.endProcess(0);
    return outcome;
}
