#include "chat/RemoteCommandRunner.h"

#include "chat/ChatLines.h"
#include "chat/PicturePanel.h"
#include "chat/SupportChatWindow.h"
#include "chatprotocol/RemoteCommands.h"
#include "link/ReflectorSession.h"
#include "platform/Codec.h"
#include "platform/Launcher.h"
#include "platform/ListInputReader.h"
#include "platform/ProgramFolder.h"
#include "tools/LocatorWindow.h"
#include "ui/CommandRegistry.h"
#include "ui/ToolbarPicture.h"

#include <QComboBox>

using chat::RemoteAction;
using chat::RemoteCommand;

namespace {

constexpr int kNormalPicture = 1;
constexpr int kHighlightedPicture = 2;

void playClip(const QByteArray& field)
{
    std::optional<platform::ListInputReader> pathFile =
        platform::ListInputReader::fromFile(platform::programFile(QStringLiteral("MediaPlay.txt")));
    const QByteArray player = pathFile ? pathFile->next() : QByteArray();
    const QByteArray clip = chat::clipArgument(field);
    if (player.isEmpty() || clip.isEmpty())
        return;
    platform::launcher().startProgram(platform::fromCp1252(player), {platform::fromCp1252(clip)});
}

void showLowerPicture(SupportChatWindow& window, const QByteArray& address)
{
    window.lowerPicture().load(address);
    // The window grows once to bring the lower panel into view.
    if (!window.enlarged()) {
        window.setEnlarged(true);
        window.changeHeight(SupportChatWindow::kEnlargeTwips);
    }
    window.show();
}

void changeHeight(SupportChatWindow& window, int change)
{
    if (change > 0)
        window.setEnlarged(true);
    else if (change < 0)
        window.setEnlarged(false);
    window.changeHeight(change);
}

void clickConnect(LocatorWindow& locator)
{
    locator.hide();
    locator.enableTopics();
    ui::commands().run(ui::command::kConnect);
}

void clickDisconnect(LocatorWindow& locator)
{
    ui::commands().run(ui::command::kDisconnect);
    reflectorSession().state().loggedIn = false;
    locator.clearTopics();
}

} // namespace

void runRemoteCommand(SupportChatWindow& window, ui::WindowSlot<LocatorWindow>& locator, const QByteArray& chunk)
{
    const RemoteCommand command = chat::readRemoteCommand(chunk);
    switch (command.action) {
    case RemoteAction::ChatText: window.appendToTranscript(chat::supportLine(window.supportName(), chunk)); break;
    case RemoteAction::ShowClip: window.runProgramStepLater([clip = command.argument1] { playClip(clip); }); break;
    case RemoteAction::ShowPicture1:
        window.upperPicture().load(command.argument1);
        window.show();
        break;
    case RemoteAction::ShowPicture2: showLowerPicture(window, command.argument1); break;
    case RemoteAction::Show: window.show(); break;
    case RemoteAction::Hide: window.hide(); break;
    case RemoteAction::ChangeHeight: changeHeight(window, command.heightChange); break;
    case RemoteAction::Identify:
        window.setSupportName(command.argument1);
        window.upperPicture().load(command.argument2);
        window.show();
        break;
    case RemoteAction::Highlight:
    case RemoteAction::Unhighlight:
        if (command.toolbarButton)
            changeToolbarPicture(*command.toolbarButton,
                                 command.action == RemoteAction::Highlight ? kHighlightedPicture : kNormalPicture);
        break;
    case RemoteAction::Connect: window.runProgramStepLater([&locator] { clickConnect(locator()); }); break;
    case RemoteAction::Disconnect: window.runProgramStepLater([&locator] { clickDisconnect(locator()); }); break;
    case RemoteAction::RunCommand:
        window.runProgramStepLater([name = command.commandName] { ui::commands().run(name); });
        break;
    }
}
