#include "platform/Codec.h"

#include <QTest>

using namespace platform;

class CodecTest : public QObject {
    Q_OBJECT

private slots:
    void everyCodeRoundTrips()
    {
        QByteArray all;
        for (int code = 0; code < 256; ++code)
            all.append(char(code));
        const QString text = fromCp1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256); // no two codes share a character
        QCOMPARE(toCp1252(text), all);
    }

    void characters_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("character");
        QTest::newRow("NUL") << 0x00 << 0x0000;
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("undefined 0x81") << 0x81 << 0x0081;
        QTest::newRow("undefined 0x8D") << 0x8D << 0x008D;
        QTest::newRow("undefined 0x8F") << 0x8F << 0x008F;
        QTest::newRow("undefined 0x90") << 0x90 << 0x0090;
        QTest::newRow("undefined 0x9D") << 0x9D << 0x009D;
        QTest::newRow("left double quote") << 0x93 << 0x201C;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("no-break space") << 0xA0 << 0x00A0;
        QTest::newRow("y diaeresis") << 0xFF << 0x00FF;
    }

    void characters()
    {
        QFETCH(int, code);
        QFETCH(int, character);
        QCOMPARE(fromCp1252(QByteArray(1, char(code))), QString(QChar(character)));
        QCOMPARE(toCp1252(QString(QChar(character))), QByteArray(1, char(code)));
    }

    void charactersOutsideTheTableBecomeOneQuestionMarkEach()
    {
        // U+0100, U+4E2D, a lone surrogate, then one character outside the 16-bit range.
        const QString text = QString(QChar(0x0100)) + QChar(0x4E2D) + u'a' + QChar(0xD800) + u'b'
            + QString::fromUcs4(U"\U0001F600") + u'c';
        QCOMPARE(toCp1252(text), QByteArray("??a?b?c"));
    }

    void trimBlanksStripsOnlySpaces_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("trimmed");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("only blanks") << QByteArray("   ") << QByteArray();
        QTest::newRow("both sides") << QByteArray("  a b  ") << QByteArray("a b");
        QTest::newRow("tab, CR, LF kept") << QByteArray("\t a\r\n ") << QByteArray("\t a\r\n");
        QTest::newRow("NUL kept") << QByteArray(" \0x\0 ", 5) << QByteArray("\0x\0", 3);
    }

    void trimBlanksStripsOnlySpaces()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, trimmed);
        QCOMPARE(trimBlanks(text), trimmed);
        QCOMPARE(trimBlanks(fromCp1252(text)), fromCp1252(trimmed));
    }
};

QTEST_GUILESS_MAIN(CodecTest)
#include "test_codec.moc"
