// The updater: started by the program from its own folder, without arguments, once
// the program has downloaded a new executable and ended. See UpdatePaths.h for the
// files it works on.
#include "FileSteps.h"
#include "UpdatePaths.h"
#include "UpdaterDialogs.h"
#include "UpdaterWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    updater::FileSteps fileSteps;
    updater::MessageBoxDialogs dialogs;
    updater::UpdaterSetup setup;
    setup.downloadedFile = updater::downloadedFilePath();
    setup.installedFile = updater::installedFilePath(QCoreApplication::applicationDirPath());
    setup.dialogs = &dialogs;
    setup.fileSteps = &fileSteps;
    setup.end = [](int exitCode) { QCoreApplication::exit(exitCode); };

    updater::UpdaterWindow window(setup);
    window.show();
    window.start();
    return application.exec();
}
