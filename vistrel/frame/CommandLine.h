#pragma once
// The program's command line: the start-up options of platform/ProgramFolder.h
// (--folder, --web-server, --reflector-port, --transmitter-port), --help and
// --version. Anything else stops the start with a message and the usage, so that a
// mistyped option is never quietly passed over.
#include "platform/ProgramFolder.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Outcome {
        Run,     // start the program with options
        Help,    // print text (the usage) on the standard output and end
        Version, // print text (the title and version) on the standard output and end
        Error,   // print text (what is wrong, then the usage) on the standard error and fail
    };

    Outcome outcome = Outcome::Run;
    platform::StartupOptions options; // for Run
    QString text;                     // for the others, ending with a line end
};

// Reads the arguments as QCoreApplication::arguments() gives them, the program name
// first. VISTREL_FOLDER in the environment gives the folder when --folder does not.
CommandLine readCommandLine(const QStringList& arguments,
                            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// What the program's main does with an outcome other than Run: prints the text where
// it belongs and gives the exit code (0 for help and version, 2 for an error).
int reportCommandLine(const CommandLine& commandLine);
