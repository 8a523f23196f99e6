#include "FakeWebServer.h"
#include "TempProgramFolder.h"
#include "platform/Services.h"
#include "platform/TimeScale.h"
#include "platform/Wait.h"
#include "tools/UpdateCheck.h"
#include "tools/UpdateDownload.h"
#include "tools/UpdateVersion.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

// Long enough for a whole check; a limit of waitUntil is scaled like the check's own.
constexpr int kCheckLimitMs = 500000;

const QByteArray kRunningVersion = "2.0.1";
const QByteArray kElfMagic = "\x7f"
                             "ELF";

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

// Everything one check reported.
struct CheckRun {
    QStringList statusTexts;
    QList<QByteArray> versionTexts;
    bool upToDate = false;
    std::optional<QString> failure;
    QStringList downloaded;
    bool handOverDue = false;

    bool ended() const { return upToDate || failure || handOverDue; }
};

void record(UpdateCheck& check, CheckRun& run)
{
    QObject::connect(&check, &UpdateCheck::statusTextChanged, [&run](const QString& t) { run.statusTexts << t; });
    QObject::connect(&check, &UpdateCheck::versionTextFetched, [&run](const QByteArray& t) { run.versionTexts << t; });
    QObject::connect(&check, &UpdateCheck::upToDate, [&run] { run.upToDate = true; });
    QObject::connect(&check, &UpdateCheck::failed, [&run](const QString& d) { run.failure = d; });
    QObject::connect(&check, &UpdateCheck::downloaded, [&run](const QString& p) { run.downloaded << p; });
    QObject::connect(&check, &UpdateCheck::handOverDue, [&run] { run.handOverDue = true; });
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

int requestsFor(const FakeWebServer& server, const QByteArray& path)
{
    int count = 0;
    for (const FakeWebServer::Request& request : server.requests())
        count += request.path == path;
    return count;
}

} // namespace

class UpdateCheckTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        platform::setTimeScale(0.01);
        QVERIFY(!newExecutable().isEmpty());
    }

    void init()
    {
        world_.emplace();
        server_.emplace();
        downloads_.emplace();
        platform::services().webServerBase = QStringLiteral("http://127.0.0.1:%1").arg(server_->port());
    }

    void cleanup()
    {
        server_.reset();
        world_.reset();
        downloads_.reset();
    }

    void versionText_formsPlainDecimals() { QCOMPARE(versionText(2, 0, 1), QByteArray("2.0.1")); }

    void check_downloadsOnlyForAnotherVersion_data()
    {
        QTest::addColumn<QByteArray>("offered");
        QTest::addColumn<bool>("updates");
        QTest::newRow("same, LF") << QByteArray("2.0.1\n") << false;
        QTest::newRow("same, CR LF") << QByteArray("2.0.1\r\n") << false;
        QTest::newRow("same, blanks") << QByteArray("  2.0.1 \n") << false;
        QTest::newRow("same, no line end") << QByteArray("2.0.1") << false;
        QTest::newRow("older") << QByteArray("1.9.9\n") << true;
        QTest::newRow("newer, CR LF") << QByteArray("2.0.2\r\n") << true;
        QTest::newRow("longer") << QByteArray("2.0.1.1\n") << true;
    }

    void check_downloadsOnlyForAnotherVersion()
    {
        QFETCH(QByteArray, offered);
        QFETCH(bool, updates);
        offer(offered);
        const CheckRun run = runCheck();
        QVERIFY2(!run.failure, qPrintable(run.failure.value_or(QString())));
        QCOMPARE(run.versionTexts.size(), 1);
        QVERIFY(!run.versionTexts[0].contains('\r') && !run.versionTexts[0].contains('\n'));
        QCOMPARE(run.upToDate, !updates);
        QCOMPARE(run.handOverDue, updates);
        QCOMPARE(requestsFor(*server_, UpdateCheck::kExecutablePage), updates ? 1 : 0);
        if (!updates) {
            QVERIFY(!QFileInfo::exists(downloadPath()));
            return;
        }
        QCOMPARE(run.downloaded, QStringList{downloadPath()});
        QCOMPARE(contentOf(downloadPath()), newExecutable());
        const QFile::Permissions folderMode = QFileInfo(QFileInfo(downloadPath()).path()).permissions();
        QCOMPARE(folderMode & (QFile::WriteGroup | QFile::WriteOther | QFile::ReadOther), QFile::Permissions());
    }

    void download_replacesALongerEarlierFile()
    {
        QVERIFY(QDir().mkpath(QFileInfo(downloadPath()).path()));
        QVERIFY(QFile::setPermissions(QFileInfo(downloadPath()).path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        writeFile(downloadPath(), newExecutable() + QByteArray(5000, 'x'));
        offer("1.0.0\n");
        const CheckRun run = runCheck();
        QVERIFY(run.handOverDue);
        QCOMPARE(contentOf(downloadPath()), newExecutable());
    }

    void failure_neitherWritesNorHandsOver_data()
    {
        QTest::addColumn<int>("versionStatus");
        QTest::addColumn<int>("executableStatus");
        QTest::addColumn<QByteArray>("executable");
        QTest::addColumn<bool>("fetchesExecutable");
        QTest::newRow("version 404") << 404 << 200 << newExecutable() << false;
        QTest::newRow("version 500 with a body") << 500 << 200 << newExecutable() << false;
        QTest::newRow("executable 404") << 200 << 404 << QByteArray("Not Found") << true;
        QTest::newRow("HTML page") << 200 << 200 << QByteArray("<!DOCTYPE html>\n<html><body>Moved</body></html>")
                                   << true;
        QTest::newRow("HTML page, no doctype") << 200 << 200
                                               << QByteArray("\n <HTML>\x7f"
                                                             "ELF")
                                               << true;
        QTest::newRow("empty body") << 200 << 200 << QByteArray() << true;
        QTest::newRow("not an executable") << 200 << 200 << QByteArray("MZ\x90\0 a Windows program", 22) << true;
        QTest::newRow("the ELF magic and 1000 zeros") << 200 << 200 << kElfMagic + QByteArray(1000, '\0') << true;
        // Served whole, with its own Content-Length: only the check of the executable
        // sees that it is cut short.
        QTest::newRow("first half of a program")
            << 200 << 200 << newExecutable().left(newExecutable().size() / 2) << true;
    }

    // What the user is told about a download that cannot be the new executable.
    void executableProblem_saysWhatIsWrong_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("problem"); // how it starts
        const QString notWhole =
            QStringLiteral("The server sent a file that is not a whole program for this computer: ");
        QTest::newRow("a whole program") << newExecutable() << QString();
        QTest::newRow("empty") << QByteArray() << QStringLiteral("The server sent an empty file");
        QTest::newRow("web page") << QByteArray("<html><body>Moved</body></html>")
                                  << QStringLiteral("The server sent a web page instead of the program");
        QTest::newRow("no ELF magic") << QByteArray("MZ\x90")
                                      << QStringLiteral("The server sent a file that is not a program");
        QTest::newRow("the ELF magic and 1000 zeros") << kElfMagic + QByteArray(1000, '\0') << notWhole;
        QTest::newRow("first half of a program")
            << newExecutable().left(newExecutable().size() / 2) << notWhole + QStringLiteral("the file is cut short: ");
    }

    void executableProblem_saysWhatIsWrong()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, problem);
        const QString found = executableProblem(body);
        QVERIFY2(problem.isEmpty() ? found.isEmpty() : found.startsWith(problem), qPrintable(found));
    }

    void failure_neitherWritesNorHandsOver()
    {
        QFETCH(int, versionStatus);
        QFETCH(int, executableStatus);
        QFETCH(QByteArray, executable);
        QFETCH(bool, fetchesExecutable);
        server_->serve(UpdateCheck::kVersionPage, versionStatus, "1.0.0\n");
        server_->serve(UpdateCheck::kExecutablePage, executableStatus, executable);
        const QByteArray earlier = leaveEarlierDownload();

        const CheckRun run = runCheck();
        QVERIFY(run.failure);
        QVERIFY(!run.failure->isEmpty());
        QVERIFY(!run.upToDate);
        QVERIFY(run.downloaded.isEmpty());
        QCOMPARE(requestsFor(*server_, UpdateCheck::kExecutablePage), fetchesExecutable ? 1 : 0);
        QCOMPARE(contentOf(downloadPath()), earlier);
        expectNoHandOverLater(run);
    }

    void refusedConnection_failsWithoutHandOver()
    {
        server_.reset();
        platform::services().webServerBase = QStringLiteral("http://127.0.0.1:1");
        const QByteArray earlier = leaveEarlierDownload();
        const CheckRun run = runCheck();
        QVERIFY(run.failure);
        QVERIFY(run.versionTexts.isEmpty());
        QVERIFY(
            run.statusTexts.contains(QStringLiteral("An error occurred in communicating with the host computer ...")));
        QCOMPARE(contentOf(downloadPath()), earlier);
        expectNoHandOverLater(run);
    }

    void statusTexts_followTheTransfers()
    {
        offer("1.0.0\n");
        const CheckRun run = runCheck();
        const QString lookingUp = QStringLiteral("Looking up the IP address of the specified host computer ...");
        const QString completed = QStringLiteral("The request has completed and all data has been received ...");
        QCOMPARE(run.statusTexts.count(lookingUp), 2);
        QCOMPARE(run.statusTexts.count(completed), 2);
        QCOMPARE(run.statusTexts.first(), lookingUp);
        QCOMPARE(run.statusTexts.last(), completed);
        const qsizetype disconnected =
            run.statusTexts.indexOf(QStringLiteral("Successfully disconnected from the host computer ..."));
        QVERIFY(disconnected >= 0);
        QCOMPARE(run.statusTexts.value(disconnected + 1), QStringLiteral("Shutting Down ..."));
    }

    void cancel_beforeTheTick_keepsTheProgramRunning()
    {
        offer("1.0.0\n");
        UpdateCheck check(kRunningVersion, downloadPath());
        CheckRun run;
        record(check, run);
        QObject::connect(&check, &UpdateCheck::downloaded, &check, &UpdateCheck::cancel);
        QVERIFY(check.start());
        QVERIFY(!check.start());
        QVERIFY(platform::waitUntil([&run] { return !run.downloaded.isEmpty(); }, kCheckLimitMs));
        QVERIFY(!check.isRunning());
        QTest::qWait(platform::scaledMs(UpdateCheck::kHandOverDelayMs) * 3);
        QVERIFY(!run.handOverDue);
        QCOMPARE(contentOf(downloadPath()), newExecutable());
    }

    void cancel_duringTheVersionFetch_endsQuietly()
    {
        server_->serveSilently(UpdateCheck::kVersionPage);
        UpdateCheck check(kRunningVersion, downloadPath());
        CheckRun run;
        record(check, run);
        QVERIFY(check.start());
        QVERIFY(platform::waitUntil([this] { return !server_->requests().isEmpty(); }, kCheckLimitMs));
        check.cancel();
        QVERIFY(!check.isRunning());
        offer("1.0.0\n");
        QVERIFY(check.start());
        QVERIFY(platform::waitUntil([&run] { return run.ended(); }, kCheckLimitMs));
        QVERIFY(run.handOverDue);
    }

    void download_refusesAFolderOthersCanWrite()
    {
        const QString folder = QFileInfo(downloadPath()).path();
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(
            folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::WriteOther | QFile::ExeOther));
        QVERIFY(!writeUpdateDownload(downloadPath(), newExecutable()).isEmpty());
        QVERIFY(!QFileInfo::exists(downloadPath()));
    }

