#pragma once
// The program's commands by name, so that a window can run another window's command
// (a menu item, a toolbar button) without including that window. The owner of a
// command registers it once; running a name that nobody registered does nothing.
//
// Every command has one QAction, which every menu bar shares: its enabled state is
// the command's, in one place. A command that nobody registered yet still has its
// action, disabled until the command is registered.
#include "common/CommandNames.h"

#include <QByteArray>
#include <QHash>
#include <QPointer>

#include <functional>

class QAction;

namespace ui {

class CommandRegistry {
public:
    // A later registration of the same name replaces the earlier one.
    void add(const QByteArray& name, std::function<void()> command);
    bool has(const QByteArray& name) const;
    // Runs the command whether or not its action is enabled (a remote command, a
    // retry); false when no command has the name.
    bool run(const QByteArray& name) const;
    // The command's action, created on first use and owned by the application (which
    // must exist by then); triggering it runs the command.
    QAction* action(const QByteArray& name);

private:
    QHash<QByteArray, std::function<void()>> commands_;
    QHash<QByteArray, QPointer<QAction>> actions_;
};

// The program's one registry.
CommandRegistry& commands();

} // namespace ui
