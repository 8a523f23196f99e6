#include "FileContent.h"
#include "FilePermissions.h"
#include "FileSizeLimit.h"
#include "TempProgramFolder.h"
#include "common/Lexmara.h"
#include "tools/RestrictedTopicChoices.h"
#include "tools/RestrictedTopicsStore.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <optional>

namespace {

constexpr char kTopicsFile[] = "vr.dat";
constexpr char kPasswordFile[] = "rapc.dat";

QByteArray cipherOf(const QByteArray& plain, const QByteArray& key = kRestrictedTopicsKey)
{
    return gLexmara.StringEncrypt(plain, key);
}

bool holdsEscapedByte(const QByteArray& cipher)
{
    return cipher.contains('\r') || cipher.contains('\n') || cipher.contains('\0');
}

// A two-character text (codes 1 to 254, so the cipher brings it back) whose cipher text
// holds the wanted byte where `where` says.
enum class Where { Anywhere, First, Last };
QByteArray plainWithCipherByte(char wanted, Where where = Where::Anywhere)
{
    for (int first = 1; first < 255; ++first) {
        for (int second = 1; second < 255; ++second) {
            const QByteArray plain{char(first), char(second)};
            const QByteArray cipher = cipherOf(plain);
            if ((where == Where::Anywhere && cipher.contains(wanted))
                || (where == Where::First && cipher.front() == wanted)
                || (where == Where::Last && cipher.back() == wanted))
                return plain;
        }
    }
    return {};
}

void putFile(const TempProgramFolder& folder, const char* name, const QByteArray& content)
{
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

// The file as the program has always written it: each cipher text raw, then CR LF.
QByteArray plainFormat(const QList<QByteArray>& texts, const QByteArray& key = kRestrictedTopicsKey)
{
    QByteArray content;
    for (const QByteArray& text : texts)
        content += cipherOf(text, key) + "\r\n";
    return content;
}

} // namespace

class RestrictedTopicsTest : public QObject {
    Q_OBJECT

private slots:
    void choicesAreTheHundredTopicsInOrder()
    {
        const QList<QByteArray>& choices = restrictedTopicChoices();
        QCOMPARE(choices.size(), 100);
        QCOMPARE(choices.first(), QByteArray("Animals"));
        QCOMPARE(choices[14], QByteArray("Black and WhiteTop"));
        QCOMPARE(choices[94], QByteArray("TechTVTop"));
        QCOMPARE(choices.last(), QByteArray("Parks"));
        for (const QByteArray& choice : choices)
            QCOMPARE(choices.count(choice), 1);
    }

    void restrictedCheck_data()
    {
        QTest::addColumn<QByteArray>("nodeText");
        QTest::addColumn<QList<QByteArray>>("topics");
        QTest::addColumn<bool>("restricted");
        const QList<QByteArray> listed{"Sports", "Art", "Sports"};
        QTest::newRow("listed") << QByteArray("Art") << listed << true;
        QTest::newRow("listed twice") << QByteArray("Sports") << listed << true;
        QTest::newRow("not listed") << QByteArray("Travel") << listed << false;
        QTest::newRow("letter case counts") << QByteArray("art") << listed << false;
        QTest::newRow("blank counts") << QByteArray("Art ") << listed << false;
        QTest::newRow("part of a name") << QByteArray("Spo") << listed << false;
        QTest::newRow("empty list") << QByteArray("Art") << QList<QByteArray>{} << false;
        QTest::newRow("empty text, empty list") << QByteArray() << QList<QByteArray>{} << false;
    }
    void restrictedCheck()
    {
        QFETCH(QByteArray, nodeText);
        QFETCH(QList<QByteArray>, topics);
        QFETCH(bool, restricted);
        QCOMPARE(isRestrictedTopic(nodeText, topics), restricted);
    }

