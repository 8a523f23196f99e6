// The transmitter control channel against the fake transmitter site on 127.0.0.1:
// the kept-open connection, the file list in its forms and pieces, the speed and file
// requests, the replies with the play after them, Stop and its recovery, and the
// bounds of every wait when a site is off line, refuses or never answers.
#include "FakeTransmitter.h"
#include "RefusingPort.h"
#include "StallingPort.h"
#include "TempProgramFolder.h"
#include "directory/TransmitterChannel.h"
#include "directory/TransmitterReplies.h"
#include "platform/SocketControl.h"
#include "platform/TimeScale.h"
#include "platform/Wait.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <utility>

using platform::SocketControl;
using Speed = TransmitterChannel::Speed;

namespace {

// The channel's limits shrink to a fiftieth: the connect limit to 200 ms, the play
// delay to 100 ms.
constexpr double kTimeScale = 0.02;
// A test's own waits for the fake are scaled as well: 5 s of real time.
constexpr int kEventLimitMs = 250000;

const QString kOffLine = QStringLiteral("Transmitter is Off Line");

bool waitFor(const std::function<bool()>& condition)
{
    return platform::waitUntil(condition, kEventLimitMs);
}

QStringList texts(const QSignalSpy& spy)
{
    QStringList result;
    for (const QList<QVariant>& arguments : spy)
        result.append(arguments.at(0).toString());
    return result;
}

// The list box of a window that shows only what the channel's signals report.
struct ShownList {
    explicit ShownList(TransmitterChannel& channel)
    {
        QObject::connect(&channel, &TransmitterChannel::fileListEmptied, [this] { names.clear(); });
        QObject::connect(&channel, &TransmitterChannel::fileListReplaced,
                         [this](const QList<QByteArray>& replaced) { names = replaced; });
        QObject::connect(&channel, &TransmitterChannel::fileNamesAdded,
                         [this](const QList<QByteArray>& added) { names += added; });
        QObject::connect(&channel, &TransmitterChannel::lastFileNameChanged,
                         [this](const QByteArray& name) { names.last() = name; });
    }
    QList<QByteArray> names;
};

} // namespace

class TestTransmitterChannel : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> world;
    std::unique_ptr<FakeTransmitter> transmitter;
    std::unique_ptr<TransmitterChannel> channel;
    std::unique_ptr<QSignalSpy> stateTexts;

    QStringList boxes() const { return world->dialogs().messageTexts(); }

    // Connects to the fake and waits until the file list has come.
    bool connectAndWaitForList(const QList<QByteArray>& expected)
    {
        channel->connectAndListFiles(QStringLiteral("127.0.0.1"), transmitter->port());
        return waitFor([&] { return channel->fileNames() == expected; });
    }

