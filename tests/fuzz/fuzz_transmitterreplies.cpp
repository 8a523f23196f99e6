// What a transmitter site sends back, over any bytes. A reply's kind is the first of
// the tags "/StopTransmitter/", "/Encoding/" and "/Failed Encoding/" that it holds, and a
// file list's names joined by "/" give the list again, without the "/" that ends its
// last name; no name holds a "/".
#include "FuzzSupport.h"

#include "directory/TransmitterReplies.h"

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
    return 0;
}
