#include "link/SettingsFileLines.h"

#include "platform/ListInputReader.h"
#include "platform/TextFiles.h"

#include <optional>

namespace {

// The lines of content; a line ends at CR LF, LF or CR, as the list reader sees it.
QList<QByteArray> splitLines(const QByteArray& content)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (content[i] != '\r' && content[i] != '\n')
            continue;
        lines << content.mid(start, i - start);
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < content.size())
        lines << content.mid(start);
    return lines;
}

} // namespace

QList<QByteArray> readFirstValueOfLines(const QString& path, int lineCount)
{
    const std::optional<QByteArray> content = platform::readFile(path);
    const QList<QByteArray> lines = content ? splitLines(*content) : QList<QByteArray>{};
    QList<QByteArray> values;
    for (int i = 0; i < lineCount; ++i)
        values << (i < lines.size() ? platform::ListInputReader(lines[i]).next() : QByteArray());
    return values;
}