private slots:
    void initTestCase() { platform::setTimeScale(kTimeScale); }
    void cleanupTestCase() { platform::setTimeScale(1); }

    void init()
    {
        world = std::make_unique<TempProgramFolder>();
        transmitter = std::make_unique<FakeTransmitter>();
        QVERIFY(transmitter->listen());
        transmitter->setFiles({"Countdown.avi", "Liftoff.avi"});
        channel = std::make_unique<TransmitterChannel>();
        stateTexts = std::make_unique<QSignalSpy>(channel.get(), &TransmitterChannel::stateTextChanged);
    }

    void cleanup()
    {
        stateTexts.reset();
        channel.reset();
        transmitter.reset();
        world.reset();
    }

    void connectShowsTheStatesAndListsTheFiles()
    {
        QSignalSpy added(channel.get(), &TransmitterChannel::fileNamesAdded);
        ShownList shown(*channel);
        QVERIFY(connectAndWaitForList({"Countdown.avi", "Liftoff.avi"}));
        QCOMPARE(shown.names, channel->fileNames());
        QCOMPARE(texts(*stateTexts).last(), QStringLiteral("Current state = Connected"));
        QVERIFY(texts(*stateTexts).size() >= 2); // a state on the way first
        for (const QString& text : texts(*stateTexts))
            QVERIFY2(text.startsWith(QStringLiteral("Current state = ")), qPrintable(text));
        QCOMPARE(added.size(), 1);
        QCOMPARE(added.at(0).at(0).value<QList<QByteArray>>(), QList<QByteArray>({"Countdown.avi", "Liftoff.avi"}));
        QCOMPARE(transmitter->requestTexts(), QList<QByteArray>{"/FileList/"});
        QVERIFY(boxes().isEmpty());
    }

    void connectAgainReusesTheOpenConnectionAndAsksAgain()
    {
        QVERIFY(connectAndWaitForList({"Countdown.avi", "Liftoff.avi"}));
        transmitter->setFiles({"Booster Landing.avi"});
        ShownList shown(*channel);
        shown.names = channel->fileNames();
        stateTexts->clear();

        channel->connectAndListFiles(QStringLiteral("127.0.0.1"), transmitter->port());
        QVERIFY(shown.names.isEmpty());
        // No connect, so no states on the way: the state read is shown.
        QCOMPARE(texts(*stateTexts), QStringList{"Current state = Connected"});
        QVERIFY(waitFor([&] { return channel->fileNames() == QList<QByteArray>{"Booster Landing.avi"}; }));
        QCOMPARE(shown.names, channel->fileNames());
        QCOMPARE(transmitter->connections().size(), 1);
        QCOMPARE(transmitter->requestTexts(), QList<QByteArray>({"/FileList/", "/FileList/"}));
    }

    void connectWhileConnectingIsIgnored()
    {
        // A second press of Connect while the first one waits for its connection.
        bool pressedAgain = false;
        connect(channel.get(), &TransmitterChannel::stateTextChanged, this, [&] {
            if (!std::exchange(pressedAgain, true))
                channel->connectAndListFiles(QStringLiteral("127.0.0.1"), transmitter->port());
        });
        QVERIFY(connectAndWaitForList({"Countdown.avi", "Liftoff.avi"}));
        // Time enough for a second list to come, were it asked for (the fake's gaps are real time).
        platform::waitUntil([] { return false; }, int(4 * FakeTransmitter::kPieceGapMs / kTimeScale));
        QCOMPARE(channel->fileNames(), QList<QByteArray>({"Countdown.avi", "Liftoff.avi"}));
        QCOMPARE(transmitter->connections().size(), 1);
        QCOMPARE(transmitter->requestTexts(), QList<QByteArray>{"/FileList/"});
    }

    // A connect by name shows the state the name's lookup leads to as well.
    void connectByNameShowsTheStatesOnTheWay()
    {
        channel->connectAndListFiles(QStringLiteral("localhost"), transmitter->port());
        QVERIFY(waitFor([&] { return channel->fileNames() == QList<QByteArray>({"Countdown.avi", "Liftoff.avi"}); }));
        QStringList shown = texts(*stateTexts);
        shown.removeOne(QStringLiteral("Current state = Resolving Host")); // none for a name looked up already
        QCOMPARE(shown, QStringList({"Current state = Connecting", "Current state = Connected"}));
    }

    void connectToAnotherSiteOpensANewConnection()
    {
        QVERIFY(connectAndWaitForList({"Countdown.avi", "Liftoff.avi"}));
        FakeTransmitter other;
        QVERIFY(other.listen());
        other.setFiles({"Other.avi"});
        channel->connectAndListFiles(QStringLiteral("127.0.0.1"), other.port());
        QVERIFY(waitFor([&] { return channel->fileNames() == QList<QByteArray>{"Other.avi"}; }));
        QCOMPARE(other.requestTexts(), QList<QByteArray>{"/FileList/"});
        QVERIFY(waitFor([&] { return transmitter->connections()[0].endedByClient; }));
    }

    void fileListForms_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QList<QByteArray>>("names");
        QTest::newRow("each name ended") << QByteArray("a/b/") << QList<QByteArray>{"a", "b"};
        QTest::newRow("an empty name") << QByteArray("a//b/") << QList<QByteArray>{"a", "", "b"};
        QTest::newRow("text after the last slash") << QByteArray("a/b/rest") << QList<QByteArray>{"a", "b", "rest"};
        QTest::newRow("no slash") << QByteArray("abc") << QList<QByteArray>{"abc"};
    }

    void fileListForms()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QList<QByteArray>, names);
        transmitter->script("/FileList/", FakeTransmitter::Reply::text(reply));
        QVERIFY(connectAndWaitForList(names));
    }

    void fileListInPiecesIsJoined_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");
        QTest::addColumn<QList<QByteArray>>("names");
        QTest::newRow("cut between names") << QList<QByteArray>{"a/b/", "c/"} << QList<QByteArray>{"a", "b", "c"};
        QTest::newRow("cut inside a name") << QList<QByteArray>{"Count", "down.avi/Lift", "off.avi/"}
                                           << QList<QByteArray>{"Countdown.avi", "Liftoff.avi"};
    }

    void fileListInPiecesIsJoined()
    {
        QFETCH(QList<QByteArray>, pieces);
        QFETCH(QList<QByteArray>, names);
        transmitter->script("/FileList/", FakeTransmitter::Reply::inPieces(pieces));
        ShownList shown(*channel);
        QSignalSpy replaced(channel.get(), &TransmitterChannel::fileListReplaced);
        QVERIFY(connectAndWaitForList(names));
        QCOMPARE(shown.names, names);
        // A piece changes the list only at its end, never the names already shown.
        QCOMPARE(replaced.size(), 0);
    }

    // A site that sends an endless list: the list stops at the first of its bounds, one
    // log line says so, and the channel goes on taking replies.
    void anEndlessListIsBounded_data()
    {
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<QList<QByteArray>>("names");
        QTest::addColumn<QByteArray>("logLine");

        // 650 names of 100 bytes and their "/" a piece: the bytes bound falls inside a name.
        const QByteArray name = QByteArray(96, 'n') + ".avi";
        QByteArray names;
        for (int i = 0; i < 650; ++i)
            names += name + '/';
        const qsizetype whole = TransmitterFileList::kMaxListBytes / 101;
        QTest::newRow("bytes") << names
                               << QList<QByteArray>(whole, name)
                + QList{name.first(TransmitterFileList::kMaxListBytes % 101)}
                               << QByteArray("Transmitter file list longer than 262144 bytes: the rest is dropped");
        QTest::newRow("names") << QByteArray(64 * 1024, '/') << QList<QByteArray>(TransmitterFileList::kMaxNames)
                               << QByteArray("Transmitter file list longer than 10000 names: the rest is dropped");
        QTest::newRow("one name") << QByteArray(64 * 1024, 'n')
                                  << QList<QByteArray>{QByteArray(TransmitterFileList::kMaxNameBytes, 'n')}
                                  << QByteArray("Transmitter file name longer than 1024 bytes: the rest of the list "
                                                "is dropped");
    }

    void anEndlessListIsBounded()
    {
        QFETCH(QByteArray, piece);
        QFETCH(QList<QByteArray>, names);
        QFETCH(QByteArray, logLine);
        QVERIFY(connectAndWaitForList({"Countdown.avi", "Liftoff.avi"}));
        channel->emptyFileList(); // the pieces that follow make one new list
        ShownList shown(*channel);
        QList<QByteArray> logged;
        connect(channel.get(), &TransmitterChannel::logLine, this, [&](const QByteArray& line) { logged << line; });
        for (int i = 0; i < 40; ++i)
            QVERIFY(transmitter->sendUnsolicited(0, piece));
        QVERIFY(waitFor([&] { return !logged.isEmpty(); }));
        QVERIFY(transmitter->sendUnsolicited(0, "/StopTransmitter/"));
        QVERIFY(waitFor([&] { return texts(*stateTexts).contains("Stop command was successful"); }));

        QCOMPARE(channel->fileNames(), names);
        QCOMPARE(shown.names, names);
        QCOMPARE(logged, QList<QByteArray>{logLine});
    }

    void listAfterAnotherRequestReplacesTheList()
    {
        QVERIFY(connectAndWaitForList({"Countdown.avi", "Liftoff.avi"}));
        ShownList shown(*channel);
        shown.names = channel->fileNames();
        transmitter->script("/Stop/", FakeTransmitter::Reply::text("Other.avi/"));
        channel->stopTransmission();
        QVERIFY(waitFor([&] { return channel->fileNames() == QList<QByteArray>{"Other.avi"}; }));
        QCOMPARE(shown.names, QList<QByteArray>{"Other.avi"});
    }

    void speedAndFileGoOutInOrder_data()
    {
        QTest::addColumn<Speed>("speed");
        QTest::addColumn<QByteArray>("speedRequest");
        QTest::newRow("modem") << Speed::Modem << QByteArray("/Modem/");
        QTest::newRow("cable") << Speed::Cable << QByteArray("/Cable/");
    }

    void speedAndFileGoOutInOrder()
    {
        QFETCH(Speed, speed);
        QFETCH(QByteArray, speedRequest);
        QVERIFY(connectAndWaitForList({"Countdown.avi", "Liftoff.avi"}));
        channel->chooseFile("Liftoff.avi", speed);
        channel->chooseFile("Countdown.avi", speed);
        QVERIFY(waitFor([&] { return transmitter->requestTexts().size() == 5; }));
        QCOMPARE(transmitter->requestTexts(),
                 QList<QByteArray>({"/FileList/", speedRequest, "/VF/Liftoff.avi", speedRequest, "/VF/Countdown.avi"}));
        QCOMPARE(transmitter->connections().size(), 1);
    }

    void repliesAndThePlayAfterThem_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("stateText");
        QTest::addColumn<bool>("plays");
        QTest::newRow("encoding") << QByteArray("/Encoding/") << QStringLiteral("Transmitting Video") << true;
        QTest::newRow("failed encoding") << QByteArray("/Failed Encoding/")
                                         << QStringLiteral("Transmitter Failed to Start") << true;
        QTest::newRow("stop confirmed") << QByteArray("/StopTransmitter/")
                                        << QStringLiteral("Stop command was successful") << false;
    }

    void repliesAndThePlayAfterThem()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, stateText);
        QFETCH(bool, plays);
        QVERIFY(connectAndWaitForList({"Countdown.avi", "Liftoff.avi"}));
        transmitter->script("/VF/", FakeTransmitter::Reply::text(reply));
        QSignalSpy played(channel.get(), &TransmitterChannel::playRequested);
        channel->chooseFile("Liftoff.avi", Speed::Cable);
        QVERIFY(waitFor([&] { return texts(*stateTexts).last() == stateText; }));
        QCOMPARE(played.size(), 0); // the play waits for its delay
        // Twice the delay: a play that comes comes within it, and only once.
        platform::waitUntil([] { return false; }, 2 * TransmitterChannel::kPlayDelayMs);
        QCOMPARE(played.size(), plays ? 1 : 0);
        QCOMPARE(channel->fileNames(), QList<QByteArray>({"Countdown.avi", "Liftoff.avi"}));
    }

    // Requests asked while another one waits for its bytes go out in the order they were
    // asked; a Connect asked while one waits its turn is ignored.
    void requestsAskedMeanwhileGoOutInTheirOrder()
    {
        QVERIFY(connectAndWaitForList({"Countdown.avi", "Liftoff.avi"}));
        channel->chooseFile("Liftoff.avi", Speed::Cable);
        channel->connectAndListFiles(QStringLiteral("127.0.0.1"), transmitter->port());
        channel->connectAndListFiles(QStringLiteral("127.0.0.1"), transmitter->port());
        channel->stopTransmission();
        QVERIFY(waitFor([&] { return transmitter->requestTexts().last() == "/Stop/"; }));
        QCOMPARE(transmitter->requestTexts(),
                 QList<QByteArray>({"/FileList/", "/Cable/", "/VF/Liftoff.avi", "/FileList/", "/Stop/"}));
        QCOMPARE(transmitter->connections().size(), 1);
    }

    // A request asked while a Connect waits runs once the Connect has failed.
    void requestBehindAFailedConnectStillRuns()
    {
        RefusingPort refusing;
        channel->connectAndListFiles(QStringLiteral("127.0.0.1"), refusing.port());
        channel->stopTransmission();
        QTRY_VERIFY(texts(*stateTexts).contains(QStringLiteral("Stop Command failed.")));
        QCOMPARE(texts(*stateTexts).mid(texts(*stateTexts).size() - 2),
                 QStringList({"Current state = Error", "Stop Command failed."}));
        QCOMPARE(boxes(), QStringList{kOffLine});
    }

    void stopIsSentOnTheOpenConnection()
    {
        QVERIFY(connectAndWaitForList({"Countdown.avi", "Liftoff.avi"}));
        channel->stopTransmission();
        QVERIFY(waitFor([&] { return texts(*stateTexts).last() == QStringLiteral("Stop command was successful"); }));
        QCOMPARE(transmitter->requestTexts(), QList<QByteArray>({"/FileList/", "/Stop/"}));
    }

    void stopWhileOffLineConnectsAgain()
    {
        QVERIFY(connectAndWaitForList({"Countdown.avi", "Liftoff.avi"}));
        transmitter->closeConnection(0);
        QVERIFY(waitFor([&] { return channel->connectionState() == SocketControl::State::PeerClosing; }));

        channel->stopTransmission();
        QCOMPARE(texts(*stateTexts).last(), QStringLiteral("Stop Command failed."));
        QVERIFY(waitFor([&] { return channel->connectionState() == SocketControl::State::Connected; }));
        QCOMPARE(transmitter->connections().size(), 2);
        // The stop request is not sent again; the new connection serves the next Connect.
        QCOMPARE(transmitter->requestTexts(), QList<QByteArray>{"/FileList/"});
        QVERIFY(connectAndWaitForList({"Countdown.avi", "Liftoff.avi"}));
        QCOMPARE(transmitter->connections().size(), 2);
        QVERIFY(boxes().isEmpty());
    }

    void stopBeforeAnyConnectOnlyReportsTheFailure()
    {
        channel->stopTransmission();
        QCOMPARE(texts(*stateTexts), QStringList{QStringLiteral("Stop Command failed.")});
        QCOMPARE(channel->connectionState(), SocketControl::State::Closed);
        QVERIFY(boxes().isEmpty());
    }

    void refusedConnectIsOffLine()
    {
        RefusingPort refusing; // held, so that no program beside this one can listen there
        channel->connectAndListFiles(QStringLiteral("127.0.0.1"), refusing.port());
        QTRY_COMPARE(boxes(), QStringList{kOffLine});
        QCOMPARE(texts(*stateTexts).last(), QStringLiteral("Current state = Error"));
        QVERIFY(channel->fileNames().isEmpty());
    }

    void connectThatNeverFinishesEndsAtItsLimit()
    {
        StallingPort stalling;
        QVERIFY(stalling.port() != 0);
        channel->connectAndListFiles(QStringLiteral("127.0.0.1"), stalling.port());
        QTRY_COMPARE(boxes(), QStringList{kOffLine});
        QCOMPARE(channel->connectionState(), SocketControl::State::Closed);
    }

    void siteThatNeverAnswersLeavesTheListEmpty()
    {
        transmitter->setSilent(true);
        channel->connectAndListFiles(QStringLiteral("127.0.0.1"), transmitter->port());
        channel->chooseFile("Liftoff.avi", Speed::Modem);
        channel->stopTransmission();
        QVERIFY(waitFor([&] { return transmitter->requestTexts().size() == 4; }));
        QCOMPARE(transmitter->requestTexts(),
                 QList<QByteArray>({"/FileList/", "/Modem/", "/VF/Liftoff.avi", "/Stop/"}));
        QVERIFY(channel->fileNames().isEmpty());
        QVERIFY(boxes().isEmpty()); // every request went out; only the answers are missing
    }

    void refusedHostIsNeverPassedOn_data()
    {
        QTest::addColumn<QString>("host");
        QTest::newRow("empty") << QString();
        QTest::newRow("option") << QStringLiteral("-oProxyCommand=x");
        QTest::newRow("blank") << QStringLiteral("127.0.0.1 x");
        QTest::newRow("tab") << QStringLiteral("127.0.0.1\t");
        QTest::newRow("line break") << QStringLiteral("127.0.0.1\nx");
        QTest::newRow("delete") << QStringLiteral("127.0.0.1\x7f");
    }

    void refusedHostIsNeverPassedOn()
    {
        QFETCH(QString, host);
        QSignalSpy emptied(channel.get(), &TransmitterChannel::fileListEmptied);
        channel->connectAndListFiles(host, transmitter->port());
        QCOMPARE(boxes(), QStringList{kOffLine});
        QCOMPARE(emptied.size(), 1);
        QVERIFY(stateTexts->isEmpty()); // no connect was started
        QCOMPARE(channel->connectionState(), SocketControl::State::Closed);
        QVERIFY(transmitter->connections().isEmpty());
    }
};

QTEST_MAIN(TestTransmitterChannel)
#include "test_transmitterchannel.moc"
