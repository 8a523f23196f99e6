// The port box's text as the reflector port: the numbers it reads, and the error
// number the login and the logout show for a text that gives no port.
#include "link/ReflectorPort.h"

#include <QTest>

#include <optional>

using Port = std::optional<int>;

Q_DECLARE_METATYPE(Port)

class ReflectorPortTest : public QObject {
    Q_OBJECT

private slots:
    void portFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Port>("port");
        QTest::addColumn<int>("errorNumber");
        QTest::addColumn<QString>("description");
        auto row = [](const char* name, QString text, Port port, int errorNumber = 0, QString description = {}) {
            QTest::newRow(name) << text << port << errorNumber << description;
        };
        row("a port", QStringLiteral("8080"), 8080);
        row("blanks around it", QStringLiteral("  8080 "), 8080);
        row("a fraction rounds", QStringLiteral("80.6"), 81);
        row("a half rounds to the even number", QStringLiteral("80.5"), 80);
        row("beyond the ports is for the socket", QStringLiteral("70000"), 70000);
        row("negative", QStringLiteral("-1"), -1);
        row("empty", QString(), std::nullopt, 13, QStringLiteral("Type mismatch"));
        row("letters", QStringLiteral("eighty"), std::nullopt, 13, QStringLiteral("Type mismatch"));
        row("beyond 32 bits", QStringLiteral("99999999999"), std::nullopt, 6, QStringLiteral("Overflow"));
        row("a fraction beyond 32 bits", QStringLiteral("2147483647.6"), std::nullopt, 6, QStringLiteral("Overflow"));
    }

    void portFromText()
    {
        QFETCH(QString, text);
        QFETCH(Port, port);
        QFETCH(int, errorNumber);
        QFETCH(QString, description);
        const PortNumber read = portNumberFromText(text);
        QCOMPARE(read.value, port);
        QCOMPARE(read.errorNumber, errorNumber);
        QCOMPARE(read.errorDescription, description);
    }
};

QTEST_GUILESS_MAIN(ReflectorPortTest)
#include "test_reflectorport.moc"
