#pragma once
// The program's folder: where every file that the program keeps "in its
// folder" lies. It is given at start-up by the option --folder <path> or the
// environment variable VISTREL_FOLDER, and is the executable's folder otherwise.
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace platform {

inline constexpr char kProgramFolderVariable[] = "VISTREL_FOLDER";

struct StartupOptions {
    QString programFolder; // absolute
    QString error;         // empty when the arguments were understood
};

// Reads the program's own options from its arguments (the program name first,
// as QCoreApplication::arguments() gives them). The option wins over the
// environment variable. Options the program does not know are left alone.
StartupOptions parseStartupOptions(const QStringList& arguments,
                                   const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Makes the options the current ones (the program folder of services()).
void applyStartupOptions(const StartupOptions& options);

// The current program folder, absolute and without a trailing separator.
QString programFolder();

// The path of the file with the given name in the program folder.
QString programFile(const QString& name);

} // namespace platform
