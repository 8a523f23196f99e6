#pragma once
// The real services of a desktop session: the boxes over the toolkit's dialogs, and
// starting programs and opening pages in the user's browser. The program puts them
// in at start (tests put in their own, see Services.h).
#include "platform/Dialogs.h"
#include "platform/Launcher.h"

namespace ui {

// The real boxes, over QMessageBox, QInputDialog and QFileDialog. A box shown without
// waiting is not modal: the program goes on answering while it is up.
class WidgetDialogs final : public platform::Dialogs {
protected:
    platform::MessageAnswer showMessageBox(const platform::MessageBoxRequest& request) override;
    void openMessageBox(const platform::MessageBoxRequest& request, AnswerHandler answered) override;
    QString showInputBox(const platform::InputBoxRequest& request) override;
    QString showSaveFileDialog(const platform::SaveFileRequest& request) override;
};

// The real launcher, over QProcess::startDetached and QDesktopServices. A start that
// fails gives the system's reason; a page that fails, that no browser could be started
// for it (the toolkit says no more).
class ProcessLauncher final : public platform::Launcher {
public:
    platform::StartResult startProgram(const QString& program, const QStringList& arguments,
                                       const QString& workingFolder = {}) override;
    platform::PageResult openPage(const QUrl& page) override;
};

// Puts the real boxes and launcher into the current services.
void installDesktopServices();

} // namespace ui
