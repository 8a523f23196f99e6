#include "ui/SharedMenuBar.h"

#include "ui/CommandRegistry.h"

#include <QAction>
#include <QList>
#include <QMenu>
#include <QMenuBar>

namespace {

struct MenuItem {
    const char* caption;
    const char* name;
    const char* command;
    // What a secondary window's own item runs instead; null: the same command.
    const char* onSecondaryWindow = nullptr;
    bool mainWindowOnly = false;
};

struct Menu {
    const char* caption;
    const char* name;
    QList<MenuItem> items;
};

const QList<Menu>& menus()
{
    namespace c = ui::command;
    constexpr bool mainOnly = true;
    static const QList<Menu> table = {
        {"File",
         "mnuFile",
         {{"Connect", "mnuConnect", c::kConnect, c::kConnectFromSecondaryWindow},
          {"Disconnect", "mnuDisconnect", c::kDisconnect, c::kDisconnectFromSecondaryWindow},
          {"Exit", "mnuExit", c::kExit, c::kExitWithoutWaiting}}},
        {"View",
         "mnuView",
         {{"Cam Locator", "mnuSummary", c::kShowLocator},
          {"System Status", "mnuSystem", c::kShowSystemStatus},
          {"Vistrel", "mnuWebCam", c::kShowSnapshotWindow},
          {"Media Player", "mnuMediaPlayer", c::kStartMediaPlayer},
          {"Real Player", "mnuRealPlayer", c::kStartRealPlayer},
          {"Search", "mnusearch", c::kShowPlayerSearch}}},
        {"Tools",
         "mnuPO",
         {{"Add New Webcams", "mnuAddWebCams", c::kAddNewWebcams, nullptr, mainOnly},
          {"Options", "mnuOptions", c::kShowOptions},
          {"Server Settings", "mnuServerSettings", c::kShowServerSettings},
          {"User Settings", "mnuSettings", c::kShowUserSettings}}},
        {"Help",
         "mnuHelp",
         {{"About Vistrel", "mnuAbout", c::kShowAbout},
          {"Quick Start", "mnuQuickStart", c::kShowQuickStart, nullptr, mainOnly},
          {"Support Chat", "mnuSupport", c::kShowSupportChat, nullptr, mainOnly},
          {"Updates", "mnuUpdates", c::kShowUpdateCheck}}},
    };
    return table;
}

QMenuBar* createMenuBar(QWidget* window, bool ofMainWindow, OwnFileCommands own = {})
{
    namespace c = ui::command;
    auto* bar = new QMenuBar(window);
    for (const Menu& menu : menus()) {
        QMenu* shown = bar->addMenu(QString::fromLatin1(menu.caption));
        shown->setObjectName(QString::fromLatin1(menu.name));
        for (const MenuItem& item : menu.items) {
            if (item.mainWindowOnly && !ofMainWindow)
                continue;
            const char* command = !ofMainWindow && item.onSecondaryWindow ? item.onSecondaryWindow : item.command;
            if (own.connect && command == c::kConnectFromSecondaryWindow)
                command = own.connect;
            if (own.disconnect && command == c::kDisconnectFromSecondaryWindow)
                command = own.disconnect;
            QAction* action = ui::commands().action(command);
            action->setText(QString::fromLatin1(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            shown->addAction(action);
        }
    }
    return bar;
}

} // namespace

QMenuBar* createSharedMenuBar(QWidget* window, OwnFileCommands own)
{
    return createMenuBar(window, false, own);
}

QMenuBar* createMainMenuBar(QWidget* mainWindow)
{
    return createMenuBar(mainWindow, true);
}

QAction* menuAction(const QMenuBar& bar, const QString& name)
{
    for (const QMenu* menu : bar.findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == name)
                return action;
        }
    }
    return nullptr;
}
