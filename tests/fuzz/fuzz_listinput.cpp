// ListInputReader over any bytes. Lines are independent: the values of a content are
// the values of its lines (ended by CR LF, LF or CR) one after another, an empty line
// holding one empty value. A line without double quotes holds its comma-separated
// pieces, each without its leading blanks; a value of a line with quotes is a piece
// of that line.
#include "ListValues.h"

namespace {

QList<QByteArray> splitLines(QByteArray content)
{
    content.replace("\r\n", "\n").replace('\r', '\n');
    QList<QByteArray> lines = content.split('\n');
    // The piece after the last line end is a line only when it holds something.
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QList<QByteArray> valuesOfLine(const QByteArray& line)
{
    if (line.isEmpty())
        return {QByteArray()};
    const QList<QByteArray> values = fuzz::readAllValues(line);
    if (!line.contains('"')) {
        QList<QByteArray> pieces = line.split(',');
        for (QByteArray& piece : pieces) {
            qsizetype blanks = 0;
            while (blanks < piece.size() && piece[blanks] == ' ')
                ++blanks;
            piece.remove(0, blanks);
        }
        fuzz::require(values == pieces, "a line without quotes holds its comma-separated pieces");
    }
    for (const QByteArray& value : values)
        fuzz::require(line.contains(value), "a value is a piece of its line");
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QByteArray> lineByLine;
    for (const QByteArray& line : splitLines(content))
        lineByLine << valuesOfLine(line);
    fuzz::require(fuzz::readAllValues(content) == lineByLine, "a content holds the values of its lines");
    return 0;
}
