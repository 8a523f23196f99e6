#include "common/SeenRepliesCache.h"

#include "platform/LetterCase.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFiles.h"

#include <QFile>

#include <algorithm>

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

// The first lines of the replies recorded since the cache was last deleted, kept
// beside the file: a cache that cannot be written still keeps a reply from being
// loaded twice in this run. They belong to one cache file; another program folder's
// cache starts with none.
QByteArrayList& firstLinesSeen()
{
    static QString cachePath;
    static QByteArrayList lines;
    if (const QString path = seenRepliesCachePath(); path != cachePath) {
        cachePath = path;
        lines.clear();
    }
    return lines;
}

bool firstLineSeen(const QByteArray& firstLine)
{
    const QByteArrayList& seen = firstLinesSeen();
    return std::any_of(seen.begin(), seen.end(),
                       [&](const QByteArray& line) { return platform::equalIgnoringCase(line, firstLine); });
}

} // namespace

QString seenRepliesCachePath()
{
    return platform::programFile(QStringLiteral("QS.txt"));
}

void deleteSeenRepliesCache()
{
    firstLinesSeen().clear();
    QFile::remove(seenRepliesCachePath());
}

bool seenRepliesCacheHolds(const QByteArray& reply)
{
    const QByteArray firstLine = firstLineOf(storedForm(reply));
    if (firstLine.isEmpty())
        return false;
    if (firstLineSeen(firstLine))
        return true;
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
    firstLinesSeen().append(firstLineOf(storedForm(reply)));
    const QString path = seenRepliesCachePath();
    const QByteArray cache = platform::readFile(path).value_or(QByteArray());
    return bool(
        platform::writeFileAtomically(path, cache + storedForm(reply) + kLineBreak, platform::FileAccess::OwnerOnly));
}
