// The start-up options that point the program at servers of one's own: the product
// web server's base and the reflector port box's starting text.
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
    QTest::addColumn<int>("reflectorPort");      // 0: the box keeps its design text
    QTest::addColumn<bool>("understood");
    const QString base = QStringLiteral("http://127.0.0.1:8080");
    QTest::newRow("none") << QStringList{"vistrel"} << QString() << 0 << true;
    QTest::newRow("both") << QStringList{"vistrel", "--web-server", base, "--reflector-port", "4001"} << base << 4001
                          << true;
    QTest::newRow("with =") << QStringList{"vistrel", "--web-server=" + base + "/", "--reflector-port=80"} << base << 80
                            << true;
    QTest::newRow("with folder") << QStringList{"vistrel", "--folder", "/opt/a", "--reflector-port", "81"} << QString()
                                 << 81 << true;
    QTest::newRow("no value") << QStringList{"vistrel", "--web-server"} << QString() << 0 << false;
    QTest::newRow("not http") << QStringList{"vistrel", "--web-server", "ftp://host"} << QString() << 0 << false;
    QTest::newRow("with a path") << QStringList{"vistrel", "--web-server", "http://host/sys"} << QString() << 0 << false;
    QTest::newRow("port 0") << QStringList{"vistrel", "--reflector-port", "0"} << QString() << 0 << false;
    QTest::newRow("port too big") << QStringList{"vistrel", "--reflector-port", "65536"} << QString() << 0 << false;
    QTest::newRow("port not a number") << QStringList{"vistrel", "--reflector-port", "http"} << QString() << 0 << false;
}

void TestStartupOptions::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, webServerBase);
    QFETCH(int, reflectorPort);
    QFETCH(bool, understood);
    const platform::StartupOptions options = parseStartupOptions(arguments, {});
    QCOMPARE(options.error.isEmpty(), understood);
    if (understood) {
        QCOMPARE(options.webServerBase, webServerBase);
        QCOMPARE(options.reflectorPort, reflectorPort);
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
