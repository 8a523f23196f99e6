#include "FakeTransmitter.h"

#include <algorithm>

const QList<QByteArray> FakeTransmitter::kRequestTags = {"/FileList/", "/Modem/", "/Cable/", "/VF/", "/Stop/"};

FakeTransmitter::Reply FakeTransmitter::Reply::closing() const
{
    Reply result = *this;
    result.closeAfter = true;
    return result;
}

FakeTransmitter::FakeTransmitter(QObject* parent) : QuietGapServer(parent)
{
    setFiles({});
    script("/VF/", Reply::text("/Encoding/"));
    script("/Stop/", Reply::text("/StopTransmitter/"));
}

void FakeTransmitter::setFiles(const QList<QByteArray>& names)
{
    QByteArray list;
    for (const QByteArray& name : names)
        list += name + '/';
    script("/FileList/", list.isEmpty() ? Reply::silence() : Reply::text(list));
}

void FakeTransmitter::script(const QByteArray& prefix, const Reply& reply)
{
    auto existing = std::find_if(script_.begin(), script_.end(),
                                 [&prefix](const ScriptEntry& entry) { return entry.prefix == prefix; });
    if (existing != script_.end())
        existing->reply = reply;
    else
        script_.append(ScriptEntry{prefix, reply});
}

QList<QByteArray> FakeTransmitter::requestTexts() const
{
    QList<QByteArray> texts;
    for (const Request& request : requests_)
        texts.append(request.text);
    return texts;
}

QList<QByteArray> FakeTransmitter::splitRequests(const QByteArray& bytes)
{
    // The start of the first tag at or after from; bytes.size() when there is none.
    const auto nextTag = [&bytes](qsizetype from) {
        qsizetype first = bytes.size();
        for (const QByteArray& tag : kRequestTags) {
            const qsizetype at = bytes.indexOf(tag, from);
            if (at >= 0)
                first = std::min(first, at);
        }
        return first;
    };
    QList<QByteArray> requests;
    qsizetype start = 0;
    while (start < bytes.size()) {
        // A request runs to the next tag after its own beginning.
        const qsizetype end = nextTag(start + 1);
        requests.append(bytes.mid(start, end - start));
        start = end;
    }
    return requests;
}

void FakeTransmitter::takeBytes(int connection, const QByteArray& bytes)
{
    for (const QByteArray& text : splitRequests(bytes)) {
        requests_.append(Request{connection, text});
        recordRequest(connection, requests_.size() - 1);
        if (!silent_)
            play(connection, replyFor(text), 0);
    }
}

FakeTransmitter::Reply FakeTransmitter::replyFor(const QByteArray& text) const
{
    const ScriptEntry* best = nullptr;
    for (const ScriptEntry& entry : script_) {
        if (text.startsWith(entry.prefix) && (!best || entry.prefix.size() > best->prefix.size()))
            best = &entry;
    }
    return best ? best->reply : Reply::silence();
}

void FakeTransmitter::play(int connection, const Reply& reply, int pieceIndex)
{
    if (pieceIndex >= reply.pieces.size()) {
        if (reply.closeAfter)
            closeConnection(connection);
        return;
    }
    const int delayMs = pieceIndex == 0 ? reply.delayMs : kPieceGapMs;
    later(delayMs, [this, connection, reply, pieceIndex] {
        if (sendUnsolicited(connection, reply.pieces[pieceIndex]))
            play(connection, reply, pieceIndex + 1);
    });
}
