// A handler of network input that starts a wait or a modal box is reported; a box
// shown without waiting is not.
#include "ScriptedDialogs.h"
#include "TempProgramFolder.h"
#include "platform/Dialogs.h"
#include "platform/NetworkInput.h"
#include "platform/SocketControl.h"
#include "platform/Wait.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <functional>

using namespace platform;

namespace {

QStringList reports;

void recordReport(const char* what)
{
    reports << QString::fromLatin1(what);
}

} // namespace

class NetworkInputTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        reports.clear();
        previous_ = setNestedLoopReport(recordReport);
    }

    // The test programs' own report ends them; it comes back after each case.
    void cleanup() { setNestedLoopReport(previous_); }

    void nestedLoopsInsideASocketEvent_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("report");
        QTest::newRow("a wait") << 0 << "A wait";
        QTest::newRow("a message box") << 1 << "A message box";
        QTest::newRow("an input box") << 2 << "An input box";
        QTest::newRow("a file dialog") << 3 << "A file dialog";
        QTest::newRow("a box without waiting") << 4 << "";
    }

    void nestedLoopsInsideASocketEvent()
    {
        QFETCH(int, action);
        QFETCH(QString, report);
        TempProgramFolder world;
        const std::function<void()> actions[] = {
            [] { waitUntil([] { return true; }); },
            [] { dialogs().messageBox("Error Saving settings.. =  75"); },
            [] { dialogs().inputBox("Password"); },
            [] { dialogs().saveFileName("Save As", "All Files (*.jpg)"); },
            [] { dialogs().showMessage("save", messageRequest("Error Saving settings.. =  75")); },
        };

        QTcpServer peer;
        QVERIFY(peer.listen(QHostAddress::LocalHost));
        connect(&peer, &QTcpServer::newConnection, this, [&peer] { peer.nextPendingConnection()->write("x"); });
        SocketControl socket;
        bool handled = false;
        connect(&socket, &SocketControl::dataArrival, this, [&] {
            socket.readAll();
            QVERIFY(handlingNetworkInput());
            actions[action]();
            handled = true;
        });
        QVERIFY(socket.connectToHost("127.0.0.1", peer.serverPort()).ok());
        QTRY_VERIFY(handled);

        QCOMPARE(reports, report.isEmpty() ? QStringList() : QStringList{report});
        QVERIFY(!handlingNetworkInput());
        // Outside the handler the same wait is no fault.
        waitUntil([] { return true; });
        QCOMPARE(reports.size(), report.isEmpty() ? 0 : 1);
    }

private:
    NestedLoopReport previous_ = nullptr;
};

QTEST_MAIN(NetworkInputTest)
#include "test_networkinput.moc"
