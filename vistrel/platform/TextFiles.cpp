#include "platform/TextFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

namespace {

constexpr char kLineEnd[] = "\r\n";

FileWriteResult failure(int number, const char* description)
{
    return {false, number, QString::fromLatin1(description)};
}

FileWriteResult writeFailure(const QFileDevice& file)
{
    return file.error() == QFileDevice::ResourceError ? failure(61, "Disk full") : failure(57, "Device I/O error");
}

} // namespace

FileWriteResult writeFileAtomically(const QString& path, const QByteArray& content, FileAccess access)
{
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return failure(76, "Path not found");

    QSaveFile file(path);
    // Unbuffered, so a failing write is seen at once: a write that fails only
    // when the buffer is flushed inside commit() would go unnoticed, and the
    // truncated file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(75, "Path/File access error");
    // Set before any byte is written, so the text is never readable by others.
    if (access == FileAccess::OwnerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.cancelWriting();
        return failure(75, "Path/File access error");
    }
    if (file.write(content) != content.size() || !file.commit())
        return writeFailure(file);
    return {};
}

FileWriteResult writeRawLines(const QString& path, const QList<QByteArray>& lines, FileAccess access)
{
    QByteArray content;
    for (const QByteArray& line : lines)
        content += line + kLineEnd;
    return writeFileAtomically(path, content, access);
}

FileWriteResult writeRecords(const QString& path, const QList<QList<QByteArray>>& records, FileAccess access)
{
    QByteArray content;
    for (const QList<QByteArray>& record : records) {
        for (qsizetype i = 0; i < record.size(); ++i) {
            if (i > 0)
                content += ',';
            content += '"' + record[i] + '"';
        }
        content += kLineEnd;
    }
    return writeFileAtomically(path, content, access);
}

std::optional<QByteArray> readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace platform
