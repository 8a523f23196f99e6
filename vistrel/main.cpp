// Vistrel: the desktop client for the reflector's directory of live webcams.
#include "directory/MainWindow.h"
#include "directory/ProgramCommands.h"
#include "directory/ProgramSession.h"
#include "linkwindows/ServerSettingsWindow.h"
#include "platform/ProgramFolder.h"
#include "ui/DesktopServices.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vistrel");
    const platform::StartupOptions options = platform::parseStartupOptions(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "vistrel: %s\n", qPrintable(options.error));
        return 2;
    }
    ui::installDesktopServices();
    platform::applyStartupOptions(options);
    registerProgramCommands();
    observeProgramSession();
    // The main window is the start-up window: loading it shows the frame, whose load
    // runs the start-up sequence. The program ends only through its shut-down paths.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::form<MainWindow>().show();
    // A reflector or transmitter that cannot listen on its port box's design port (the
    // demo fakes).
    if (options.reflectorPort != 0)
        ui::form<ServerSettingsWindow>().reflectorPortBox->setText(QString::number(options.reflectorPort));
    if (options.transmitterPort != 0)
        ui::form<ServerSettingsWindow>().viewerPortBox->setText(QString::number(options.transmitterPort));
    return QApplication::exec();
}
