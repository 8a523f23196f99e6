#include "common/SeenRepliesCache.h"

#include "platform/LetterCase.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFiles.h"

#include <QFile>

namespace {

const QByteArray kReplyStart = "/WC/";
const QByteArray kLineBreak = "\r\n";

// The reply as the cache keeps it: from "/WC/" on, whatever came before the tag in
// its chunk left out.
QByteArray storedForm(const QByteArray& reply)
{
    const qsizetype start = reply.indexOf(kReplyStart);
    return start < 0 ? QByteArray() : reply.mid(start);
}

QByteArray firstLineOf(const QByteArray& text)
{
    const qsizetype end = text.indexOf(kLineBreak);
    return end < 0 ? text : text.left(end);
}

} // namespace

QString seenRepliesCachePath()
{
    return platform::programFile(QStringLiteral("QS.txt"));
}

void deleteSeenRepliesCache()
{
    QFile::remove(seenRepliesCachePath());
}

bool seenRepliesCacheHolds(const QByteArray& reply)
{
    const QByteArray firstLine = firstLineOf(storedForm(reply));
    if (firstLine.isEmpty())
        return false;
    const std::optional<QByteArray> cache = platform::readFile(seenRepliesCachePath());
    if (!cache)
        return false;
    // Every stored reply ends with CR LF, so its first line starts a line of the file,
    // lines cut at CR LF as the reply's first line is. An empty line (a reply with a
    // blank line in it) does not end the search.
    for (qsizetype start = 0; start < cache->size();) {
        const qsizetype end = cache->indexOf(kLineBreak, start);
        const qsizetype lineEnd = end < 0 ? cache->size() : end;
        const QByteArray stored = cache->mid(start, lineEnd - start);
        if (!stored.isEmpty() && platform::equalIgnoringCase(stored, firstLine))
            return true;
        start = lineEnd + kLineBreak.size();
    }
    return false;
}

bool addToSeenRepliesCache(const QByteArray& reply)
{
    const QString path = seenRepliesCachePath();
    const QByteArray cache = platform::readFile(path).value_or(QByteArray());
    return bool(platform::writeFileAtomically(path, cache + storedForm(reply) + kLineBreak,
                                              platform::FileAccess::OwnerOnly));
}
