#pragma once
// Taking the values out of a reply chunk. A value is always read from the reply's own
// tag on, wherever the tag stands in the chunk, so that text before the tag (another
// reply in the same chunk) cannot shift it. A chunk too garbled for the string
// component gives the empty value, which the reply handling treats as "no value".
#include <QByteArray>

// The chunk from the tag's first character on; empty when the tag is missing.
QByteArray fromTag(const QByteArray& chunk, const QByteArray& tag);
// The chunk from just after the tag; empty when the tag is missing.
QByteArray afterTag(const QByteArray& chunk, const QByteArray& tag);

// The text between the first `open` and the first `close` (Lexmara.Pluck).
QByteArray pluckBetween(const QByteArray& text, const QByteArray& open, const QByteArray& close);
// Field `position` (from 1) of the text cut at `delimiter` (Lexmara.GetDelimited).
QByteArray delimitedField(const QByteArray& text, int position, const QByteArray& delimiter);

// The value without CR and LF: a reply's line end or a broken line never reaches a
// settings file.
QByteArray withoutLineBreaks(const QByteArray& value);
// The same, and without leading and trailing blanks.
QByteArray cleanValue(const QByteArray& value);
