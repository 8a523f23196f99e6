#pragma once
// A test's own world: a temporary program folder, a settings store in it,
// scripted dialogs, a recording launcher, a recorded end of the process and a
// product web server on a local port where nothing listens (so no test reaches
// outside the machine), all put in as the current services for the fixture's
// lifetime.
#include "RecordingLauncher.h"
#include "RefusingPort.h"
#include "ScriptedDialogs.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"

#include <QList>
#include <QTemporaryDir>

#include <optional>

class TempProgramFolder {
public:
    TempProgramFolder();
    // Ends the reflector session with the folder, so the next test starts a fresh one.
    ~TempProgramFolder();

    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

    // Copies the files of one folder of the shipped data (data/<name>) into the
    // program folder's folder of that name, as the run command lays it out.
    void copyShippedFolder(const QString& name);

    ScriptedDialogs& dialogs() { return dialogs_; }
    RecordingLauncher& launcher() { return launcher_; }
    platform::SettingsStore& settings() { return settings_; }

    // The exit codes that platform::endProcess was called with.
    const QList<int>& endProcessCalls() const { return endProcessCalls_; }

private:
    QTemporaryDir folder_;
    ScriptedDialogs dialogs_;
    RecordingLauncher launcher_;
    platform::SettingsStore settings_;
    QList<int> endProcessCalls_;
    RefusingPort unreachableWebServer_;
    std::optional<platform::ScopedServices> installed_;
};
