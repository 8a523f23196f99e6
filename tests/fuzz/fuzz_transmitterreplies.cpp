// What a transmitter site sends back, over any bytes. A reply's kind is the first of
// the tags "/StopTransmitter/", "/Encoding/" and "/Failed Encoding/" that it holds, and a
// file list's names joined by "/" give the list again, without the "/" that ends its
// last name; no name holds a "/". Read in pieces (of a size the first byte picks), the
// list gives the same names as far as its bounds let it, and the changes that the
// pieces report rebuild them.
#include "FuzzSupport.h"

#include "directory/TransmitterReplies.h"

#include <algorithm>

namespace {

TransmitterReply expectedKind(std::string_view reply)
{
    const auto holds = [reply](std::string_view tag) { return reply.find(tag) != std::string_view::npos; };
    if (holds("/StopTransmitter/"))
        return TransmitterReply::StopConfirmed;
    if (holds("/Encoding/"))
        return TransmitterReply::EncodingStarted;
    if (holds("/Failed Encoding/"))
        return TransmitterReply::EncodingFailed;
    return TransmitterReply::FileList;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const QByteArray reply = fuzz::bytes(text);
    fuzz::require(transmitterReplyKind(reply) == expectedKind(text), "the first tag held decides the kind");

    const QList<QByteArray> names = transmitterFileNames(reply);
    for (const QByteArray& name : names)
        fuzz::require(!name.contains('/'), "a name holds no /");
    QByteArray list = reply;
    if (list.endsWith('/'))
        list.chop(1);
    fuzz::require(reply.isEmpty() ? names.isEmpty() : QByteArray(names.join('/')) == list,
                  "the names joined by / give the list");

    const qsizetype pieceSize = size == 0 ? 1 : 1 + data[0] % 16;
    TransmitterFileList pieces;
    QList<QByteArray> shown;
    for (qsizetype at = 0; at < reply.size(); at += pieceSize) {
        const TransmitterFileList::Change change =
            pieces.take(QByteArrayView(reply).sliced(at).first(std::min(pieceSize, reply.size() - at)));
        if (change.lastName)
            shown.last() = *change.lastName;
        shown += change.added;
    }
    fuzz::require(shown == pieces.names(), "the reported changes rebuild the names");
    const bool withinBounds = names.size() <= TransmitterFileList::kMaxNames
        && std::ranges::all_of(names,
                               [](const QByteArray& name) { return name.size() <= TransmitterFileList::kMaxNameBytes; })
        && reply.size() <= TransmitterFileList::kMaxListBytes;
    if (withinBounds)
        fuzz::require(pieces.names() == names && !pieces.dropped(), "pieces within the bounds give the whole list");
    else
        fuzz::require(pieces.names().size() <= names.size() && pieces.names().size() <= TransmitterFileList::kMaxNames,
                      "a list past its bounds gives fewer names");
    return 0;
}
