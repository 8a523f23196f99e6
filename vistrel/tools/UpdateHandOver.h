#pragma once
// The hand-over to the updater once the update check has written the new executable:
// log out from the reflector (the shared Disconnect command, which returns when its
// own waits are over), start the updater "update" from the program's folder without
// arguments, and end the program at once, without its shut-down steps.
//
// Each step is handed in, so the window passes the program's own and a test its fakes.
#include <QString>

#include <functional>

namespace platform {
class Launcher;
}

inline constexpr char kUpdaterName[] = "update";

struct HandOverSteps {
    std::function<void()> disconnect;
    platform::Launcher* launcher = nullptr;
    QString programFolder;
    std::function<void(const QString& message)> showMessage;
    std::function<void(int exitCode)> endProcess;

    // The program's launcher, folder, message box and end of the process from
    // services(), with the given Disconnect command.
    static HandOverSteps fromServices(std::function<void()> disconnect);
};

enum class HandOverOutcome {
    UpdaterStarted,
    UpdaterMissing,   // "You are missing the Update.exe" was shown
    UpdaterNotStarted // it is there but did not start; the reason was shown
};

// Runs the hand-over; the program has been ended when it returns (a test's end of
// the process returns, the real one does not).
HandOverOutcome handOverToUpdater(const HandOverSteps& steps);
