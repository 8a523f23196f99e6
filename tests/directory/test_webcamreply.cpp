// A complete webcam reply read into records, the table rows they fill, and the node
// text and picture of each webcam.
#include "directory/WebCamReply.h"

#include "common/Lexmara.h"
#include "directory/DirectoryModel.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// A record as its eight fields joined by "|".
QByteArray shown(const WebCamRecord& r)
{
    return QByteArrayList{r.marker, r.streamAddress, r.unread, r.name, r.passwordNeeded, r.password, r.place, r.kind}
        .join('|');
}

QByteArrayList shown(const std::vector<WebCamRecord>& records)
{
    QByteArrayList list;
    for (const WebCamRecord& record : records)
        list.append(shown(record));
    return list;
}

QByteArray manyRecords(int count)
{
    QByteArray reply = "/WC/";
    for (int i = 1; i <= count; ++i)
        reply += QByteArray::number(i) + ",rtsp://cams/" + QByteArray::number(i) + ",,Cam " + QByteArray::number(i)
            + ",,,Florida,RealPlay\r\n";
    return reply + "/EndTran/";
}

// The records as the reply loader has always cut them: line n is field n of the body
// at CR LF, asked for anew each time.
QByteArrayList recordsCutFieldByField(const QByteArray& body)
{
    QByteArrayList records;
    for (int n = 1; n <= kWebCamReplyLines; ++n) {
        const QByteArray line = gLexmara.GetDelimited(body, n, "\r\n");
        const QByteArray marker = gLexmara.GetDelimited(line, 1, ",");
        if (marker.isEmpty() || marker == "\n" || marker.startsWith('\r'))
            break;
        QByteArrayList fields{marker.startsWith('\n') ? marker.mid(1) : marker};
        for (int k = 2; k <= 8; ++k)
            fields.append(gLexmara.GetDelimited(line, k, ","));
        records.append(fields.join('|'));
    }
    return records;
}

} // namespace

