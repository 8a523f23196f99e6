// The program's text files over any bytes. A file of any content reads back byte for
// byte, and ListInputReader::fromFile reads the values that the same content read in
// memory holds. Records and raw lines written from fuzzed values read back as those
// values, where a value holds nothing that its form cannot keep: no double quote or
// line break in a record's value, and besides no comma or leading blank in a raw line.
#include "ListValues.h"

#include "platform/TextFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

namespace {

// The files of the run, removed when it ends.
QString filePath(const char* name)
{
    static const QTemporaryDir folder;
    fuzz::require(folder.isValid(), "a temporary folder is made");
    return folder.filePath(QString::fromLatin1(name));
}

QList<QByteArray> readValuesFromFile(const QString& path)
{
    std::optional<platform::ListInputReader> reader = platform::ListInputReader::fromFile(path);
    fuzz::require(reader.has_value(), "a written file can be read");
    return fuzz::readAllValues(*reader, QFileInfo(path).size());
}

QByteArray valueWithout(FuzzedDataProvider& input, const char* unkept)
{
    QByteArray value = fuzz::bytes(input.ConsumeRandomLengthString(16));
    for (const char* c = unkept; *c; ++c)
        value.replace(*c, QByteArray());
    return value;
}

void anyContentReadsBack(const QByteArray& content)
{
    const QString path = filePath("content.txt");
    QFile file(path);
    fuzz::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size(),
                  "the content is written");
    file.close();
    fuzz::require(platform::readFile(path) == content, "readFile gives the file byte for byte");
    fuzz::require(readValuesFromFile(path) == fuzz::readAllValues(content), "a file holds the values of its content");
}

void recordsReadBack(FuzzedDataProvider& input)
{
    QList<QList<QByteArray>> records(input.ConsumeIntegralInRange<int>(0, 6));
    QList<QByteArray> values;
    for (QList<QByteArray>& record : records) {
        record.resize(input.ConsumeIntegralInRange<int>(1, 4));
        for (QByteArray& value : record)
            values << (value = valueWithout(input, "\"\r\n"));
    }
    const QString path = filePath("records.txt");
    fuzz::require(bool(platform::writeRecords(path, records)), "the records are written");
    fuzz::require(readValuesFromFile(path) == values, "records read back as their values");
}

void rawLinesReadBack(FuzzedDataProvider& input)
{
    QList<QByteArray> lines(input.ConsumeIntegralInRange<int>(0, 6));
    for (QByteArray& line : lines) {
        line = valueWithout(input, "\",\r\n");
        while (line.startsWith(' '))
            line.remove(0, 1);
    }
    const QString path = filePath("lines.txt");
    fuzz::require(bool(platform::writeRawLines(path, lines)), "the lines are written");
    fuzz::require(readValuesFromFile(path) == lines, "raw lines read back as themselves");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    anyContentReadsBack(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    FuzzedDataProvider input(data, size);
    recordsReadBack(input);
    rawLinesReadBack(input);
    return 0;
}
