// Reading a transmitter site's replies: which kind a reply is, the names a file list
// holds, and a file list read piece by piece within its bounds.
#include "directory/TransmitterReplies.h"

#include <QTest>

Q_DECLARE_METATYPE(TransmitterReply)
Q_DECLARE_METATYPE(TransmitterFileList::Bound)

namespace {

using Bound = TransmitterFileList::Bound;
constexpr qsizetype kMaxNameBytes = TransmitterFileList::kMaxNameBytes;

// The list as a window shows it, kept only from the changes the pieces report.
struct ShownNames {
    QList<QByteArray> names;
    QList<Bound> drops;

    void take(TransmitterFileList& list, const QByteArray& piece)
    {
        const TransmitterFileList::Change change = list.take(piece);
        if (change.lastName)
            names.last() = *change.lastName;
        names += change.added;
        if (change.firstDrop != Bound::None)
            drops << change.firstDrop;
    }
};

QList<QByteArray> repeated(const QByteArray& name, qsizetype count)
{
    return QList<QByteArray>(count, name);
}

} // namespace

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

    void fileListInPieces_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");
        QTest::addColumn<QList<QByteArray>>("names");
        QTest::addColumn<QList<Bound>>("drops");
        const QList<Bound> none;
        QTest::newRow("cut inside names") << QList<QByteArray>{"Count", "down.avi/Lift", "off", ".avi/"}
                                          << QList<QByteArray>{"Countdown.avi", "Liftoff.avi"} << none;
        QTest::newRow("cut at the slashes")
            << QList<QByteArray>{"a", "/", "/b", "/"} << QList<QByteArray>{"a", "", "b"} << none;
        QTest::newRow("text after the last slash")
            << QList<QByteArray>{"a/r", "est"} << QList<QByteArray>{"a", "rest"} << none;
        QTest::newRow("empty pieces") << QList<QByteArray>{"", "a/", ""} << QList<QByteArray>{"a"} << none;

        const QByteArray name(kMaxNameBytes, 'n');
        QTest::newRow("a name at its bound")
            << QList<QByteArray>{name.first(10), name.mid(10) + "/b/"} << QList<QByteArray>{name, "b"} << none;
        QTest::newRow("a name past its bound") << QList<QByteArray>{name.first(10), name.mid(10) + "x/b/", "c/"}
                                               << QList<QByteArray>{name} << QList<Bound>{Bound::NameBytes};

        const QByteArray slashes(TransmitterFileList::kMaxNames, '/');
        QTest::newRow("names at their bound")
            << QList<QByteArray>{slashes} << repeated({}, TransmitterFileList::kMaxNames) << none;
        QTest::newRow("names past their bound: the next piece is dropped")
            << QList<QByteArray>{slashes, "a/"} << repeated({}, TransmitterFileList::kMaxNames)
            << QList<Bound>{Bound::Names};

        // Names of 100 bytes and their "/": the bytes bound falls inside a name.
        const QByteArray hundred(100, 'h');
        const qsizetype whole = TransmitterFileList::kMaxListBytes / 101;
        const qsizetype rest = TransmitterFileList::kMaxListBytes % 101;
        QByteArray list;
        while (list.size() <= TransmitterFileList::kMaxListBytes)
            list += hundred + '/';
        QList<QByteArray> pieces;
        for (qsizetype at = 0; at < list.size(); at += 4096)
            pieces << list.mid(at, 4096);
        QTest::newRow("bytes past their bound")
            << pieces << repeated(hundred, whole) + QList{hundred.first(rest)} << QList<Bound>{Bound::ListBytes};
    }

    void fileListInPieces()
    {
        QFETCH(QList<QByteArray>, pieces);
        QFETCH(QList<QByteArray>, names);
        QFETCH(QList<Bound>, drops);
        TransmitterFileList list;
        ShownNames shown;
        for (const QByteArray& piece : pieces)
            shown.take(list, piece);
        QCOMPARE(list.names(), names);
        QCOMPARE(shown.names, names);
        QCOMPARE(shown.drops, drops);
        QCOMPARE(list.dropped(), !drops.isEmpty());
        if (drops.isEmpty())
            QCOMPARE(list.names(), transmitterFileNames(pieces.join()));

        // Cleared, the list starts again within fresh bounds.
        list.clear();
        QVERIFY(list.names().isEmpty());
        QVERIFY(!list.full());
        QCOMPARE(list.take("again/").added, QList<QByteArray>{"again"});
    }
};

QTEST_MAIN(TestTransmitterReplies)
#include "test_transmitterreplies.moc"
