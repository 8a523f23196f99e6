// The replies read out of chunks in clear, without a socket, a window or a file: what
// each sequence of chunks gives, in the order the session handles it.
#include "link/ReplyReader.h"

#include <QTest>

using Chunks = QList<QByteArray>;
using Replies = QList<Reply>;
using Kind = Reply::Kind;

namespace {

const QByteArray kWebCamReply = "/WC/1,http://a,,Beach Cam,N,,Paris,IEStream\r\n"
                                "2,rtsp://b,,Harbour,Y,pw,Paris,RealPlay\r\n/EndTran/";

const Reply kAnswered{Kind::ReflectorAnswered};
const Reply kNodeData{Kind::NodeData};
const Reply kRetrieved{Kind::DataRetrieved};
const Reply kNodeDataEnd{Kind::NodeDataEnd};
const Reply kFound{Kind::WebCamsFound};

Reply webCamReply(const QByteArray& reply)
{
    return {Kind::WebCamReply, reply};
}

Reply locator(Kind kind, QList<QByteArray> entries, const QByteArray& count, bool listsLaterEntries = false)
{
    return {kind, {}, {}, {std::move(entries), count, listsLaterEntries}};
}

} // namespace

namespace QTest {
template <>
char* toString(const Reply& reply)
{
    const QByteArray text = QByteArray::number(int(reply.kind)) + " \"" + reply.text + "\" \"" + reply.second + "\" "
        + reply.locator.count + ":" + reply.locator.entries.join('|');
    return qstrdup(text.constData());
}
} // namespace QTest

