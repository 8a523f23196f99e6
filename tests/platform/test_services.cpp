// The program's outside services: program folder and start-up options, the
// launcher, the end of the process, and putting in test replacements.
#include "TempProgramFolder.h"
#include "platform/Launcher.h"
#include "platform/ProcessEnd.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "ui/DesktopServices.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;
using ui::ProcessLauncher;

namespace {

// Receives the pages that QDesktopServices would give to the browser.
class PageCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> pages;
public slots:
    void openPage(const QUrl& page) { pages << page; }
};

} // namespace

class ServicesTest : public QObject {
    Q_OBJECT

private slots:
    void startupOptionsGiveTheProgramFolder_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("environmentFolder");
        QTest::addColumn<QString>("folder"); // empty: the executable's folder
        QTest::addColumn<bool>("understood");
        QTest::newRow("nothing given") << QStringList{"vistrel"} << QString() << QString() << true;
        QTest::newRow("option") << QStringList{"vistrel", "--folder", "/opt/cams/"} << QString() << "/opt/cams" << true;
        QTest::newRow("option with =") << QStringList{"vistrel", "--folder=/opt/cams"} << QString() << "/opt/cams"
                                       << true;
        QTest::newRow("environment") << QStringList{"vistrel"} << "/srv/v"
                                     << "/srv/v" << true;
        QTest::newRow("option wins") << QStringList{"vistrel", "--folder", "/opt/a"} << "/srv/v"
                                     << "/opt/a" << true;
        QTest::newRow("other options left alone")
            << QStringList{"vistrel", "-x", "--folder", "/a", "y"} << QString() << "/a" << true;
        QTest::newRow("option without path") << QStringList{"vistrel", "--folder"} << QString() << QString() << false;
        QTest::newRow("empty path") << QStringList{"vistrel", "--folder="} << QString() << QString() << false;
    }

    void startupOptionsGiveTheProgramFolder()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, environmentFolder);
        QFETCH(QString, folder);
        QFETCH(bool, understood);
        QProcessEnvironment environment;
        if (!environmentFolder.isEmpty())
            environment.insert(kProgramFolderVariable, environmentFolder);
        const StartupOptions options = parseStartupOptions(arguments, environment);
        QCOMPARE(options.error.isEmpty(), understood);
        QCOMPARE(options.programFolder, folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder);
    }

    void relativeFolderBecomesAbsolute()
    {
        const StartupOptions options = parseStartupOptions({"vistrel", "--folder", "data/../cams"}, {});
        QCOMPARE(options.programFolder, QDir::current().absoluteFilePath("cams"));
    }

    void programFilesLieInTheProgramFolder()
    {
        TempProgramFolder world;
        QCOMPARE(programFolder(), world.path());
        QCOMPARE(programFile("ServerSettings.txt"), world.path() + "/ServerSettings.txt");

        applyStartupOptions(parseStartupOptions({"vistrel", "--folder", "/opt/cams"}, {}));
        QCOMPARE(programFile("Nodes.lst"), QString("/opt/cams/Nodes.lst"));
    }

    void scopedServicesBringTheOldSetBack()
    {
        const Services before = services();
        {
            TempProgramFolder world;
            services().webServerBase = "http://127.0.0.1:8080";
            QCOMPARE(webServerPage("/support.php"), QString("http://127.0.0.1:8080/support.php"));
            QCOMPARE(&launcher(), &world.launcher());
        }
        QCOMPARE(services().launcher, before.launcher);
        QCOMPARE(services().programFolder, before.programFolder);
        QCOMPARE(webServerPage("/support.php"), QString("http://www.vistrel.example/support.php"));
    }

    void endProcessInTestsIsRecorded()
    {
        TempProgramFolder world;
        endProcess(0);
        endProcess(3);
        QCOMPARE(world.endProcessCalls(), QList<int>({0, 3}));
    }

    void realEndProcessFlushesOutputAndRunsNoHandlers()
    {
        int output[2];
        QCOMPARE(::pipe(output), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::dup2(output[1], STDOUT_FILENO);
            std::atexit([] { std::fputs(" atexit", stdout); });
            std::fputs("buffered", stdout); // no newline: still in the stdio buffer
            endProcessNow(7);
        }
        ::close(output[1]);
        char buffer[64] = {};
        const ssize_t length = ::read(output[0], buffer, sizeof buffer - 1);
        ::close(output[0]);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 7);
        QCOMPARE(QByteArray(buffer, int(std::max<ssize_t>(length, 0))), QByteArray("buffered"));
    }

    void launcherPassesArgumentsAsTheyAre()
    {
        TempProgramFolder world;
        // A shell would split, expand or run parts of this name.
        const QString name = world.filePath("a b;$(echo x)*'\"");
        ProcessLauncher real;
        const StartResult result = real.startProgram("touch", {"--", name});
        QVERIFY(result.started);
        QVERIFY(result.processId > 0);
        QTRY_VERIFY(QFile::exists(name));
        QCOMPARE(QDir(world.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 1);

        const StartResult missing = real.startProgram(world.filePath("no-such-program"), {});
        QVERIFY(!missing.started);
        QCOMPARE(missing.processId, 0);
    }

    void launcherSaysWhyAStartFails_data()
    {
        QTest::addColumn<QString>("program"); // FOLDER/: in the test's folder
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such file") << "FOLDER/no-such-program" << true << "No such file or directory";
        QTest::newRow("no such name on the search path")
            << "no-such-program-anywhere" << true << "No such file or directory";
        QTest::newRow("a file that cannot run") << "FOLDER/notes.txt" << false << "Permission denied";
        QTest::newRow("a folder") << "FOLDER/" << false << "Permission denied";
    }

    // A start that fails says why, and whether the program is missing (the windows
    // look for a missing player and report any other failure).
    void launcherSaysWhyAStartFails()
    {
        QFETCH(QString, program);
        QFETCH(bool, missing);
        QFETCH(QString, reason);
        TempProgramFolder world;
        QFile notes(world.filePath("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        program.replace("FOLDER/", world.path() + "/");

        const StartResult result = ProcessLauncher().startProgram(program, {});
        QVERIFY(!result);
        QCOMPARE(result.processId, 0);
        QCOMPARE(result.programMissing, missing);
        QCOMPARE(result.failureReason, reason);
        QCOMPARE(startFailureMessage(program, result),
                 QString("The program %1 could not be started: %2.").arg(program, reason));
    }

    void launcherSaysWhyAPageDoesNotOpen()
    {
        // The test platform has no browser.
        ProcessLauncher real;
        const PageResult noBrowser = real.openPage(QUrl("http://www.vistrel.example/help.htm"));
        QVERIFY(!noBrowser);
        QCOMPARE(pageFailureMessage("http://www.vistrel.example/help.htm", noBrowser),
                 QString("The page http://www.vistrel.example/help.htm could not be opened: no web browser could be "
                         "started."));
        const PageResult refused = real.openPage(QUrl("file:///etc/passwd"));
        QVERIFY(!refused);
        QCOMPARE(refused.failureReason, QString("only web pages (http and https addresses) are opened"));
    }

    void launcherOpensOnlyWebPages()
    {
        PageCatcher browser;
        QDesktopServices::setUrlHandler("http", &browser, "openPage");
        QDesktopServices::setUrlHandler("https", &browser, "openPage");
        QDesktopServices::setUrlHandler("file", &browser, "openPage");
        ProcessLauncher real;
        QVERIFY(real.openPage(QUrl("http://www.vistrel.example/help.htm")));
        QVERIFY(real.openPage(QUrl("https://www.vistrel.example/")));
        QVERIFY(!real.openPage(QUrl("file:///etc/passwd")));
        QVERIFY(!real.openPage(QUrl("-version")));
        QVERIFY(!real.openPage(QUrl("http://")));
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(browser.pages,
                 QList<QUrl>({QUrl("http://www.vistrel.example/help.htm"), QUrl("https://www.vistrel.example/")}));
    }

    void twipsBecomePixels_data()
    {
        QTest::addColumn<int>("twipCount");
        QTest::addColumn<int>("pixels");
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("window width") << 5850 << 390;
        QTest::newRow("rounds down") << 22 << 1;
        QTest::newRow("rounds up") << 23 << 2;
        QTest::newRow("negative") << -23 << -2;
    }

    void twipsBecomePixels()
    {
        QFETCH(int, twipCount);
        QFETCH(int, pixels);
        QCOMPARE(twips(twipCount), pixels);
    }
};

QTEST_MAIN(ServicesTest)
#include "test_services.moc"
