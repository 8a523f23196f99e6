#pragma once
// The modal boxes the windows show: message box, input box and file-save
// dialog. The windows reach them through platform::dialogs(), so tests can
// answer them with a scripted fake; the real boxes are the window kit's
// (ui/DesktopServices.h).
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

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
    // The button that Return presses; without one, the first button.
    std::optional<MessageAnswer> defaultButton;
};

// A message box's request from the values messageBox takes, in its order.
inline MessageBoxRequest messageRequest(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                                        MessageIcon icon = MessageIcon::None, const QString& title = {},
                                        std::optional<MessageAnswer> defaultButton = {})
{
    return {text, title, buttons, icon, defaultButton};
}

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

// The modal boxes run their own nested event loop, so timers and sockets go on while
// they are up. Handlers of network input (NetworkInput.h) must not start one: they
// show a message with showMessage, which returns at once.
class Dialogs {
public:
    using AnswerHandler = std::function<void(MessageAnswer)>;

    virtual ~Dialogs() = default;

    MessageAnswer messageBox(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                             MessageIcon icon = MessageIcon::None, const QString& title = {},
                             std::optional<MessageAnswer> defaultButton = {});
    // Shows a message box without waiting for it. A box of a kind (a name the caller
    // gives) is shown only while no other box of that kind is up; the result tells
    // whether this one was. onAnswer, when given, runs from the event loop with the
    // answer once the user has closed the box.
    bool showMessage(const QString& kind, MessageBoxRequest request, AnswerHandler onAnswer = {});
    // Whether a box of the kind shown by showMessage is up.
    bool isShowing(const QString& kind) const { return showing_.contains(kind); }
    // The typed text, or the empty text on Cancel.
    QString inputBox(const QString& prompt, const QString& title = {}, const QString& defaultText = {});
    // The chosen path, or the empty text on Cancel.
    QString saveFileName(const QString& title, const QString& filter, const QString& initialName = {});

protected:
    virtual MessageAnswer showMessageBox(const MessageBoxRequest& request) = 0;
    // Opens the box and returns at once; answered runs, from the event loop, when the
    // user closes it.
    virtual void openMessageBox(const MessageBoxRequest& request, AnswerHandler answered) = 0;
    virtual QString showInputBox(const InputBoxRequest& request) = 0;
    virtual QString showSaveFileDialog(const SaveFileRequest& request) = 0;

private:
    QSet<QString> showing_;
};

// The dialogs service currently installed (see Services.h).
Dialogs& dialogs();

} // namespace platform
