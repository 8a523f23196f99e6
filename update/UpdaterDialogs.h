#pragma once
// The message boxes the updater shows, behind an interface so tests can record them
// instead of waiting for a click.
#include <QString>

namespace updater {

class UpdaterDialogs {
public:
    virtual ~UpdaterDialogs() = default;
    // A modal box with the text and an OK button; returns when it is answered.
    virtual void message(const QString& text) = 0;
};

// The real boxes, titled "Vistrel" like the program's own, over the active window.
class MessageBoxDialogs final : public UpdaterDialogs {
public:
    void message(const QString& text) override;
};

} // namespace updater
