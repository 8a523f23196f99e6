#include "frame/CommandLine.h"

#include "common/ProgramVersion.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace {

const QString kFolder = QStringLiteral("folder");
const QString kWebServer = QStringLiteral("web-server");
const QString kReflectorPort = QStringLiteral("reflector-port");
const QString kTransmitterPort = QStringLiteral("transmitter-port");
const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

// The options that take a value, in the order the usage lists them.
const QStringList& valueOptions()
{
    static const QStringList names = {kFolder, kWebServer, kReflectorPort, kTransmitterPort};
    return names;
}

void describeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("%1 %2: the desktop client for the reflector's directory "
                                                    "of live webcams.")
                                         .arg(QString::fromLatin1(kProgramTitle), programVersionText()));
    parser.addOption({kFolder,
                      QStringLiteral("The program's folder, where its settings and data files lie (default: "
                                     "$%1, else the executable's folder).")
                          .arg(QString::fromLatin1(platform::kProgramFolderVariable)),
                      QStringLiteral("path")});
    parser.addOption({kWebServer,
                      QStringLiteral("The product web server to use instead of the default, as http://host[:port]."),
                      QStringLiteral("address")});
    parser.addOption({kReflectorPort, QStringLiteral("The port the reflector port box starts with (1 to 65535)."),
                      QStringLiteral("port")});
    parser.addOption({kTransmitterPort, QStringLiteral("The port the transmitter port box starts with (1 to 65535)."),
                      QStringLiteral("port")});
    parser.addOption({{QStringLiteral("h"), kHelp}, QStringLiteral("Shows these options and ends.")});
    parser.addOption({{QStringLiteral("v"), kVersion}, QStringLiteral("Shows the program's version and ends.")});
}

// The parser's usage under the program's own name rather than the path it was started by.
QString usageText(const QCommandLineParser& parser, const QStringList& arguments)
{
    QString usage = parser.helpText();
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    const qsizetype firstLineEnd = usage.indexOf(u'\n');
    usage.replace(0, firstLineEnd,
                  QStringLiteral("Usage: %1 [options]").arg(name.isEmpty() ? QStringLiteral("vistrel") : name));
    return usage;
}

CommandLine failed(const QString& what, const QCommandLineParser& parser, const QStringList& arguments)
{
    return {
        CommandLine::Outcome::Error, {}, QStringLiteral("vistrel: %1\n\n%2").arg(what, usageText(parser, arguments))};
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(arguments))
        return failed(parser.errorText(), parser, arguments);
    if (!parser.positionalArguments().isEmpty())
        return failed(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()), parser,
                      arguments);
    if (parser.isSet(kHelp))
        return {CommandLine::Outcome::Help, {}, usageText(parser, arguments)};
    if (parser.isSet(kVersion))
        return {CommandLine::Outcome::Version,
                {},
                QStringLiteral("%1 %2\n").arg(QString::fromLatin1(kProgramTitle), programVersionText())};

    // The values are checked where the options are read: each given option once, with
    // the last of its values, in the "--name=value" form that keeps a value starting
    // with a dash a value.
    QStringList given = {arguments.isEmpty() ? QStringLiteral("vistrel") : arguments.first()};
    for (const QString& name : valueOptions()) {
        if (parser.isSet(name))
            given << QStringLiteral("--%1=%2").arg(name, parser.value(name));
    }
    CommandLine commandLine;
    commandLine.options = platform::parseStartupOptions(given, environment);
    if (!commandLine.options.error.isEmpty())
        return failed(commandLine.options.error, parser, arguments);
    return commandLine;
}

int reportCommandLine(const CommandLine& commandLine)
{
    const QByteArray text = commandLine.text.toLocal8Bit();
    const bool failure = commandLine.outcome == CommandLine::Outcome::Error;
    std::fputs(text.constData(), failure ? stderr : stdout);
    std::fflush(failure ? stderr : stdout);
    return failure ? 2 : 0;
}
