#pragma once
// The update check window ("Check for Updated Version"): shows the running version,
// and on "Check Update" the version the product web server offers (UpdateCheck.h).
// When the offer is another version and its executable has been downloaded, the
// window hands over to the updater: the shared Disconnect command, then "update" from
// the program's folder, then the end of the program (UpdateHandOver.h). Closing the
// window ends a running check, so no hand-over follows.
#include "tools/UpdateCheck.h"
#include "tools/UpdateHandOver.h"
#include "ui/ProgramWindow.h"

#include <functional>

class PanelStatusBar;
class QLineEdit;
class QPushButton;

class UpdateWindow : public ProgramWindow {
    Q_OBJECT
public:
    UpdateWindow();

    void load();
    // "Check Update".
    void checkForUpdate();

protected:
    // Every way of closing ends the check: a hand-over still to come does not happen.
    void closing() override;

private:
    void handOver();

    UpdateCheck check_;

    QLineEdit* runningVersionBox_ = nullptr; // Text1
    QLineEdit* offeredVersionBox_ = nullptr; // Text2: the version text fetched
    QPushButton* checkButton_ = nullptr;     // Command1
    PanelStatusBar* statusBar_ = nullptr;    // StatusBar1: the state of the transfers
};

// The update command: shows the window.
void showUpdateWindow(UpdateWindow& window);
