#include "link/ReplyFields.h"

#include "common/Lexmara.h"
#include "platform/Codec.h"
#include "platform/RuntimeError.h"

QByteArray fromTag(const QByteArray& chunk, const QByteArray& tag)
{
    const qsizetype at = chunk.indexOf(tag);
    return at < 0 ? QByteArray() : chunk.mid(at);
}

QByteArray afterTag(const QByteArray& chunk, const QByteArray& tag)
{
    const qsizetype at = chunk.indexOf(tag);
    return at < 0 ? QByteArray() : chunk.mid(at + tag.size());
}

QByteArray pluckBetween(const QByteArray& text, const QByteArray& open, const QByteArray& close)
{
    try {
        return gLexmara.Pluck(text, open, close);
    } catch (const platform::RuntimeError&) {
        return {};
    }
}

QByteArray delimitedField(const QByteArray& text, int position, const QByteArray& delimiter)
{
    try {
        return gLexmara.GetDelimited(text, position, delimiter);
    } catch (const platform::RuntimeError&) {
        return {};
    }
}

QByteArray withoutLineBreaks(const QByteArray& value)
{
    QByteArray clean = value;
    clean.replace('\r', QByteArray()).replace('\n', QByteArray());
    return clean;
}

QByteArray cleanValue(const QByteArray& value)
{
    return platform::trimBlanks(withoutLineBreaks(value));
}
