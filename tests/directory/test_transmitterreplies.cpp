// Reading a transmitter site's replies: which kind a reply is, and the names a file
// list holds.
#include "directory/TransmitterReplies.h"

#include <QTest>

Q_DECLARE_METATYPE(TransmitterReply)

class TestTransmitterReplies : public QObject {
    Q_OBJECT
private slots:
    void replyKind_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<TransmitterReply>("kind");
        QTest::newRow("stop") << QByteArray("/StopTransmitter/") << TransmitterReply::StopConfirmed;
        QTest::newRow("stop before encoding")
            << QByteArray("/Encoding//StopTransmitter/") << TransmitterReply::StopConfirmed;
        QTest::newRow("encoding") << QByteArray("/Encoding/") << TransmitterReply::EncodingStarted;
        QTest::newRow("encoding inside a list")
            << QByteArray("a.avi//Encoding/b.avi/") << TransmitterReply::EncodingStarted;
        // A blank, not a "/", stands before "Encoding" here.
        QTest::newRow("failed") << QByteArray("/Failed Encoding/") << TransmitterReply::EncodingFailed;
        QTest::newRow("other case") << QByteArray("/encoding/") << TransmitterReply::FileList;
        QTest::newRow("list") << QByteArray("a.avi/b.avi/") << TransmitterReply::FileList;
    }

    void replyKind()
    {
        QFETCH(QByteArray, reply);
        QFETCH(TransmitterReply, kind);
        QCOMPARE(transmitterReplyKind(reply), kind);
    }

    void fileNames_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QList<QByteArray>>("names");
        QTest::newRow("two names") << QByteArray("a/b/") << QList<QByteArray>{"a", "b"};
        QTest::newRow("two slashes") << QByteArray("a//b/") << QList<QByteArray>{"a", "", "b"};
        QTest::newRow("text after the last slash") << QByteArray("a/b/rest") << QList<QByteArray>{"a", "b", "rest"};
        QTest::newRow("no slash") << QByteArray("abc") << QList<QByteArray>{"abc"};
        QTest::newRow("only a slash") << QByteArray("/") << QList<QByteArray>{""};
        QTest::newRow("blanks kept") << QByteArray("Booster Landing.avi/") << QList<QByteArray>{"Booster Landing.avi"};
        QTest::newRow("nothing") << QByteArray() << QList<QByteArray>{};
    }

    void fileNames()
    {
        QFETCH(QByteArray, list);
        QFETCH(QList<QByteArray>, names);
        QCOMPARE(transmitterFileNames(list), names);
    }
};

QTEST_MAIN(TestTransmitterReplies)
#include "test_transmitterreplies.moc"
