#include "ui/CommandRegistry.h"

#include <utility>

namespace ui {

void CommandRegistry::add(const QByteArray& name, std::function<void()> command)
{
    commands_.insert(name, std::move(command));
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

CommandRegistry& commands()
{
    static CommandRegistry registry;
    return registry;
}

} // namespace ui
