// Upper case and case-blind comparison of Windows-1252 texts.
#include "platform/LetterCase.h"

#include <QTest>

using namespace platform;

class LetterCaseTest : public QObject {
    Q_OBJECT

private slots:
    void upperCase_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("upper");
        QTest::newRow("ascii") << QByteArray("France, metropolitan 1-2") << QByteArray("FRANCE, METROPOLITAN 1-2");
        QTest::newRow("accented") << QByteArray("c\xf4te \xe9t\xe9") << QByteArray("C\xd4TE \xc9T\xc9");
        QTest::newRow("caron, ligature, y diaeresis")
            << QByteArray("\x9a\x9c\x9e\xff") << QByteArray("\x8a\x8c\x8e\x9f");
        QTest::newRow("no capital") << QByteArray("\xdf\xb5\xf7") << QByteArray("\xdf\xb5\xf7");
        QTest::newRow("NUL and controls stay") << QByteArray("a\0\r\n", 4) << QByteArray("A\0\r\n", 4);
    }

    void upperCase()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, upper);
        QCOMPARE(platform::upperCase(text), upper);
        QVERIFY(equalIgnoringCase(text, upper));
    }

    void comparisonNeedsTheSameLetters()
    {
        QVERIFY(equalIgnoringCase("Z\xfcrich", "z\xdcRICH"));
        QVERIFY(!equalIgnoringCase("Zurich", "Z\xfcrich"));
        QVERIFY(!equalIgnoringCase("Texas", "Texas "));
        QVERIFY(equalIgnoringCase("", ""));
    }
};

QTEST_GUILESS_MAIN(LetterCaseTest)
#include "test_lettercase.moc"