class ReplyReaderTest : public QObject {
    Q_OBJECT

private slots:
    void replies_data()
    {
        QTest::addColumn<Chunks>("chunks");
        QTest::addColumn<Replies>("replies");
        const auto row = [](const char* name, Chunks chunks, Replies replies) {
            QTest::newRow(name) << chunks << replies;
        };

        // The login: the early reply comes first, then the answer's own.
        row("login accepted", {"/Login Successful/, 123 \\"},
            {{Kind::EarlyLoginAccepted, "123"}, kAnswered, {Kind::LoginAccepted, "123"}});
        row("login accepted without an ID", {"/Login Successful/,"},
            {{Kind::EarlyLoginAccepted}, kAnswered, {Kind::LoginAccepted}});
        row("line break inside the ID is kept", {"/Login Successful/,12\r\n3 \\"},
            {{Kind::EarlyLoginAccepted, "12\r\n3"}, kAnswered, {Kind::LoginAccepted, "12\r\n3"}});
        row("count before the login in one chunk ends the chunk", {"/Count/,5/Login Successful/,77\\"},
            {{Kind::EarlyLoginAccepted, "77"}, {Kind::WebCamsOnLine, "5/Login Successful/"}});
        row("login rejected", {"/Login Failed/"}, {kAnswered, {Kind::LoginRejected}});
        row("tags in other letter case are node data", {"/login failed/"},
            {kAnswered, kNodeData, kRetrieved, kNodeDataEnd});
        row("logged in elsewhere", {"/Multi Login/"}, {{Kind::MultiLogin}});

        // The password change.
        row("password changed", {"/PasswordUpdated/,n3w\r\n"}, {kAnswered, {Kind::PasswordUpdated, "n3w"}});
        row("password changed, blanks kept", {"/PasswordUpdated/, n3w "},
            {kAnswered, {Kind::PasswordUpdated, " n3w "}});
        row("password refused", {"/PasswordUpdatedFailed/,x"}, {kAnswered, {Kind::PasswordNotUpdated}});

        // Addresses.
        row("outside address", {"xx/IP/5.6.7.8\r\n"},
            {{Kind::EarlyOutsideAddress, "5.6.7.8"},
             kAnswered,
             kNodeData,
             kRetrieved,
             {Kind::OutsideAddress, "5.6.7.8"},
             kNodeDataEnd});
        row("short outside address", {"/IP/"},
            {{Kind::EarlyOutsideAddress}, kAnswered, kNodeData, {Kind::OutsideAddress}, kNodeDataEnd});
        row("new reflector addresses, then the answer", {"\\LoadIP\\ [ 10.0.\r\n0.1 ] { 10.0.0.2 }"},
            {{Kind::ServerAddresses, "10.0.0.1", "10.0.0.2"}, kAnswered, kNodeData, kRetrieved, kNodeDataEnd});
        row("address pairs missing", {"\\LoadIP\\"}, {{Kind::ServerAddresses}, kAnswered, kNodeData, kNodeDataEnd});

        // Counts and the locator.
        row("webcams on line", {"/Count/,57"}, {{Kind::WebCamsOnLine, "57"}});
        row("webcams on line without a number", {"/Count/"}, {{Kind::WebCamsOnLine}});
        row("topic result", {"/SumReqRet/ 3;a,b,/NDF/,c"},
            {{Kind::EarlyNoData}, locator(Kind::LocatorTopicResult, {"a", "b", "c"}, "3", true)});
        row("search result", {"/SumReqRetText/ 12;/a/b/"}, {locator(Kind::LocatorSearchResult, {"a", "b"}, "10")});
        row("no webcams for the topic", {"/SumReqNDF/"},
            {{Kind::LocatorNoTopicResult}, kAnswered, kNodeData, kRetrieved, kNodeDataEnd});
        row("no webcams for the search", {"/SumReqNDFText/"},
            {{Kind::LocatorNoSearchResult}, kAnswered, kNodeData, kRetrieved, kNodeDataEnd});

        // Places without webcams.
        row("no data", {"/NDF/"}, {{Kind::EarlyNoData}, kAnswered, kNodeData, {Kind::NoData}});

        // Webcam replies, collected across chunks.
        row("webcam reply in one chunk", {kWebCamReply},
            {kAnswered, kNodeData, kRetrieved, kFound, webCamReply(kWebCamReply), kNodeDataEnd});
        row("webcam reply in three chunks", {kWebCamReply.left(30), kWebCamReply.mid(30, 40), kWebCamReply.mid(70)},
            {kAnswered, kNodeData, kRetrieved, kFound, kNodeDataEnd, kAnswered, kNodeData, kRetrieved, kNodeDataEnd,
             kAnswered, kNodeData, kRetrieved, webCamReply(kWebCamReply), kNodeDataEnd});
        row("end tag cut between chunks", {"/WC/1,a/End", "Tran/"},
            {kAnswered, kNodeData, kRetrieved, kFound, kNodeDataEnd, kAnswered, kNodeData,
             webCamReply("/WC/1,a/EndTran/"), kNodeDataEnd});
        row("a later chunk is not added to a complete reply", {"/WC/1,x/EndTran/", "/EndTran/"},
            {kAnswered, kNodeData, kRetrieved, kFound, webCamReply("/WC/1,x/EndTran/"), kNodeDataEnd, kAnswered,
             kNodeData, kNodeDataEnd});
        row("a piece without a reply begun", {"1,a/EndTran/"}, {kAnswered, kNodeData, kRetrieved, kNodeDataEnd});
        row("a chunk with an address is not collected", {"/WC/1,a", "/IP/1.2.3.4/EndTran/"},
            {kAnswered,
             kNodeData,
             kFound,
             kNodeDataEnd,
             {Kind::EarlyOutsideAddress, "1.2.3.4/EndTran/"},
             kAnswered,
             kNodeData,
             kRetrieved,
             {Kind::OutsideAddress, "1.2.3.4/EndTran/"},
             kNodeDataEnd});

        // Adverts.
        row("advert", {"/Adver/ http://b.example\r\n"}, {{Kind::Advert, "http://b.example"}});
        row("advert without an address", {"/Adver/"}, {{Kind::Advert}});

        // Empty and garbled chunks.
        row("empty chunk", {""}, {});
        row("garbled chunk", {QByteArray("\x01\xff\x00/W", 5)}, {kAnswered, kNodeData, kNodeDataEnd});
    }

    void replies()
    {
        QFETCH(Chunks, chunks);
        QFETCH(Replies, replies);
        ReplyReader reader;
        Replies read;
        for (const QByteArray& chunk : chunks)
            read += reader.read(chunk);
        QCOMPARE(read, replies);
    }

    // A webcam reply that grows beyond the collector's capacity is dropped whole, and
    // its end tag then completes nothing.
    void anOversizedWebCamReplyIsDropped()
    {
        ReplyReader reader;
        reader.read("/WC/1,a");
        const QByteArray piece(1024 * 1024, 'x');
        bool dropped = false;
        for (int i = 0; i < 5 && !dropped; ++i)
            dropped = reader.read(piece).contains(Reply{Kind::WebCamReplyDropped});
        QVERIFY(dropped);
        const Replies afterwards = reader.read("/EndTran/");
        QVERIFY(std::none_of(afterwards.begin(), afterwards.end(),
                             [](const Reply& reply) { return reply.kind == Kind::WebCamReply; }));
    }
};

QTEST_GUILESS_MAIN(ReplyReaderTest)
#include "test_replyreader.moc"