private:
    // The server offers version and, as the new executable, newExecutable().
    void offer(const QByteArray& version)
    {
        server_->serve(UpdateCheck::kVersionPage, 200, version);
        server_->serve(UpdateCheck::kExecutablePage, 200, newExecutable());
    }

    QString downloadPath() const { return downloads_->filePath(QStringLiteral("update/vistrel")); }

    CheckRun runCheck()
    {
        UpdateCheck check(kRunningVersion, downloadPath());
        CheckRun run;
        record(check, run);
        if (!check.start())
            return run;
        platform::waitUntil([&run] { return run.ended(); }, kCheckLimitMs);
        return run;
    }

    // A download of an earlier update, which a failed check must leave as it is.
    QByteArray leaveEarlierDownload()
    {
        const QByteArray earlier = newExecutable() + "earlier";
        const QString folder = QFileInfo(downloadPath()).path();
        if (!QDir().mkpath(folder)
            || !QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return {};
        writeFile(downloadPath(), earlier);
        return earlier;
    }

    static void expectNoHandOverLater(const CheckRun& run)
    {
        QTest::qWait(platform::scaledMs(UpdateCheck::kHandOverDelayMs) * 3);
        QVERIFY(!run.handOverDue);
    }

    std::optional<TempProgramFolder> world_;
    std::optional<FakeWebServer> server_;
    std::optional<QTemporaryDir> downloads_;
};

QTEST_MAIN(UpdateCheckTest)
#include "test_updatecheck.moc"