    void topicsRoundTripByteExact()
    {
        TempProgramFolder folder;
        const QList<QByteArray> topics{"Sports", "Animals", "Sports", "Art"};
        for (const QByteArray& topic : topics)
            QVERIFY2(!holdsEscapedByte(cipherOf(topic)), topic.constData());
        QVERIFY(writeRestrictedTopicsFile(topics));
        QCOMPARE(fileContent(folder.filePath(kTopicsFile)), plainFormat(topics));
        QCOMPARE(readRestrictedTopicsFile(), topics);
        QCOMPARE(permissionBits(folder.filePath(kTopicsFile)), 0600);

        QVERIFY(writeRestrictedTopicsFile({}));
        QCOMPARE(fileContent(folder.filePath(kTopicsFile)), QByteArray());
        QCOMPARE(readRestrictedTopicsFile(), QList<QByteArray>{});
    }

    void passwordRoundTripByteExact()
    {
        TempProgramFolder folder;
        QByteArray inUse;
        QVERIFY(changeRestrictedPassword("  Secret 1 ", inUse));
        QCOMPARE(inUse, QByteArray("Secret 1"));
        QCOMPARE(fileContent(folder.filePath(kPasswordFile)), plainFormat({"Secret 1"}));
        QCOMPARE(readRestrictedPasswordFile(), std::optional<QByteArray>("Secret 1"));
        QCOMPARE(permissionBits(folder.filePath(kPasswordFile)), 0600);

        // An empty password is an empty line, which reads as no password.
        QVERIFY(changeRestrictedPassword("   ", inUse));
        QCOMPARE(inUse, QByteArray());
        QCOMPARE(fileContent(folder.filePath(kPasswordFile)), QByteArray("\r\n"));
        QCOMPARE(readRestrictedPasswordFile(), std::optional<QByteArray>(""));
    }

    void deleteTopicStoresWhatRemains_data()
    {
        QTest::addColumn<QList<QByteArray>>("topics");
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<QByteArray>>("remaining");
        const QList<QByteArray> three{"Art", "Golf", "Art"};
        QTest::newRow("none selected") << three << -1 << three;
        QTest::newRow("past the end") << three << 3 << three;
        QTest::newRow("one of a duplicate") << three << 2 << QList<QByteArray>{"Art", "Golf"};
        QTest::newRow("the first") << three << 0 << QList<QByteArray>{"Golf", "Art"};
        QTest::newRow("the only entry") << QList<QByteArray>{"Zoo"} << 0 << QList<QByteArray>{};
        QTest::newRow("empty list") << QList<QByteArray>{} << -1 << QList<QByteArray>{};
    }
    void deleteTopicStoresWhatRemains()
    {
        QFETCH(QList<QByteArray>, topics);
        QFETCH(int, index);
        QFETCH(QList<QByteArray>, remaining);
        TempProgramFolder folder;
        QVERIFY(deleteRestrictedTopic(topics, index));
        QCOMPARE(topics, remaining);
        QCOMPARE(fileContent(folder.filePath(kTopicsFile)), plainFormat(remaining));
        QCOMPARE(readRestrictedTopicsFile(), remaining);
    }

    void cipherTextsWithAwkwardBytesRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::newRow("CR") << plainWithCipherByte('\r');
        QTest::newRow("LF") << plainWithCipherByte('\n');
        QTest::newRow("comma") << plainWithCipherByte(',');
        QTest::newRow("double quote") << plainWithCipherByte('"');
        QTest::newRow("blank first") << plainWithCipherByte(' ', Where::First);
        QTest::newRow("blank last") << plainWithCipherByte(' ', Where::Last);
        QTest::newRow("CR first") << plainWithCipherByte('\r', Where::First);
        QTest::newRow("LF last") << plainWithCipherByte('\n', Where::Last);
        QTest::newRow("NUL in the plain text") << QByteArray("a\0b\0", 4);
    }
    void cipherTextsWithAwkwardBytesRoundTrip()
    {
        QFETCH(QByteArray, plain);
        QVERIFY(!plain.isEmpty());
        TempProgramFolder folder;
        const QList<QByteArray> topics{"Art", plain, "Sports"};
        QVERIFY(writeRestrictedTopicsFile(topics));
        QCOMPARE(readRestrictedTopicsFile(), topics);
        // Every entry stays on one line.
        QCOMPARE(fileContent(folder.filePath(kTopicsFile)).count("\r\n"), 3);
        QCOMPARE(fileContent(folder.filePath(kTopicsFile)).count('\n'), 3);

        QVERIFY(writeRestrictedPasswordFile(plain));
        QCOMPARE(readRestrictedPasswordFile(), std::optional(plain));
        if (!holdsEscapedByte(cipherOf(plain)))
            QCOMPARE(fileContent(folder.filePath(kPasswordFile)), plainFormat({plain}));
    }

