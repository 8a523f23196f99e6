#include "ui/CommandRegistry.h"

#include <QAction>
#include <QCoreApplication>

#include <utility>

namespace ui {

void CommandRegistry::add(const QByteArray& name, std::function<void()> command)
{
    commands_.insert(name, std::move(command));
    if (QAction* shared = actions_.value(name))
        shared->setEnabled(true);
}

bool CommandRegistry::has(const QByteArray& name) const
{
    return commands_.contains(name);
}

bool CommandRegistry::run(const QByteArray& name) const
{
    const auto found = commands_.constFind(name);
    if (found == commands_.constEnd())
        return false;
    // A copy: the command may register commands itself.
    const std::function<void()> command = *found;
    command();
    return true;
}

QAction* CommandRegistry::action(const QByteArray& name)
{
    QPointer<QAction>& shared = actions_[name];
    if (!shared) {
        shared = new QAction(QCoreApplication::instance());
        shared->setEnabled(has(name));
        QObject::connect(shared, &QAction::triggered, [this, name] { run(name); });
    }
    return shared;
}

CommandRegistry& commands()
{
    static CommandRegistry registry;
    return registry;
}

} // namespace ui