class WebCamReplyTest : public QObject {
    Q_OBJECT

private slots:
    void records_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArrayList>("records");
        auto row = [](const char* name, QByteArray reply, QByteArrayList records) {
            QTest::newRow(name) << reply << records;
        };
        row("one record", "/WC/7,rtsp://a/cam,x,Beach Cam,N,,Florida,RealPlay/EndTran/",
            {"7|rtsp://a/cam|x|Beach Cam|N||Florida|RealPlay"});
        row("each kind, body ending in CR LF",
            "/WC/1,rtsp://a,,A,,,Florida,RealPlay\r\n2,mms://b,,B,,,Texas,MediaPlay\r\n"
            "3,http://c/pic.jpg,,C,,,Florida,NoStream\r\n4,http://d/,,D,,,Florida,IEStream\r\n"
            "5,10.0.0.5,,E,,,Florida,Talvero\r\n/EndTran/",
            {"1|rtsp://a||A|||Florida|RealPlay", "2|mms://b||B|||Texas|MediaPlay",
             "3|http://c/pic.jpg||C|||Florida|NoStream", "4|http://d/||D|||Florida|IEStream",
             "5|10.0.0.5||E|||Florida|Talvero"});
        row("in one chunk with the end marker on the record", "/WC/1,a,,A,,,P,IEStream\r\n2,b,,B,,,P,IEStream/EndTran/",
            {"1|a||A|||P|IEStream", "2|b||B|||P|IEStream"});
        row("password record", "/WC/1,rtsp://s,,Secret,Y,open sesame,Paris,RealPlay\r\n/EndTran/",
            {"1|rtsp://s||Secret|Y|open sesame|Paris|RealPlay"});
        row("short record leaves fields empty", "/WC/1,rtsp://s,,Half\r\n/EndTran/", {"1|rtsp://s||Half||||"});
        row("fields past the eighth are dropped", "/WC/1,a,,A,,,P,RealPlay,more,fields/EndTran/",
            {"1|a||A|||P|RealPlay"});
        row("nothing is trimmed", "/WC/ 1 , a ,, A ,,, P , RealPlay \r\n/EndTran/", {" 1 | a || A ||| P | RealPlay "});
        row("empty line ends the records", "/WC/1,a,,A,,,P,RealPlay\r\n\r\n2,b,,B,,,P,RealPlay\r\n/EndTran/",
            {"1|a||A|||P|RealPlay"});
        row("empty marker ends the records", "/WC/1,a,,A,,,P,RealPlay\r\n,b,,B,,,P,RealPlay\r\n/EndTran/",
            {"1|a||A|||P|RealPlay"});
        row("a line beginning with CR ends the records", "/WC/\rjunk,a,,A,,,P,RealPlay/EndTran/", {});
        row("a body beginning with CR LF has no records", "/WC/\r\n1,a,,A,,,P,RealPlay/EndTran/", {});
        row("only CR LF separates lines", "/WC/1,a,,A,,,P,RealPlay\n2,b,,B,,,P,RealPlay\r3/EndTran/",
            {"1|a||A|||P|RealPlay\n2"});
        row("a second LF stays in the marker", "/WC/1,a,,A,,,P,RealPlay\r\n\n2,b,,B,,,P,NoStream/EndTran/",
            {"1|a||A|||P|RealPlay", "\n2|b||B|||P|NoStream"});
        row("text before the tag", "/IP/1.2.3.4/WC/1,a,,A,,,P,RealPlay/EndTran/", {"1|a||A|||P|RealPlay"});
        row("lines after the end marker", "/WC/1,a,,A,,,P,RealPlay\r\n/EndTran/\r\n2,b,,B,,,P,RealPlay",
            {"1|a||A|||P|RealPlay"});
        row("without an end marker", "/WC/1,a,,A,,,P,RealPlay\r\n2,b,,B,,,P,MediaPlay",
            {"1|a||A|||P|RealPlay", "2|b||B|||P|MediaPlay"});
        row("NUL inside a field", QByteArray("/WC/1,a\0b,,A,,,P,RealPlay/EndTran/", 34),
            {QByteArray("1|a\0b||A|||P|RealPlay", 21)});
        row("tag alone", "/WC//EndTran/", {});
        row("no tag", "1,a,,A,,,P,RealPlay/EndTran/", {});
        row("empty", "", {});
        row("garbled", "/WC/\x01\xff,,\r\r\n\n/EndTran/", {"\x01\xff||\r|||||", "\n|||||||"});
    }

    void records()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QByteArrayList, records);
        QCOMPARE(shown(webCamRecordsOf(reply)), records);
    }

    void linesAreCutAsTheStringComponentCutsThem()
    {
        // Bodies of commas, CRs, LFs and letters, where line ends are easy to get wrong.
        QRandomGenerator random(1066);
        static const char pieces[] = {'a', 'b', ',', ',', '\r', '\n', '\r', '\n'};
        for (int round = 0; round < 400; ++round) {
            QByteArray body = "m";
            const int length = random.bounded(1, 60);
            for (int i = 0; i < length; ++i)
                body += pieces[random.bounded(int(sizeof pieces))];
            QCOMPARE(shown(webCamRecordsOf("/WC/" + body)), recordsCutFieldByField(body));
        }
    }

    void atMostAThousandRecordsAreRead()
    {
        const std::vector<WebCamRecord> records = webCamRecordsOf(manyRecords(1005));
        QCOMPARE(records.size(), size_t(kWebCamReplyLines));
        QCOMPARE(records.back().marker, QByteArray("1000"));
        QCOMPARE(webCamRecordsOf(manyRecords(1000)).size(), size_t(1000));
    }

    void rowsOfAnEarlierLongerReplyStayInTheTable()
    {
        DirectoryModel model;
        model.storeWebCamRows(webCamRecordsOf(manyRecords(5)));
        model.storeWebCamRows(webCamRecordsOf("/WC/a,x,,X,,,Texas,RealPlay\r\nb,y,,Y,,,Texas,NoStream/EndTran/"));
        QCOMPARE(shown(model.webCamRow(1)), QByteArray("a|x||X|||Texas|RealPlay"));
        QCOMPARE(shown(model.webCamRow(2)), QByteArray("b|y||Y|||Texas|NoStream"));
        QCOMPARE(shown(model.webCamRow(3)), QByteArray("3|rtsp://cams/3||Cam 3|||Florida|RealPlay"));
        QCOMPARE(model.webCamRow(6).marker, QByteArray());

        model.storeWebCamRows(webCamRecordsOf(manyRecords(1000)));
        QCOMPARE(model.webCamRow(1000).marker, QByteArray("1000"));
    }

    void onlyTheClickedPlaceIsHung()
    {
        const std::vector<WebCamRecord> records =
            webCamRecordsOf("/WC/1,a,,A,,,Florida,RealPlay\r\n2,b,,B,,,Texas,RealPlay\r\n3,c,,C,,,FLORIDA,NoStream\r\n"
                            "4,d,,D,,,Florida ,RealPlay\r\n5,e,,E,,,Z\xfcrich,IEStream\r\n/EndTran/");
        QCOMPARE(shown(webCamsAtPlace(records, "Florida")),
                 QByteArrayList({"1|a||A|||Florida|RealPlay", "3|c||C|||FLORIDA|NoStream"}));
        QCOMPARE(shown(webCamsAtPlace(records, "Z\xdcRICH")), QByteArrayList({"5|e||E|||Z\xfcrich|IEStream"}));
        QVERIFY(webCamsAtPlace(records, "Ohio").empty());
        QVERIFY(webCamsAtPlace(records, "").empty());
    }

    void nodeTextAndPicture_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("imageNumber");
        QTest::addColumn<QByteArray>("tag");
        QTest::newRow("RealPlay") << QByteArray("RealPlay") << QByteArray("Beach") << 4 << QByteArray("real");
        QTest::newRow("MediaPlay") << QByteArray("MediaPlay") << QByteArray("Beach") << 5 << QByteArray("MediaPlay");
        QTest::newRow("NoStream") << QByteArray("NoStream") << QByteArray("Beach NoStream ") << 6
                                  << QByteArray("NoStream");
        QTest::newRow("IEStream") << QByteArray("IEStream") << QByteArray("Beach") << 7 << QByteArray("IEStream");
        QTest::newRow("transmitter") << QByteArray("Talvero") << QByteArray("Beach - Transmitter Cam ") << 3
                                     << QByteArray("VideoLink");
        QTest::newRow("kind in other case")
            << QByteArray("realplay") << QByteArray("Beach - Transmitter Cam ") << 3 << QByteArray("VideoLink");
        QTest::newRow("no kind") << QByteArray() << QByteArray("Beach - Transmitter Cam ") << 3
                                 << QByteArray("VideoLink");
    }

    void nodeTextAndPicture()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QByteArray, text);
        QFETCH(int, imageNumber);
        QFETCH(QByteArray, tag);
        WebCamRecord record;
        record.name = "Beach";
        record.kind = kind;
        QCOMPARE(webCamNodeText(record), text);
        QCOMPARE(webCamPicture(kind).imageNumber, imageNumber);
        QCOMPARE(webCamPicture(kind).tag, tag);
    }
};

QTEST_GUILESS_MAIN(WebCamReplyTest)
#include "test_webcamreply.moc"