    void filesReadBackOnlyWithTheirKey()
    {
        TempProgramFolder folder;
        QVERIFY(writeRestrictedTopicsFile({"Sports"}));
        QVERIFY(writeRestrictedPasswordFile("Secret"));
        const QByteArray topicLine = fileContent(folder.filePath(kTopicsFile)).chopped(2);
        const QByteArray passwordLine = fileContent(folder.filePath(kPasswordFile)).chopped(2);
        QCOMPARE(gLexmara.StringDecrypt(topicLine, kRestrictedTopicsKey), QByteArray("Sports"));
        QCOMPARE(gLexmara.StringDecrypt(passwordLine, kRestrictedTopicsKey), QByteArray("Secret"));
        QVERIFY(gLexmara.StringDecrypt(topicLine, "qhastv") != "Sports");
        QVERIFY(gLexmara.StringDecrypt(passwordLine, "zzplern") != "Secret");

        // Files enciphered under another key give other texts.
        putFile(folder, kTopicsFile, plainFormat({"Sports"}, "other1"));
        putFile(folder, kPasswordFile, plainFormat({"Secret"}, "other1"));
        QVERIFY(readRestrictedTopicsFile() != QList<QByteArray>{"Sports"});
        QVERIFY(readRestrictedPasswordFile() != std::optional<QByteArray>("Secret"));
    }

