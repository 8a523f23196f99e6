// The start-up options that point the program at servers of one's own: the product
// web server's base and the starting texts of the reflector and transmitter port boxes;
// and the command line that carries them, with its help, version and errors.
#include "TempProgramFolder.h"
#include "frame/CommandLine.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"

#include <QDir>
#include <QTest>

using platform::parseStartupOptions;

class TestStartupOptions : public QObject {
    Q_OBJECT
private slots:
    void options_data();
    void options();
    void webServerBaseBecomesCurrent();
    void commandLine_data();
    void commandLine();
};

void TestStartupOptions::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("webServerBase"); // empty: the default stays
    QTest::addColumn<int>("reflectorPort");     // 0: the box keeps its design text
    QTest::addColumn<int>("transmitterPort");   // 0: the box keeps its design text
    QTest::addColumn<bool>("understood");
    const QString base = QStringLiteral("http://127.0.0.1:8080");
    QTest::newRow("none") << QStringList{"vistrel"} << QString() << 0 << 0 << true;
    QTest::newRow("both") << QStringList{"vistrel", "--web-server", base, "--reflector-port", "4001"} << base << 4001
                          << 0 << true;
    QTest::newRow("with =") << QStringList{"vistrel", "--web-server=" + base + "/", "--reflector-port=80"} << base << 80
                            << 0 << true;
    QTest::newRow("with folder") << QStringList{"vistrel", "--folder", "/opt/a", "--reflector-port", "81"} << QString()
                                 << 81 << 0 << true;
    QTest::newRow("both ports") << QStringList{"vistrel", "--reflector-port", "4001", "--transmitter-port", "4002"}
                                << QString() << 4001 << 4002 << true;
    QTest::newRow("transmitter port with =")
        << QStringList{"vistrel", "--transmitter-port=8080"} << QString() << 0 << 8080 << true;
    QTest::newRow("no value") << QStringList{"vistrel", "--web-server"} << QString() << 0 << 0 << false;
    QTest::newRow("not http") << QStringList{"vistrel", "--web-server", "ftp://host"} << QString() << 0 << 0 << false;
    QTest::newRow("with a path") << QStringList{"vistrel", "--web-server", "http://host/sys"} << QString() << 0 << 0
                                 << false;
    QTest::newRow("port 0") << QStringList{"vistrel", "--reflector-port", "0"} << QString() << 0 << 0 << false;
    QTest::newRow("port too big") << QStringList{"vistrel", "--reflector-port", "65536"} << QString() << 0 << 0
                                  << false;
    QTest::newRow("port not a number") << QStringList{"vistrel", "--reflector-port", "http"} << QString() << 0 << 0
                                       << false;
    QTest::newRow("transmitter port missing")
        << QStringList{"vistrel", "--transmitter-port"} << QString() << 0 << 0 << false;
    QTest::newRow("transmitter port too big")
        << QStringList{"vistrel", "--transmitter-port", "70000"} << QString() << 0 << 0 << false;
}

void TestStartupOptions::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, webServerBase);
    QFETCH(int, reflectorPort);
    QFETCH(int, transmitterPort);
    QFETCH(bool, understood);
    const platform::StartupOptions options = parseStartupOptions(arguments, {});
    QCOMPARE(options.error.isEmpty(), understood);
    if (understood) {
        QCOMPARE(options.webServerBase, webServerBase);
        QCOMPARE(options.reflectorPort, reflectorPort);
        QCOMPARE(options.transmitterPort, transmitterPort);
    }
}

void TestStartupOptions::webServerBaseBecomesCurrent()
{
    TempProgramFolder world;
    const QString before = platform::services().webServerBase;
    platform::applyStartupOptions(parseStartupOptions({"vistrel", "--folder", world.path()}, {}));
    QCOMPARE(platform::services().webServerBase, before);
    platform::applyStartupOptions(
        parseStartupOptions({"vistrel", "--folder", world.path(), "--web-server", "http://127.0.0.1:9"}, {}));
    QCOMPARE(platform::webServerPage("/sys/serverip.txt"), QStringLiteral("http://127.0.0.1:9/sys/serverip.txt"));
}

Q_DECLARE_METATYPE(CommandLine::Outcome)

