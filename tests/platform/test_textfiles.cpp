#include "FilePermissions.h"
#include "platform/ListInputReader.h"
#include "platform/TextFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace platform;

namespace {

QList<QByteArray> readAllValues(const QByteArray& content)
{
    ListInputReader reader(content);
    QList<QByteArray> values;
    while (!reader.atEnd())
        values << reader.next();
    return values;
}

// Makes writes beyond a few bytes fail (EFBIG) while it lives, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

using Values = QList<QByteArray>;

class TextFilesTest : public QObject {
    Q_OBJECT

private slots:
    void listInputReadsValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Values>("values");
        QTest::newRow("empty file") << QByteArray() << Values{};
        QTest::newRow("one raw line") << QByteArray("host.example\r\n") << Values{"host.example"};
        QTest::newRow("last line without end") << QByteArray("a\r\nb") << Values{"a", "b"};
        QTest::newRow("two empty lines") << QByteArray("\r\n\r\n") << Values{"", ""};
        QTest::newRow("LF and CR line ends") << QByteArray("a\nb\rc") << Values{"a", "b", "c"};
        QTest::newRow("leading blanks skipped, trailing kept") << QByteArray("   a b  \r\n") << Values{"a b  "};
        QTest::newRow("tab is not a blank") << QByteArray("\ta\r\n") << Values{"\ta"};
        QTest::newRow("comma ends a raw value")
            << QByteArray("host,port\r\nnext\r\n") << Values{"host", "port", "next"};
        QTest::newRow("missing fields") << QByteArray(",,\r\n") << Values{"", "", ""};
        QTest::newRow("trailing comma at end of file") << QByteArray("a,") << Values{"a", ""};
        QTest::newRow("records") << QByteArray("\"Ann\"\r\n\"42\"\r\n\"\"\r\n") << Values{"Ann", "42", ""};
        QTest::newRow("comma inside quotes") << QByteArray("\"Smith, Ann\"\r\n") << Values{"Smith, Ann"};
        QTest::newRow("blanks inside quotes kept") << QByteArray("  \"  a  \"  \r\n") << Values{"  a  "};
        QTest::newRow("quoted values on one line") << QByteArray("\"a\",\"b\" , \"c\"\r\n") << Values{"a", "b", "c"};
        QTest::newRow("text after closing quote dropped")
            << QByteArray("\"ab\"c\",x\r\n\"next\"\r\n") << Values{"ab", "x", "next"};
        QTest::newRow("unclosed quote ends at line end") << QByteArray("\"abc\r\n\"d\"\r\n") << Values{"abc", "d"};
        QTest::newRow("quote inside raw value kept") << QByteArray("a\"b\r\n") << Values{"a\"b"};
        QTest::newRow("NUL and high codes")
            << QByteArray("\"\0\x80\xff\"\r\n", 7) << Values{QByteArray("\0\x80\xff", 3)};
    }

    void listInputReadsValues()
    {
        QFETCH(QByteArray, content);
        QFETCH(Values, values);
        QCOMPARE(readAllValues(content), values);
    }

    void readingPastTheEndGivesEmptyValues()
    {
        ListInputReader reader("\"Ann\"\r\n");
        QCOMPARE(reader.next(), QByteArray("Ann"));
        QVERIFY(reader.atEnd());
        QCOMPARE(reader.next(), QByteArray());
        QCOMPARE(reader.next(), QByteArray());
        QVERIFY(!ListInputReader::fromFile(QTemporaryDir().filePath("missing.txt")));
    }

    void writersRoundTrip_data()
    {
        QTest::addColumn<Values>("values");
        QTest::newRow("addresses") << Values{"10.0.0.1", "backup.example"};
        QTest::newRow("empty values") << Values{"", ""};
        QTest::newRow("blanks and high codes") << Values{"  a  ", "\x80\xe9\xff"};
    }

    void writersRoundTrip()
    {
        QFETCH(Values, values);
        QTemporaryDir folder;
        const QString raw = folder.filePath("raw.txt");
        const QString records = folder.filePath("records.txt");
        QVERIFY(writeRawLines(raw, values));
        QList<QList<QByteArray>> oneValuePerRecord;
        for (const QByteArray& value : values)
            oneValuePerRecord << QList<QByteArray>{value};
        QVERIFY(writeRecords(records, oneValuePerRecord));

        QByteArray rawContent;
        QByteArray recordContent;
        for (const QByteArray& value : values) {
            rawContent += value + "\r\n";
            recordContent += '"' + value + "\"\r\n";
        }
        QCOMPARE(readFile(raw).value(), rawContent);
        QCOMPARE(readFile(records).value(), recordContent);
        // Raw lines lose leading blanks on the way back; records keep them.
        QCOMPARE(readAllValues(recordContent), values);
    }

    void recordsSeparateValuesByCommasAndKeepQuotesUnescaped()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("records.txt");
        QVERIFY(writeRecords(path, {{"a", "b,c"}, {"say \"hi\""}, {}}));
        QCOMPARE(readFile(path).value(), QByteArray("\"a\",\"b,c\"\r\n\"say \"hi\"\"\r\n\r\n"));
    }

    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("ServerSettings.txt");
        QVERIFY(writeRawLines(path, {"old"}));

        FileWriteResult result;
        {
            FileSizeLimit limit(16);
            result = writeRawLines(path, {QByteArray(4096, 'x')});
        }
        QVERIFY(!result.ok);
        QCOMPARE(result.errorNumber, 57);
        QVERIFY(!result.errorDescription.isEmpty());
        QCOMPARE(readFile(path).value(), QByteArray("old\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"ServerSettings.txt"});
    }

    void writeIntoMissingFolderFails()
    {
        QTemporaryDir folder;
        const FileWriteResult result = writeRawLines(folder.filePath("gone/file.txt"), {"x"});
        QVERIFY(!result.ok);
        QCOMPARE(result.errorNumber, 76);
    }

    void ownerOnlyFilesAreNeverReadableByOthers()
    {
        QTemporaryDir folder;
        const QString fresh = folder.filePath("fresh.txt");
        QVERIFY(writeRecords(fresh, {{"secret"}}, FileAccess::OwnerOnly));
        QCOMPARE(permissionBits(fresh), 0600);

        const QString existing = folder.filePath("existing.txt");
        QVERIFY(writeRawLines(existing, {"open"}));
        QVERIFY(QFile::setPermissions(existing,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(writeRecords(existing, {{"secret"}}, FileAccess::OwnerOnly));
        QCOMPARE(permissionBits(existing), 0600);
        QCOMPARE(readFile(existing).value(), QByteArray("\"secret\"\r\n"));

        // A default write keeps the permissions of the file it replaces.
        QVERIFY(writeRawLines(existing, {"again"}));
        QCOMPARE(permissionBits(existing), 0600);
    }
};

QTEST_GUILESS_MAIN(TextFilesTest)
#include "test_textfiles.moc"
