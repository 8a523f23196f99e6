// Vistrel: the desktop client for the reflector's directory of live webcams.
#include "directory/ProgramCommands.h"
#include "directory/ProgramSession.h"
#include "directory/ProgramWindows.h"
#include "frame/CommandLine.h"
#include "platform/ProgramFolder.h"
#include "ui/DesktopServices.h"
#include "ui/IndicatorStyle.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    // Help and the version need no display: they are answered before the toolkit
    // starts, unless one of the toolkit's own options stands among the arguments.
    QStringList given;
    for (int i = 0; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    if (const CommandLine early = readCommandLine(given);
        early.outcome == CommandLine::Outcome::Help || early.outcome == CommandLine::Outcome::Version)
        return reportCommandLine(early);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistrel"));
    // The toolkit has taken its own options (-platform, -display, ...) out of the
    // arguments by now; every other one must be the program's.
    const CommandLine commandLine = readCommandLine(QApplication::arguments());
    if (commandLine.outcome != CommandLine::Outcome::Run)
        return reportCommandLine(commandLine);
    const platform::StartupOptions& options = commandLine.options;
    ui::useVisibleIndicators();
    ui::installDesktopServices();
    platform::applyStartupOptions(options);
    ProgramWindows windows;
    registerProgramCommands(windows);
    observeProgramSession(windows);
    // The main window is the start-up window: loading it shows the frame, whose load
    // runs the start-up sequence. The program ends only through its shut-down paths.
    QApplication::setQuitOnLastWindowClosed(false);
    windows.main().show();
    // A reflector or transmitter that cannot listen on its port box's design port (the
    // demo fakes).
    if (options.reflectorPort != 0)
        windows.link.serverSettings().setReflectorPort(options.reflectorPort);
    if (options.transmitterPort != 0)
        windows.link.serverSettings().setViewerPort(options.transmitterPort);
    return QApplication::exec();
}
