#include "platform/ProgramFolder.h"

#include "platform/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

#include <optional>

namespace platform {

namespace {

const QString kFolderOption = QStringLiteral("--folder");
const QString kWebServerOption = QStringLiteral("--web-server");
const QString kReflectorPortOption = QStringLiteral("--reflector-port");
const QString kTransmitterPortOption = QStringLiteral("--transmitter-port");

QString absoluteFolder(const QString& path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

// The value of "name value" or "name=value" at arguments[i] (which then moves past
// it), or nothing when arguments[i] is another argument.
std::optional<QString> optionValue(const QStringList& arguments, qsizetype& i, const QString& name)
{
    const QString& argument = arguments[i];
    if (argument == name)
        return i + 1 < arguments.size() ? arguments[++i] : QString();
    if (argument.startsWith(name + u'='))
        return argument.mid(name.size() + 1);
    return std::nullopt;
}

// "http://" and a host, with a port or not, and nothing after it but a slash.
bool isWebServerBase(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && url.scheme() == QStringLiteral("http") && !url.host().isEmpty()
        && (url.path().isEmpty() || url.path() == QStringLiteral("/")) && !url.hasQuery() && !url.hasFragment();
}

// The port of a port option, or 0 with the error set when the text is no port.
int portValue(const QString& text, const QString& option, QString& error)
{
    bool isNumber = false;
    const int port = text.toInt(&isNumber);
    if (isNumber && port >= 1 && port <= 65535)
        return port;
    error = QStringLiteral("The option %1 needs a port from 1 to 65535.").arg(option);
    return 0;
}

} // namespace

StartupOptions parseStartupOptions(const QStringList& arguments, const QProcessEnvironment& environment)
{
    StartupOptions options;
    QString folder = environment.value(QString::fromLatin1(kProgramFolderVariable));
    for (qsizetype i = 1; i < arguments.size() && options.error.isEmpty(); ++i) {
        if (const std::optional<QString> given = optionValue(arguments, i, kFolderOption)) {
            if (given->isEmpty())
                options.error = QStringLiteral("The option --folder needs a folder path.");
            else
                folder = *given;
        } else if (const std::optional<QString> base = optionValue(arguments, i, kWebServerOption)) {
            if (!isWebServerBase(*base))
                options.error =
                    QStringLiteral("The option --web-server needs an address such as http://127.0.0.1:8080.");
            else
                options.webServerBase = base->endsWith(u'/') ? base->chopped(1) : *base;
        } else if (const std::optional<QString> reflectorPort = optionValue(arguments, i, kReflectorPortOption)) {
            options.reflectorPort = portValue(*reflectorPort, kReflectorPortOption, options.error);
        } else if (const std::optional<QString> transmitterPort = optionValue(arguments, i, kTransmitterPortOption)) {
            options.transmitterPort = portValue(*transmitterPort, kTransmitterPortOption, options.error);
        }
    }
    options.programFolder = absoluteFolder(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder);
    return options;
}

void applyStartupOptions(const StartupOptions& options)
{
    services().programFolder = options.programFolder;
    if (!options.webServerBase.isEmpty())
        services().webServerBase = options.webServerBase;
}

QString programFolder()
{
    const QString& folder = services().programFolder;
    return folder.isEmpty() ? absoluteFolder(QCoreApplication::applicationDirPath()) : folder;
}

QString programFile(const QString& name)
{
    return QDir(programFolder()).filePath(name);
}

} // namespace platform
