#pragma once
// The real services of a desktop session: the boxes over the toolkit's dialogs, and
// starting programs and opening pages in the user's browser. The program puts them
// in at start (tests put in their own, see Services.h).
#include "platform/Dialogs.h"
#include "platform/Launcher.h"

namespace ui {

// The real boxes, over QMessageBox, QInputDialog and QFileDialog.
class WidgetDialogs final : public platform::Dialogs {
protected:
    platform::MessageAnswer showMessageBox(const platform::MessageBoxRequest& request) override;
    QString showInputBox(const platform::InputBoxRequest& request) override;
    QString showSaveFileDialog(const platform::SaveFileRequest& request) override;
};

// The real launcher, over QProcess::startDetached and QDesktopServices.
class ProcessLauncher final : public platform::Launcher {
public:
    platform::StartResult startProgram(const QString& program, const QStringList& arguments,
                                       const QString& workingFolder = {}) override;
    bool openPage(const QUrl& page) override;
};

// Puts the real boxes and launcher into the current services.
void installDesktopServices();

} // namespace ui
