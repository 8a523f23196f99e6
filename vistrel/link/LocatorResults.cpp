#include "link/LocatorResults.h"

#include "link/ReplyFields.h"
#include "platform/Codec.h"

#include <algorithm>

using platform::trimBlanks;

namespace {

const QByteArray kPlaceholder = "/NDF/";

bool listable(const QByteArray& entry)
{
    return !entry.isEmpty() && entry != kPlaceholder;
}

// The whole number at the start of the text (after an optional sign), 0 when there is
// none; held within the range of a 64-bit count.
qint64 leadingNumber(const QByteArray& text)
{
    qsizetype at = 0;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        ++at;
    qint64 number = 0;
    constexpr qint64 kLimit = 1'000'000'000'000'000LL;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        number = std::min(kLimit, number * 10 + (text[at] - '0'));
    return negative ? -number : number;
}

} // namespace

LocatorResult topicResultOf(const QByteArray& chunk)
{
    const QByteArray text = fromTag(chunk, "/SumReqRet/");
    LocatorResult result;

    // The head: count, ";" and the first entry, up to the first comma.
    const QByteArray head = trimBlanks(pluckBetween(text, " ", ","));
    const QByteArray first = trimBlanks(pluckBetween(text, ";", ","));
    if (listable(first))
        result.entries << first;

    // The later entries, up to the first empty field.
    const QList<QByteArray> fields = text.split(',');
    bool laterFieldSeen = false;
    for (qsizetype field = 1; field < fields.size() && !fields[field].isEmpty(); ++field) {
        laterFieldSeen = true;
        if (fields[field] != kPlaceholder) {
            result.entries << fields[field];
            result.listsLaterEntries = true;
        }
    }
    // A result without commas holds its only entry after the ";".
    if (!laterFieldSeen) {
        QByteArray only = delimitedField(text, 2, ";");
        only.replace(',', QByteArray());
        if (listable(only) && !result.entries.contains(only))
            result.entries << only;
    }

    QByteArray count = head.split(';').constFirst();
    if (count.isEmpty())
        count = trimBlanks(pluckBetween(text, " ", ";"));
    result.count = count.isEmpty() ? QByteArray("0") : count;
    return result;
}

LocatorResult searchResultOf(const QByteArray& chunk)
{
    const QByteArray text = fromTag(chunk, "/SumReqRetText/");
    LocatorResult result;

    QByteArray countText = trimBlanks(pluckBetween(text, "/ ", ";"));
    countText.replace(';', QByteArray());
    result.count = QByteArray::number(std::max<qint64>(0, leadingNumber(countText) - 2));

    const qsizetype listStart = text.indexOf(";/");
    if (listStart >= 0) {
        for (const QByteArray& entry : text.mid(listStart + 2).split('/')) {
            if (!entry.isEmpty())
                result.entries << entry;
        }
    }
    return result;
}
