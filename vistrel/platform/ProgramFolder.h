#pragma once
// The program's folder: where every file that the program keeps "in its
// folder" lies. It is given at start-up by the option --folder <path> or the
// environment variable VISTREL_FOLDER, and is the executable's folder otherwise.
//
// Three more start-up options serve a run against servers of one's own (the demo
// fakes): --web-server <base> replaces the product web server's "http://host[:port]",
// --reflector-port <port> is the text the reflector port box starts with, and
// --transmitter-port <port> the text the transmitter port box starts with.
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace platform {

inline constexpr char kProgramFolderVariable[] = "VISTREL_FOLDER";

struct StartupOptions {
    QString programFolder;   // absolute
    QString webServerBase;   // empty: the default
    int reflectorPort = 0;   // 0: the port box keeps its design text
    int transmitterPort = 0; // 0: the port box keeps its design text
    QString error;           // empty when the arguments were understood
};

// Reads the program's own options from its arguments (the program name first,
// as QCoreApplication::arguments() gives them). The option wins over the
// environment variable. Options the program does not know are left alone.
StartupOptions parseStartupOptions(const QStringList& arguments,
                                   const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Makes the options the current ones (the program folder and the web server of
// services()). The two ports are the caller's to put into their port boxes.
void applyStartupOptions(const StartupOptions& options);

// The current program folder, absolute and without a trailing separator.
QString programFolder();

// The path of the file with the given name in the program folder.
QString programFile(const QString& name);

} // namespace platform
