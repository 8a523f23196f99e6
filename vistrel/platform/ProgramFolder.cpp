#include "platform/ProgramFolder.h"

#include "platform/Services.h"

#include <QCoreApplication>
#include <QDir>

#include <optional>

namespace platform {

namespace {

const QString kFolderOption = QStringLiteral("--folder");
const QString kFolderOptionWithValue = QStringLiteral("--folder=");

QString absoluteFolder(const QString& path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

} // namespace

StartupOptions parseStartupOptions(const QStringList& arguments, const QProcessEnvironment& environment)
{
    StartupOptions options;
    QString folder = environment.value(QString::fromLatin1(kProgramFolderVariable));
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        std::optional<QString> given;
        if (argument == kFolderOption)
            given = i + 1 < arguments.size() ? arguments[++i] : QString();
        else if (argument.startsWith(kFolderOptionWithValue))
            given = argument.mid(kFolderOptionWithValue.size());
        if (!given)
            continue;
        if (given->isEmpty()) {
            options.error = QStringLiteral("The option --folder needs a folder path.");
            break;
        }
        folder = *given;
    }
    options.programFolder = absoluteFolder(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder);
    return options;
}

void applyStartupOptions(const StartupOptions& options)
{
    services().programFolder = options.programFolder;
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
