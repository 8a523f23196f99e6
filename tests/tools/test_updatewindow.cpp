#include "Control.h"
#include "FakeWebServer.h"
#include "FrameWorld.h"
#include "OpenForm.h"
#include "TestWindows.h"
#include "common/ProgramVersion.h"
#include "directory/ProgramCommands.h"
#include "platform/TimeScale.h"
#include "platform/Wait.h"
#include "tools/UpdateCheck.h"
#include "tools/UpdateDownload.h"
#include "tools/UpdateVersion.h"
#include "tools/UpdateWindow.h"
#include "ui/CommandRegistry.h"
#include "ui/PanelStatusBar.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

constexpr int kCheckLimitMs = 500000;

// A whole executable for this computer, since the update check accepts nothing else:
// the small helper program built beside the tests (a test program itself is too
// large for the download's size cap).
const QByteArray& newExecutable()
{
    static const QByteArray executable = [] {
        QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/window-owner"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return executable;
}

QByteArray runningVersion()
{
    return versionText(kProgramVersionMajor, kProgramVersionMinor, kProgramVersionRevision);
}

} // namespace

class UpdateWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        downloads_.emplace();
        qputenv(kUpdateDownloadVariable, downloadPath().toLocal8Bit());
        server_.emplace();
        world_.emplace(QStringLiteral("http://127.0.0.1:%1").arg(server_->port()));
        // The shared Disconnect command, noted with what had happened by then.
        ui::commands().add(ui::command::kDisconnect, [this] {
            steps_ << QStringLiteral("disconnect, %1 starts, %2 ends")
                          .arg(world_->folder().launcher().starts().size())
                          .arg(world_->folder().endProcessCalls().size());
        });
    }

    void cleanup()
    {
        world_.reset();
        server_.reset();
        downloads_.reset();
        qunsetenv(kUpdateDownloadVariable);
        steps_.clear();
        registerProgramCommands(testWindows());
    }

    void load_showsTheRunningVersion()
    {
        UpdateWindow& window = openForm(testWindows().tools.update);
        QCOMPARE(window.windowTitle(), QStringLiteral("Check for Updated Version"));
        QCOMPARE(control<QLineEdit>(window, "Text1")->text(), QString::fromLatin1(runningVersion()));
    }

    void anotherVersion_downloadsAndHandsOverToTheUpdater()
    {
        placeUpdater();
        server_->serve(UpdateCheck::kVersionPage, 200, "99.0.0\r\n");
        server_->serve(UpdateCheck::kExecutablePage, 200, newExecutable());
        UpdateWindow& window = openForm(testWindows().tools.update);
        control<QPushButton>(window, "Command1")->click();
        QVERIFY(platform::waitUntil([this] { return !world_->folder().endProcessCalls().isEmpty(); }, kCheckLimitMs));

        QCOMPARE(control<QLineEdit>(window, "Text2")->text(), QStringLiteral("99.0.0"));
        QCOMPARE(contentOf(downloadPath()), newExecutable());
        QCOMPARE(steps_, QStringList{QStringLiteral("disconnect, 0 starts, 0 ends")});
        QCOMPARE(world_->folder().launcher().starts().size(), 1);
        const RecordingLauncher::Start& start = world_->folder().launcher().starts().first();
        QCOMPARE(start.program, world_->folder().filePath(QStringLiteral("update")));
        QVERIFY(start.arguments.isEmpty());
        QCOMPARE(world_->folder().endProcessCalls(), QList<int>{0});
        QVERIFY(world_->folder().dialogs().messageTexts().isEmpty());
        QVERIFY(!control<PanelStatusBar>(window, "StatusBar1")->panelText(1).isEmpty());
    }

    void theRunningVersion_saysSoAndCloses()
    {
        server_->serve(UpdateCheck::kVersionPage, 200, " " + runningVersion() + "\r\n");
        UpdateWindow& window = openForm(testWindows().tools.update);
        control<QPushButton>(window, "Command1")->click();
        QVERIFY(platform::waitUntil([&window] { return !window.isVisible(); }, kCheckLimitMs));

        QCOMPARE(world_->folder().dialogs().messageTexts(),
                 QStringList{QStringLiteral("You have the current, most up to date Version. ")});
        expectNoHandOver();
        QVERIFY(!QFileInfo::exists(downloadPath()));
    }

    void badDownload_isReportedWithoutHandOver_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("404") << 404 << QByteArray("Not Found");
        QTest::newRow("an HTML page") << 200 << QByteArray("<html><body>Moved</body></html>");
        QTest::newRow("empty") << 200 << QByteArray();
        QTest::newRow("not an executable") << 200 << QByteArray("MZ\x90\x00 a program of another system", 30);
        QTest::newRow("first half of a program") << 200 << newExecutable().left(newExecutable().size() / 2);
    }

    void badDownload_isReportedWithoutHandOver()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        placeUpdater();
        server_->serve(UpdateCheck::kVersionPage, 200, "99.0.0\n");
        server_->serve(UpdateCheck::kExecutablePage, status, body);
        UpdateWindow& window = openForm(testWindows().tools.update);
        control<QPushButton>(window, "Command1")->click();
        QVERIFY(platform::waitUntil([this] { return !world_->folder().dialogs().messageTexts().isEmpty(); },
                                    kCheckLimitMs));

        QCOMPARE(world_->folder().dialogs().messageTexts().size(), 1);
        expectNoHandOver();
        QVERIFY(!QFileInfo::exists(downloadPath()));
        QVERIFY(window.isVisible());
    }

    void refusedConnection_isReportedWithoutHandOver()
    {
        world_.reset();
        world_.emplace(); // its web server is a port where nothing listens
        placeUpdater();
        UpdateWindow& window = openForm(testWindows().tools.update);
        control<QPushButton>(window, "Command1")->click();
        QVERIFY(platform::waitUntil([this] { return !world_->folder().dialogs().messageTexts().isEmpty(); },
                                    kCheckLimitMs));
        expectNoHandOver();
        QCOMPARE(control<QLineEdit>(window, "Text2")->text(), QString());
    }

    void closingBeforeTheHandOver_keepsTheProgramRunning()
    {
        placeUpdater();
        server_->serve(UpdateCheck::kVersionPage, 200, "99.0.0\n");
        server_->serve(UpdateCheck::kExecutablePage, 200, newExecutable());
        UpdateWindow& window = openForm(testWindows().tools.update);
        control<QPushButton>(window, "Command1")->click();
        QVERIFY(platform::waitUntil([this] { return QFileInfo::exists(downloadPath()); }, kCheckLimitMs));
        window.close();
        expectNoHandOver();
        QCOMPARE(contentOf(downloadPath()), newExecutable());
    }

private:
    QString downloadPath() const { return downloads_->filePath(QStringLiteral("update/vistrel")); }

    static QByteArray contentOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void placeUpdater()
    {
        QFile updater(world_->folder().filePath(QStringLiteral("update")));
        QVERIFY(updater.open(QIODevice::WriteOnly));
        QVERIFY(updater.setPermissions(updater.permissions() | QFile::ExeOwner));
    }

    // Waits past the time a hand-over would take and sees none.
    void expectNoHandOver()
    {
        QTest::qWait(platform::scaledMs(UpdateCheck::kHandOverDelayMs) * 2);
        QVERIFY(steps_.isEmpty());
        QVERIFY(world_->folder().launcher().starts().isEmpty());
        QVERIFY(world_->folder().endProcessCalls().isEmpty());
    }

    std::optional<QTemporaryDir> downloads_;
    std::optional<FakeWebServer> server_;
    std::optional<FrameWorld> world_;
    QStringList steps_;
};

QTEST_MAIN(UpdateWindowTest)
#include "test_updatewindow.moc"