    void topicFilesThatAreMissingEmptyOrDamaged_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("content");
        QTest::addColumn<QList<QByteArray>>("topics");
        const QByteArray art = cipherOf("Art");
        const QByteArray golf = cipherOf("Golf");
        QTest::newRow("missing") << std::optional<QByteArray>() << QList<QByteArray>{};
        QTest::newRow("empty") << std::optional<QByteArray>("") << QList<QByteArray>{};
        QTest::newRow("empty first line") << std::optional(QByteArray("\r\n") + art + "\r\n") << QList<QByteArray>{};
        QTest::newRow("stops at an empty line")
            << std::optional(art + "\r\n\r\n" + golf + "\r\n") << QList<QByteArray>{"Art"};
        QTest::newRow("last line without its end")
            << std::optional(art + "\r\n" + golf) << QList<QByteArray>{"Art", "Golf"};
        QTest::newRow("LF and CR line ends")
            << std::optional(art + "\n" + golf + "\r") << QList<QByteArray>{"Art", "Golf"};
        QTest::newRow("lone escape at a line end")
            << std::optional(art + "\r\n" + QByteArray("\0", 1) + "\r\n" + golf + "\r\n")
            << QList<QByteArray>{"Art", gLexmara.StringDecrypt(QByteArray("\0", 1), kRestrictedTopicsKey), "Golf"};
    }
    void topicFilesThatAreMissingEmptyOrDamaged()
    {
        QFETCH(std::optional<QByteArray>, content);
        QFETCH(QList<QByteArray>, topics);
        TempProgramFolder folder;
        if (content)
            putFile(folder, kTopicsFile, *content);
        QCOMPARE(readRestrictedTopicsFile(), topics);
    }

    void garbageTopicFileKeepsOneEntryPerLine()
    {
        TempProgramFolder folder;
        QByteArray garbage;
        for (int code = 255; code >= 0; --code) {
            if (code != '\r' && code != '\n')
                garbage += char(code);
        }
        putFile(folder, kTopicsFile, garbage + "\r\n" + garbage.left(7) + "\r\n" + cipherOf("Zoo") + "\r\n");
        const QList<QByteArray> topics = readRestrictedTopicsFile();
        QCOMPARE(topics.size(), 3);
        QCOMPARE(topics.last(), QByteArray("Zoo"));
    }

    void passwordFilesThatAreMissingEmptyOrDamaged_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("content");
        QTest::addColumn<std::optional<QByteArray>>("password");
        const QByteArray secret = cipherOf("Secret");
        QTest::newRow("missing") << std::optional<QByteArray>() << std::optional<QByteArray>("");
        QTest::newRow("empty") << std::optional<QByteArray>("") << std::optional<QByteArray>("");
        QTest::newRow("empty line") << std::optional<QByteArray>("\r\n") << std::optional<QByteArray>("");
        QTest::newRow("no line end") << std::optional(secret) << std::optional<QByteArray>("Secret");
        QTest::newRow("only the first line counts")
            << std::optional(secret + "\r\n" + cipherOf("Other") + "\r\n") << std::optional<QByteArray>("Secret");
    }
    void passwordFilesThatAreMissingEmptyOrDamaged()
    {
        QFETCH(std::optional<QByteArray>, content);
        QFETCH(std::optional<QByteArray>, password);
        TempProgramFolder folder;
        if (content)
            putFile(folder, kPasswordFile, *content);
        QCOMPARE(readRestrictedPasswordFile(), password);
    }

    void unreadablePasswordFileKeepsThePasswordInUse()
    {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(kPasswordFile));
        QCOMPARE(readRestrictedPasswordFile(), std::nullopt);
    }

    void passwordWithCode255IsRefused()
    {
        TempProgramFolder folder;
        QByteArray inUse = "Secret";
        QVERIFY(writeRestrictedPasswordFile(inUse));
        const platform::FileWriteResult result = changeRestrictedPassword("ab\xff", inUse);
        QVERIFY(!result);
        QCOMPARE(result.errorDescription, passwordNotStorableMessage());
        QCOMPARE(inUse, QByteArray("Secret"));
        QCOMPARE(fileContent(folder.filePath(kPasswordFile)), plainFormat({"Secret"}));
    }

    void failedWritesKeepTheOldFilesAndTheStateInMemory()
    {
        TempProgramFolder folder;
        QList<QByteArray> topics{"Art", "Golf"};
        QByteArray inUse;
        QVERIFY(writeRestrictedTopicsFile(topics));
        QVERIFY(changeRestrictedPassword("Old", inUse));
        const QByteArray oldTopics = fileContent(folder.filePath(kTopicsFile));
        const QByteArray oldPassword = fileContent(folder.filePath(kPasswordFile));
        {
            FileSizeLimit limit(3);
            const platform::FileWriteResult saved = writeRestrictedTopicsFile({"Art", "Golf", "Sports"});
            QVERIFY(!saved);
            QVERIFY(!saved.errorDescription.isEmpty());
            const platform::FileWriteResult deleted = deleteRestrictedTopic(topics, 1);
            QVERIFY(!deleted);
            QVERIFY(!deleted.errorDescription.isEmpty());
            const platform::FileWriteResult changed = changeRestrictedPassword("Much longer", inUse);
            QVERIFY(!changed);
            QVERIFY(!changed.errorDescription.isEmpty());
        }
        QCOMPARE(topics, (QList<QByteArray>{"Art", "Golf"}));
        QCOMPARE(inUse, QByteArray("Old"));
        QCOMPARE(fileContent(folder.filePath(kTopicsFile)), oldTopics);
        QCOMPARE(fileContent(folder.filePath(kPasswordFile)), oldPassword);
        QCOMPARE(readRestrictedTopicsFile(), topics);
        QCOMPARE(readRestrictedPasswordFile(), std::optional(inUse));
    }

    void folderInTheFilesPlaceIsAFailure()
    {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(kTopicsFile));
        QVERIFY(QDir(folder.path()).mkdir(kPasswordFile));
        QList<QByteArray> topics{"Art"};
        QByteArray inUse = "Old";
        QVERIFY(!writeRestrictedTopicsFile(topics));
        QVERIFY(!deleteRestrictedTopic(topics, 0));
        QVERIFY(!changeRestrictedPassword("Secret", inUse));
        QCOMPARE(topics, QList<QByteArray>{"Art"});
        QCOMPARE(inUse, QByteArray("Old"));
        QVERIFY(QFileInfo(folder.filePath(kTopicsFile)).isDir());
        QCOMPARE(readRestrictedTopicsFile(), QList<QByteArray>{});
    }
};

QTEST_GUILESS_MAIN(RestrictedTopicsTest)
#include "test_restrictedtopics.moc"