void TestStartupOptions::commandLine_data()
{
    using Outcome = CommandLine::Outcome;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Outcome>("outcome");
    // Run: "folder|web server|reflector port|transmitter port"; otherwise a line the
    // text must hold.
    QTest::addColumn<QString>("expected");
    const QString base = QStringLiteral("http://127.0.0.1:8080");
    QTest::newRow("none") << QStringList{"vistrel"} << Outcome::Run << "/opt/env||0|0";
    QTest::newRow("every option") << QStringList{"vistrel", "--folder",         "/opt/a", "--web-server",
                                                 base,      "--reflector-port", "4001",   "--transmitter-port=4002"}
                                  << Outcome::Run << "/opt/a|" + base + "|4001|4002";
    QTest::newRow("the last value wins") << QStringList{"vistrel", "--reflector-port", "1", "--reflector-port", "2"}
                                         << Outcome::Run << "/opt/env||2|0";
    QTest::newRow("a folder starting with a dash") << QStringList{"vistrel", "--folder", "-cams"} << Outcome::Run
                                                   << QDir::current().absoluteFilePath("-cams") + "||0|0";
    QTest::newRow("help") << QStringList{"vistrel", "--help"} << Outcome::Help << "--folder <path>";
    QTest::newRow("help beside a mistyped option")
        << QStringList{"/usr/bin/vistrel", "-h", "--fodler"} << Outcome::Error << "vistrel: Unknown option 'fodler'.";
    QTest::newRow("help lists the ports")
        << QStringList{"vistrel", "-h"} << Outcome::Help << "--transmitter-port <port>";
    QTest::newRow("help names the program")
        << QStringList{"/opt/x/vistrel", "--help"} << Outcome::Help << "Usage: vistrel [options]";
    QTest::newRow("version") << QStringList{"vistrel", "--version"} << Outcome::Version << "Vistrel 2.0.1";
    QTest::newRow("version, short") << QStringList{"vistrel", "-v"} << Outcome::Version << "Vistrel 2.0.1";
    QTest::newRow("mistyped option") << QStringList{"vistrel", "--fodler", "x"} << Outcome::Error
                                     << "vistrel: Unknown option 'fodler'.";
    QTest::newRow("the usage follows the error")
        << QStringList{"vistrel", "--fodler", "x"} << Outcome::Error << "--web-server <address>";
    QTest::newRow("a word") << QStringList{"vistrel", "cams"} << Outcome::Error
                            << "vistrel: Unexpected argument 'cams'.";
    QTest::newRow("folder without its value")
        << QStringList{"vistrel", "--folder"} << Outcome::Error << "vistrel: Missing value after '--folder'.";
    QTest::newRow("port without its value") << QStringList{"vistrel", "--folder", "/a", "--reflector-port"}
                                            << Outcome::Error << "vistrel: Missing value after '--reflector-port'.";
    QTest::newRow("empty folder") << QStringList{"vistrel", "--folder="} << Outcome::Error
                                  << "vistrel: The option --folder needs a folder path.";
    QTest::newRow("port out of range") << QStringList{"vistrel", "--transmitter-port", "70000"} << Outcome::Error
                                       << "vistrel: The option --transmitter-port needs a port from 1 to 65535.";
    QTest::newRow("web server with a path") << QStringList{"vistrel", "--web-server", "http://host/sys"}
                                            << Outcome::Error << "vistrel: The option --web-server needs an address";
}

void TestStartupOptions::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Outcome, outcome);
    QFETCH(QString, expected);
    QProcessEnvironment environment;
    environment.insert(platform::kProgramFolderVariable, "/opt/env");
    const CommandLine commandLine = readCommandLine(arguments, environment);
    QCOMPARE(commandLine.outcome, outcome);
    if (outcome == CommandLine::Outcome::Run) {
        const platform::StartupOptions& options = commandLine.options;
        QCOMPARE(QStringList({options.programFolder, options.webServerBase, QString::number(options.reflectorPort),
                              QString::number(options.transmitterPort)})
                     .join(u'|'),
                 expected);
    } else {
        QVERIFY2(commandLine.text.contains(expected), qPrintable(commandLine.text));
        QVERIFY(commandLine.text.endsWith(u'\n'));
    }
}

QTEST_MAIN(TestStartupOptions)
#include "test_startupoptions.moc"
