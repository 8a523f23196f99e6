#include "FakeReflector.h"

#include "common/Lexmara.h"

#include <algorithm>
#include <utility>

const QByteArray FakeReflector::kTrafficKey = "Quorvantel";

FakeReflector::Reply FakeReflector::Reply::text(const QByteArray& bytes, int delayMs)
{
    Reply reply;
    reply.writes.append(Write{bytes, delayMs});
    return reply;
}

FakeReflector::Reply FakeReflector::Reply::joined(const QList<QByteArray>& replies, int delayMs)
{
    QByteArray bytes;
    for (const QByteArray& part : replies)
        bytes += part;
    return text(bytes, delayMs);
}

FakeReflector::Reply FakeReflector::Reply::silence()
{
    return Reply{};
}

FakeReflector::Reply FakeReflector::Reply::splitAt(const QList<int>& positions) const
{
    Reply result = *this;
    if (result.writes.isEmpty())
        return result;
    const Write last = result.writes.takeLast();
    int from = 0;
    int delay = last.delayMs;
    for (int position : positions) {
        if (position <= from || position >= last.bytes.size())
            continue;
        result.writes.append(Write{last.bytes.mid(from, position - from), delay});
        from = position;
        delay = kPieceGapMs;
    }
    result.writes.append(Write{last.bytes.mid(from), delay});
    return result;
}

FakeReflector::Reply FakeReflector::Reply::then(const QByteArray& bytes, int delayMs) const
{
    Reply result = *this;
    result.writes.append(Write{bytes, delayMs});
    return result;
}

FakeReflector::Reply FakeReflector::Reply::closing() const
{
    Reply result = *this;
    result.closeAfter = true;
    return result;
}

FakeReflector::Reply FakeReflector::Reply::greetingNextConnection(const QByteArray& bytes) const
{
    Reply result = *this;
    result.greetNext = bytes;
    return result;
}

void FakeReflector::script(const QByteArray& prefix, const QList<Reply>& replies)
{
    auto existing = std::find_if(script_.begin(), script_.end(),
                                 [&prefix](const ScriptEntry& entry) { return entry.prefix == prefix; });
    if (existing != script_.end())
        *existing = ScriptEntry{prefix, replies, 0};
    else
        script_.append(ScriptEntry{prefix, replies, 0});
}

void FakeReflector::acceptLogin(const QByteArray& userId)
{
    script("/Login/", Reply::text("/Login Successful/," + userId + "\\"));
}

void FakeReflector::rejectLogin()
{
    script("/Login/", Reply::text("/Login Failed/"));
}

bool FakeReflector::sendUnsolicited(int connection, const QByteArray& bytes)
{
    return writeTo(connection, enciphered_ ? encipher(bytes) : bytes);
}

QList<QByteArray> FakeReflector::requestTexts() const
{
    QList<QByteArray> texts;
    for (const Request& request : requests_)
        texts.append(request.text);
    return texts;
}

QByteArray FakeReflector::encipher(const QByteArray& plain) const
{
    return gLexmara.StringEncrypt(plain, kTrafficKey);
}

QByteArray FakeReflector::decipher(const QByteArray& cipher) const
{
    return gLexmara.StringDecrypt(cipher, kTrafficKey);
}

void FakeReflector::opened(int connection)
{
    if (!greeting_.isEmpty())
        sendUnsolicited(connection, std::exchange(greeting_, QByteArray()));
}

void FakeReflector::takeBytes(int connection, const QByteArray& bytes)
{
    Request request;
    request.connection = connection;
    request.received = bytes;
    request.text = enciphered_ ? decipher(request.received) : request.received;
    requests_.append(request);
    recordRequest(connection, requests_.size() - 1);

    const Reply reply = responder_ ? responder_(request.text) : replyFor(request.text);
    if (!reply.greetNext.isEmpty())
        greeting_ = reply.greetNext;
    play(connection, reply, 0);
}

FakeReflector::Reply FakeReflector::replyFor(const QByteArray& text)
{
    ScriptEntry* best = nullptr;
    for (ScriptEntry& entry : script_) {
        if (text.startsWith(entry.prefix) && (!best || entry.prefix.size() > best->prefix.size()))
            best = &entry;
    }
    if (!best || best->replies.isEmpty())
        return Reply::silence();
    const int turn = std::min<int>(best->used++, best->replies.size() - 1);
    return best->replies[turn];
}

void FakeReflector::play(int connection, const Reply& reply, int writeIndex)
{
    if (writeIndex >= reply.writes.size()) {
        if (reply.closeAfter)
            closeConnection(connection);
        return;
    }
    const Write& write = reply.writes[writeIndex];
    later(write.delayMs, [this, connection, reply, writeIndex] {
        if (!sendUnsolicited(connection, reply.writes[writeIndex].bytes))
            return;
        play(connection, reply, writeIndex + 1);
    });
}
