#include "directory/SharedMenuBar.h"

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
};

struct Menu {
    const char* caption;
    const char* name;
    QList<MenuItem> items;
};

const QList<Menu>& menus()
{
    using M = MainVODA;
    static const QList<Menu> table = {
        {"File", "mnuFile", {{"Connect", "mnuConnect", nullptr},
                             {"Disconnect", "mnuDisconnect", nullptr},
                             {"Exit", "mnuExit", &M::mnuExit_Click}}},
        {"View", "mnuView", {{"Cam Locator", "mnuSummary", nullptr},
                             {"System Status", "mnuSystem", &M::mnuSystem_Click},
                             {"Vistrel", "mnuWebCam", nullptr},
                             {"Media Player", "mnuMediaPlayer", nullptr},
                             {"Real Player", "mnuRealPlayer", nullptr},
                             {"Search", "mnusearch", nullptr}}},
        {"Tools", "mnuPO", {{"Add New Webcams", "mnuAddWebCams", &M::mnuAddWebCams_Click},
                            {"Options", "mnuOptions", nullptr},
                            {"Server Settings", "mnuServerSettings", &M::mnuServerSettings_Click},
                            {"User Settings", "mnuSettings", &M::mnuSettings_Click}}},
        {"Help", "mnuHelp", {{"About Vistrel", "mnuAbout", nullptr},
                             {"Quick Start", "mnuQuickStart", &M::mnuQuickStart_Click},
                             {"Support Chat", "mnuSupport", nullptr},
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
            QAction* action = shown->addAction(QString::fromLatin1(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            const bool isExit = item.command == &MainVODA::mnuExit_Click;
            if (isExit && !ofMainWindow) {
                QObject::connect(action, &QAction::triggered, [] { exitWithoutWaiting(); });
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
