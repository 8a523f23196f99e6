// The start-up options that point the program at servers of one's own: the product
// web server's base and the starting texts of the reflector and transmitter port boxes.
#include "TempProgramFolder.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"

#include <QTest>

using platform::parseStartupOptions;

class TestStartupOptions : public QObject {
    Q_OBJECT
private slots:
    void options_data();
    void options();
    void webServerBaseBecomesCurrent();
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

QTEST_MAIN(TestStartupOptions)
#include "test_startupoptions.moc"
