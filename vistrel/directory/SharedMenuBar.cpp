#include "directory/SharedMenuBar.h"

#include "directory/ConnectCommands.h"
#include "directory/MainVODA.h"
#include "frame/ShutDown.h"
#include "platform/Forms.h"

#include <QAction>
#include <QList>
#include <QMenu>
#include <QMenuBar>

namespace {

struct MenuItem {
    const char* caption;
    const char* name;
    void (MainVODA::*command)(); // null while the command is not part of the main window
    // What a secondary window's own item runs instead of the main window's command;
    // null: the main window's command.
    void (*onSecondaryWindow)() = nullptr;
    bool mainWindowOnly = false;
};

struct Menu {
    const char* caption;
    const char* name;
    QList<MenuItem> items;
};

void connectFromSecondaryWindow()
{
    connectCommand(CommandOrigin::SecondaryWindow);
}

void disconnectFromSecondaryWindow()
{
    disconnectCommand(CommandOrigin::SecondaryWindow);
}

const QList<Menu>& menus()
{
    using M = MainVODA;
    constexpr bool mainOnly = true;
    static const QList<Menu> table = {
        {"File", "mnuFile", {{"Connect", "mnuConnect", &M::mnuConnect_Click, &connectFromSecondaryWindow},
                             {"Disconnect", "mnuDisconnect", &M::mnuDisconnect_Click, &disconnectFromSecondaryWindow},
                             {"Exit", "mnuExit", &M::mnuExit_Click, &exitWithoutWaiting}}},
        {"View", "mnuView", {{"Cam Locator", "mnuSummary", nullptr},
                             {"System Status", "mnuSystem", &M::mnuSystem_Click},
                             {"Vistrel", "mnuWebCam", &M::mnuWebCam_Click},
                             {"Media Player", "mnuMediaPlayer", nullptr},
                             {"Real Player", "mnuRealPlayer", nullptr},
                             {"Search", "mnusearch", nullptr}}},
        {"Tools", "mnuPO", {{"Add New Webcams", "mnuAddWebCams", &M::mnuAddWebCams_Click, nullptr, mainOnly},
                            {"Options", "mnuOptions", nullptr},
                            {"Server Settings", "mnuServerSettings", &M::mnuServerSettings_Click},
                            {"User Settings", "mnuSettings", &M::mnuSettings_Click}}},
        {"Help", "mnuHelp", {{"About Vistrel", "mnuAbout", nullptr},
                             {"Quick Start", "mnuQuickStart", &M::mnuQuickStart_Click, nullptr, mainOnly},
                             {"Support Chat", "mnuSupport", nullptr, nullptr, mainOnly},
                             {"Updates", "mnuUpdates", nullptr}}},
    };
    return table;
}

QMenuBar* createMenuBar(QWidget* window, bool ofMainWindow)
{
    auto* bar = new QMenuBar(window);
    for (const Menu& menu : menus()) {
        QMenu* shown = bar->addMenu(QString::fromLatin1(menu.caption));
        shown->setObjectName(QString::fromLatin1(menu.name));
        for (const MenuItem& item : menu.items) {
            if (item.mainWindowOnly && !ofMainWindow)
                continue;
            QAction* action = shown->addAction(QString::fromLatin1(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            if (!ofMainWindow && item.onSecondaryWindow) {
                QObject::connect(action, &QAction::triggered, item.onSecondaryWindow);
            } else if (item.command) {
                const auto command = item.command;
                QObject::connect(action, &QAction::triggered, [command] { (platform::form<MainVODA>().*command)(); });
            } else {
                action->setEnabled(false);
            }
        }
    }
    return bar;
}

} // namespace

QMenuBar* createSharedMenuBar(QWidget* window)
{
    return createMenuBar(window, false);
}

QMenuBar* createMainMenuBar(MainVODA& main)
{
    return createMenuBar(&main, true);
}
