#include "FileSteps.h"
#include "TimeScale.h"
#include "UpdaterDialogs.h"
#include "UpdaterWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <sys/stat.h>

using namespace updater;

namespace {

// A tenth of a millisecond per second of the real waits: six checks take 18 ms.
constexpr double kTimeScale = 0.0001;
constexpr int kEndLimitMs = 10000;

const QByteArray kOldProgram = "\x7f"
                               "ELF the installed program, version 1";
// The download must be a whole executable for this computer: this test's own.
const QByteArray& newProgram()
{
    static const QByteArray program = [] {
        QFile file(QCoreApplication::applicationFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return program;
}
const QString kFailed = QStringLiteral("Update Failed...");
const QString kComplete = QStringLiteral("Auto Update Complete .....");

class RecordingDialogs final : public UpdaterDialogs {
public:
    void message(const QString& text) override { shown.append(text); }
    QStringList shown;
};

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& content,
               QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(content);
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

unsigned modeOf(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// One of the steps the replacement is made of that fails on purpose, for one destination.
enum class Failure { None, Copy, ShortCopy, Mode, Rename };

class FailingFileSteps final : public FileSteps {
public:
    Failure failure = Failure::None;
    QString failingDestination;

    QString copyToTemporary(const QString& source, const QString& destination, QString& temporary) override
    {
        copyingFailingDestination_ = destination == failingDestination;
        if (copyingFailingDestination_ && failure == Failure::Copy)
            return QStringLiteral("injected copy failure");
        QString error = FileSteps::copyToTemporary(source, destination, temporary);
        // A copy that came out short without an error, as a full disk may leave it.
        if (error.isEmpty() && copyingFailingDestination_ && failure == Failure::ShortCopy)
            QFile::resize(temporary, QFileInfo(temporary).size() / 2);
        return error;
    }

    QString setMode(const QString& path, unsigned mode) override
    {
        if (copyingFailingDestination_ && failure == Failure::Mode)
            return QStringLiteral("injected mode failure");
        return FileSteps::setMode(path, mode);
    }

    QString renameOver(const QString& from, const QString& to) override
    {
        if (to == failingDestination && failure == Failure::Rename)
            return QStringLiteral("injected rename failure");
        return FileSteps::renameOver(from, to);
    }

private:
    bool copyingFailingDestination_ = false;
};

} // namespace

Q_DECLARE_METATYPE(Failure)

// A program folder holding the installed "vistrel" and a private download folder
// beside it; the updater runs on them with its waits shortened.
class UpdaterTest : public QObject {
    Q_OBJECT

private:
    QString programFolder() const { return root_->filePath(QStringLiteral("program")); }
    QString installed() const { return programFolder() + QStringLiteral("/vistrel"); }
    QString backup() const { return installed() + QStringLiteral(".old"); }
    QString downloadFolder() const { return root_->filePath(QStringLiteral("download")); }
    QString downloaded() const { return downloadFolder() + QStringLiteral("/vistrel"); }

    QStringList programFolderEntries() const
    {
        return QDir(programFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    UpdaterWindow& startUpdater()
    {
        UpdaterSetup setup;
        setup.downloadedFile = downloaded();
        setup.installedFile = installed();
        setup.dialogs = &dialogs_;
        setup.fileSteps = &fileSteps_;
        setup.end = [this](int exitCode) { exitCode_ = exitCode; };
        window_ = std::make_unique<UpdaterWindow>(setup);
        window_->start();
        return *window_;
    }

    bool waitForEnd()
    {
        return QTest::qWaitFor([this] { return exitCode_.has_value(); }, kEndLimitMs);
    }

    QString labelText() const { return window_->findChild<QLabel*>(QStringLiteral("Label3"))->text(); }

    // Nothing was installed and nothing was left behind.
    void verifyNothingChanged()
    {
        QCOMPARE(contentOf(installed()), kOldProgram);
        QCOMPARE(modeOf(installed()), 0755u);
        QVERIFY(!QFile::exists(backup()));
        QCOMPARE(programFolderEntries(), QStringList{QStringLiteral("vistrel")});
        QCOMPARE(labelText(), QStringLiteral("Updating Larkspire Vistrel"));
    }

    void verifyReplaced()
    {
        QCOMPARE(exitCode_, 0);
        QCOMPARE(dialogs_.shown, QStringList());
        QCOMPARE(labelText(), kComplete);
        QCOMPARE(contentOf(installed()), newProgram());
        QCOMPARE(modeOf(installed()), 0755u);
        QCOMPARE(contentOf(backup()), kOldProgram);
        QCOMPARE(modeOf(backup()), 0755u);
        QCOMPARE(programFolderEntries(), (QStringList{QStringLiteral("vistrel"), QStringLiteral("vistrel.old")}));
        QCOMPARE(contentOf(downloaded()), newProgram());
    }

private slots:
    void initTestCase() { setTimeScale(kTimeScale); }

    void init()
    {
        root_.emplace();
        QVERIFY(root_->isValid());
        QVERIFY(QDir(root_->path()).mkdir(QStringLiteral("program")));
        QVERIFY(QDir(root_->path())
                    .mkdir(QStringLiteral("download"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        writeFile(installed(), kOldProgram,
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                      | QFile::ReadOther | QFile::ExeOther);
        dialogs_.shown.clear();
        fileSteps_.failure = Failure::None;
        fileSteps_.failingDestination.clear();
        exitCode_.reset();
    }

    void cleanup()
    {
        window_.reset();
        setTimeScale(kTimeScale);
    }

    // Waits are 30 s each and the end comes 2 s after the completion text.
    void replacesAtTheFirstCheckAfterItsWait()
    {
        constexpr double scale = 0.01;
        setTimeScale(scale);
        writeFile(downloaded(), newProgram());
        QElapsedTimer clock;
        clock.start();
        startUpdater();
        QVERIFY(waitForEnd());
        QVERIFY2(clock.elapsed() >= (UpdaterWindow::kCheckIntervalMs + UpdaterWindow::kEndDelayMs) * scale,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(window_->missedChecks(), 0);
        verifyReplaced();
    }

    void replacesWhenTheDownloadAppearsBeforeTheThirdCheck()
    {
        UpdaterWindow& window = startUpdater();
        connect(&window, &UpdaterWindow::downloadMissed, this, [this](int missed) {
            if (missed == 2)
                writeFile(downloaded(), newProgram());
        });
        QVERIFY(waitForEnd());
        QCOMPARE(window.missedChecks(), 2);
        verifyReplaced();
    }

    void anEarlierBackupIsReplaced()
    {
        writeFile(backup(), "an older backup, longer than the installed program it is replaced by", QFile::ReadOwner);
        writeFile(downloaded(), newProgram());
        startUpdater();
        QVERIFY(waitForEnd());
        verifyReplaced();
    }

    // The program is still running from the installed file: the new file takes its
    // name without writing into the running one.
    void replacesAProgramThatIsStillRunning()
    {
        QFile::remove(installed());
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), installed()));
        QVERIFY(QFile::setPermissions(installed(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray sleepProgram = contentOf(installed());
        QProcess running;
        running.start(installed(), {QStringLiteral("30")});
        QVERIFY(running.waitForStarted());
        writeFile(downloaded(), newProgram());

        startUpdater();
        QVERIFY(waitForEnd());
        running.kill();
        running.waitForFinished();
        QCOMPARE(exitCode_, 0);
        QCOMPARE(contentOf(installed()), newProgram());
        QCOMPARE(contentOf(backup()), sleepProgram);
    }

    void givesUpAfterSixChecks_data()
    {
        QTest::addColumn<QString>("storedName");
        QTest::newRow("nothing downloaded") << QString();
        QTest::newRow("name in capitals") << QStringLiteral("VISTREL");
        QTest::newRow("name with a capital") << QStringLiteral("Vistrel");
        QTest::newRow("a folder of that name") << QStringLiteral("vistrel/");
    }

    void givesUpAfterSixChecks()
    {
        QFETCH(QString, storedName);
        if (storedName.endsWith(u'/'))
            QVERIFY(QDir(downloadFolder()).mkdir(storedName.chopped(1)));
        else if (!storedName.isEmpty())
            writeFile(downloadFolder() + u'/' + storedName, newProgram());
        UpdaterWindow& window = startUpdater();
        QVERIFY(waitForEnd());
        QCOMPARE(exitCode_, 1);
        QCOMPARE(window.missedChecks(), UpdaterWindow::kChecks);
        QCOMPARE(dialogs_.shown, (QStringList{QStringLiteral("File is missing on root."), kFailed}));
        verifyNothingChanged();
    }

    // The program has not yet made its download folder: the same as no download.
    void aMissingDownloadFolderCountsAsNoDownload()
    {
        QVERIFY(QDir(downloadFolder()).removeRecursively());
        startUpdater();
        QVERIFY(waitForEnd());
        QCOMPARE(dialogs_.shown, (QStringList{QStringLiteral("File is missing on root."), kFailed}));
        verifyNothingChanged();
    }

    // Whoever may write into the download folder could have their program installed.
    void refusesADownloadFolderOpenToOthers()
    {
        writeFile(downloaded(), newProgram());
        QVERIFY(QFile::setPermissions(downloadFolder(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::WriteOther
                                          | QFile::ExeOther));
        startUpdater();
        QVERIFY(waitForEnd());
        QCOMPARE(exitCode_, 1);
        QCOMPARE(dialogs_.shown.size(), 2);
        QVERIFY2(dialogs_.shown[0].contains(QStringLiteral("open to other users")), qPrintable(dialogs_.shown[0]));
        QCOMPARE(dialogs_.shown[1], kFailed);
        QCOMPARE(window_->missedChecks(), 0);
        verifyNothingChanged();
    }

    void aFailedStepLeavesTheProgramAsItWas_data()
    {
        QTest::addColumn<bool>("duringBackup");
        QTest::addColumn<Failure>("failure");
        QTest::addColumn<QByteArray>("download");
        QTest::newRow("backup: copy") << true << Failure::Copy << newProgram();
        QTest::newRow("backup: size check") << true << Failure::ShortCopy << newProgram();
        QTest::newRow("backup: mode") << true << Failure::Mode << newProgram();
        QTest::newRow("backup: rename") << true << Failure::Rename << newProgram();
        QTest::newRow("copy") << false << Failure::Copy << newProgram();
        QTest::newRow("size check") << false << Failure::ShortCopy << newProgram();
        QTest::newRow("mode") << false << Failure::Mode << newProgram();
        QTest::newRow("rename") << false << Failure::Rename << newProgram();
    }

    void aFailedStepLeavesTheProgramAsItWas()
    {
        QFETCH(bool, duringBackup);
        QFETCH(Failure, failure);
        QFETCH(QByteArray, download);
        fileSteps_.failure = failure;
        fileSteps_.failingDestination = duringBackup ? backup() : installed();
        writeFile(downloaded(), download);

        startUpdater();
        QVERIFY(waitForEnd());
        QCOMPARE(exitCode_, 1);
        QCOMPARE(dialogs_.shown, QStringList{kFailed});
        QCOMPARE(contentOf(installed()), kOldProgram);
        QCOMPARE(modeOf(installed()), 0755u);
        QCOMPARE(labelText(), QStringLiteral("Updating Larkspire Vistrel"));
        // No half-made copy is left; a backup, when made, is the program as it was.
        QStringList expected{QStringLiteral("vistrel")};
        if (!duringBackup)
            expected.append(QStringLiteral("vistrel.old"));
        QCOMPARE(programFolderEntries(), expected);
        if (!duringBackup)
            QCOMPARE(contentOf(backup()), kOldProgram);
        QCOMPARE(contentOf(downloaded()), download);
    }

    // A download that only starts like a program, or is cut short, is refused with
    // its reason before the backup is made, and nothing is installed.
    void refusesADownloadThatIsNotAWholeProgram_data()
    {
        QTest::addColumn<QByteArray>("download");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("the magic and 1000 zeros") << QByteArray("\x7f"
                                                                "ELF")
                + QByteArray(1000, '\0');
        QTest::newRow("first half of a program") << newProgram().left(newProgram().size() / 2);
    }

    void refusesADownloadThatIsNotAWholeProgram()
    {
        QFETCH(QByteArray, download);
        writeFile(downloaded(), download);
        startUpdater();
        QVERIFY(waitForEnd());
        QCOMPARE(exitCode_, 1);
        QCOMPARE(window_->missedChecks(), 0);
        QCOMPARE(dialogs_.shown.size(), 2);
        const QString reason =
            QStringLiteral("The downloaded file %1 is not a whole program for this computer: ").arg(downloaded());
        QVERIFY2(dialogs_.shown[0].startsWith(reason), qPrintable(dialogs_.shown[0]));
        QCOMPARE(dialogs_.shown[1], kFailed);
        verifyNothingChanged();
        QCOMPARE(contentOf(downloaded()), download);
    }

    // The bar climbs a step at a time from 1, never past 29, and drops to 0 with each wait.
    void theProgressBarRunsWithEachWait()
    {
        setTimeScale(0.005);
        UpdaterWindow& window = startUpdater();
        QList<int> values;
        connect(window.findChild<QProgressBar*>(QStringLiteral("ProgressBar1")), &QProgressBar::valueChanged, this,
                [&values](int value) { values.append(value); });
        connect(&window, &UpdaterWindow::downloadMissed, this, [this](int missed) {
            if (missed == 2)
                writeFile(downloaded(), newProgram());
        });
        QVERIFY(waitForEnd());
        QCOMPARE(exitCode_, 0);
        int drops = 0;
        int previous = 0;
        for (const int value : values) {
            if (value == 0) {
                ++drops;
            } else {
                QVERIFY2(value == previous + 1 && value < UpdaterWindow::kProgressSteps,
                         qPrintable(QStringLiteral("%1 after %2").arg(value).arg(previous)));
            }
            previous = value;
        }
        // The first two waits ended with a drop; the third may end before its last step.
        QVERIFY2(drops >= 2, qPrintable(QString::number(drops)));
    }

private:
    std::optional<QTemporaryDir> root_;
    RecordingDialogs dialogs_;
    FailingFileSteps fileSteps_;
    std::unique_ptr<UpdaterWindow> window_;
    std::optional<int> exitCode_;
};

QTEST_MAIN(UpdaterTest)
#include "test_updater.moc"
