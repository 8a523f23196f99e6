// The reflector's replies as they arrive: ReplyReader over chunks cut at points the
// fuzzer chooses (Chunks.h), one reader for the whole input, as one session reads its
// socket. Checked for every chunk:
// - each reply's value holds no line break, except the confirmed user ID and the
//   webcam reply, which is handed on as it came;
// - the node data of a chunk ends with NodeDataEnd, or with NoData;
// - a webcam reply is collected across chunks: it is handed out in the chunk that
//   brings "/EndTran/" after the "/WC/" of its first chunk, also when the tag is cut,
//   and it is that chunk and every node data chunk after it, byte for byte.
#include "Chunks.h"
#include "FuzzSupport.h"

#include "link/ReplyReader.h"

#include <algorithm>

namespace {

using Kind = Reply::Kind;

bool holds(const QList<Reply>& replies, Kind kind)
{
    return std::ranges::any_of(replies, [kind](const Reply& reply) { return reply.kind == kind; });
}

bool holdsLineBreak(const QByteArray& value)
{
    return value.contains('\r') || value.contains('\n');
}

void valuesHoldNoLineBreaks(const QList<Reply>& replies)
{
    for (const Reply& reply : replies) {
        const bool keepsLineBreaks = reply.kind == Kind::EarlyLoginAccepted || reply.kind == Kind::LoginAccepted
            || reply.kind == Kind::WebCamReply;
        fuzz::require(keepsLineBreaks || (!holdsLineBreak(reply.text) && !holdsLineBreak(reply.second)),
                      "a reply's value holds no line break");
        for (const QByteArray& entry : reply.locator.entries)
            fuzz::require(!entry.isEmpty() && entry != "/NDF/", "a locator entry is listable");
    }
}

void nodeDataIsClosed(const QList<Reply>& replies)
{
    if (!holds(replies, Kind::NodeData))
        return;
    const Kind last = replies.constLast().kind;
    fuzz::require(last == Kind::NodeDataEnd || last == Kind::NoData, "node data ends with NodeDataEnd or NoData");
}

// The webcam reply that the reader should be collecting, from the replies it gave.
class WebCamReplyModel {
public:
    void check(const QByteArray& chunk, const QList<Reply>& replies)
    {
        if (holds(replies, Kind::WebCamsFound)) {
            collected_ = chunk;
            collecting_ = true;
        } else if (collecting_ && holds(replies, Kind::NodeDataEnd) && !holds(replies, Kind::OutsideAddress)) {
            collected_ += chunk;
        }
        const qsizetype bodyStart = collected_.indexOf("/WC/") + 4;
        const bool complete = collecting_ && collected_.indexOf("/EndTran/", bodyStart) >= 0;
        const auto handedOut = std::ranges::find(replies, Kind::WebCamReply, &Reply::kind);
        fuzz::require(complete == (handedOut != replies.end()), "a webcam reply is handed out once it is complete");
        if (complete) {
            fuzz::require(handedOut->text == collected_, "a webcam reply is its chunks, byte for byte");
            collecting_ = false;
        }
        fuzz::require(!holds(replies, Kind::WebCamReplyDropped), "a short webcam reply is not dropped");
    }

private:
    bool collecting_ = false;
    QByteArray collected_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ReplyReader reader;
    WebCamReplyModel webCamReply;
    for (const QByteArray& chunk : fuzz::chunksOf(data, size)) {
        const QList<Reply> replies = reader.read(chunk);
        fuzz::require(chunk.isEmpty() == replies.isEmpty(), "a chunk gives replies unless it is empty");
        valuesHoldNoLineBreaks(replies);
        nodeDataIsClosed(replies);
        webCamReply.check(chunk, replies);
    }
    return 0;
}
