#include "directory/WebCamReply.h"

#include "common/Lexmara.h"
#include "platform/LetterCase.h"

#include <algorithm>

namespace {

const QByteArray kReplyStart = "/WC/";
const QByteArray kReplyEnd = "/EndTran/";
const QByteArray kLineBreak = "\r\n";

// The lines of the body cut at CR LF the way GetDelimited cuts them: every line after
// the first starts at the LF of the pair before it. Cut in one pass, since asking for
// line n anew would scan the body from its start each time. Stops after the first empty
// line or after kWebCamReplyLines lines.
std::vector<QByteArray> replyLines(const QByteArray& body)
{
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    while (static_cast<int>(lines.size()) < kWebCamReplyLines) {
        const qsizetype pair = body.indexOf(kLineBreak, start);
        const qsizetype end = pair < 0 ? body.size() : pair;
        lines.push_back(body.mid(start, end - start));
        if (lines.back().isEmpty() || pair < 0)
            break;
        start = pair + 1;
    }
    return lines;
}

bool endsTheRecords(const QByteArray& marker)
{
    return marker.isEmpty() || marker == "\n" || marker.startsWith('\r');
}

WebCamRecord recordOf(const QByteArray& line, QByteArray marker)
{
    if (marker.startsWith('\n'))
        marker.remove(0, 1);
    auto field = [&](int k) { return gLexmara.GetDelimited(line, k, ","); };
    return {std::move(marker), field(2), field(3), field(4), field(5), field(6), field(7), field(8)};
}

} // namespace

QByteArray webCamReplyBody(const QByteArray& reply)
{
    const qsizetype tag = reply.indexOf(kReplyStart);
    if (tag < 0)
        return {};
    const qsizetype start = tag + kReplyStart.size();
    const qsizetype end = reply.indexOf(kReplyEnd, start);
    return reply.mid(start, end < 0 ? -1 : end - start);
}

std::vector<WebCamRecord> webCamRecordsOf(const QByteArray& reply)
{
    std::vector<WebCamRecord> records;
    for (const QByteArray& line : replyLines(webCamReplyBody(reply))) {
        QByteArray marker = gLexmara.GetDelimited(line, 1, ",");
        if (endsTheRecords(marker))
            break;
        records.push_back(recordOf(line, std::move(marker)));
    }
    return records;
}

std::vector<WebCamRecord> webCamsAtPlace(const std::vector<WebCamRecord>& records, const QByteArray& placeText)
{
    std::vector<WebCamRecord> atPlace;
    std::copy_if(records.begin(), records.end(), std::back_inserter(atPlace),
                 [&](const WebCamRecord& record) { return platform::equalIgnoringCase(record.place, placeText); });
    return atPlace;
}

WebCamKind webCamKindOf(const QByteArray& kind)
{
    if (kind == "RealPlay")
        return WebCamKind::RealPlay;
    if (kind == "MediaPlay")
        return WebCamKind::MediaPlay;
    if (kind == "NoStream")
        return WebCamKind::NoStream;
    if (kind == "IEStream")
        return WebCamKind::IEStream;
    return WebCamKind::TransmitterCam;
}

QByteArray webCamNodeText(const WebCamRecord& record)
{
    switch (webCamKindOf(record.kind)) {
    case WebCamKind::NoStream: return record.name + " NoStream ";
    case WebCamKind::TransmitterCam: return record.name + " - Transmitter Cam ";
    default: return record.name;
    }
}

WebCamPicture webCamPicture(const QByteArray& kind)
{
    switch (webCamKindOf(kind)) {
    case WebCamKind::RealPlay: return {4, "real"};
    case WebCamKind::MediaPlay: return {5, "MediaPlay"};
    case WebCamKind::NoStream: return {6, "NoStream"};
    case WebCamKind::IEStream: return {7, "IEStream"};
    case WebCamKind::TransmitterCam: break;
    }
    return {3, "VideoLink"};
}
