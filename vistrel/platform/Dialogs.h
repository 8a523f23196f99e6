#pragma once
// The modal boxes the windows show: message box, input box and file-save
// dialog. The windows reach them through platform::dialogs(), so tests can
// answer them with a scripted fake; the real boxes are the window kit's
// (ui/DesktopServices.h).
#include <QString>

namespace platform {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The title of a box that is shown without one of its own.
inline constexpr char16_t kDefaultDialogTitle[] = u"Vistrel";

// One box as it is shown. Message and input boxes shown without a title of
// their own carry the default title; the file dialog keeps the toolkit's own.
struct MessageBoxRequest {
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

struct InputBoxRequest {
    QString prompt;
    QString title;
    QString defaultText;
};

struct SaveFileRequest {
    QString title;
    QString filter; // in QFileDialog form: "Text files (*.txt);;All files (*)"
    QString initialName;
};

// Every box is modal and runs its own nested event loop, so timers and
// sockets go on while it is up.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    MessageAnswer messageBox(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                             MessageIcon icon = MessageIcon::None, const QString& title = {});
    // The typed text, or the empty text on Cancel.
    QString inputBox(const QString& prompt, const QString& title = {}, const QString& defaultText = {});
    // The chosen path, or the empty text on Cancel.
    QString saveFileName(const QString& title, const QString& filter, const QString& initialName = {});

protected:
    virtual MessageAnswer showMessageBox(const MessageBoxRequest& request) = 0;
    virtual QString showInputBox(const InputBoxRequest& request) = 0;
    virtual QString showSaveFileDialog(const SaveFileRequest& request) = 0;
};

// The dialogs service currently installed (see Services.h).
Dialogs& dialogs();

} // namespace platform
