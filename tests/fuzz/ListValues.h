#pragma once
// Reading every value of a content with ListInputReader, checking on the way that the
// reader advances and that reading past the end gives the empty text.
#include "FuzzSupport.h"

#include "platform/ListInputReader.h"

#include <QList>

namespace fuzz {

inline QList<QByteArray> readAllValues(platform::ListInputReader& reader, qsizetype contentSize)
{
    QList<QByteArray> values;
    while (!reader.atEnd()) {
        values << reader.next();
        // Each value but a last one after a final comma takes at least one byte.
        require(values.size() <= contentSize + 1, "the reader advances");
    }
    require(reader.next().isEmpty() && reader.atEnd(), "reading past the end gives the empty text");
    return values;
}

inline QList<QByteArray> readAllValues(const QByteArray& content)
{
    platform::ListInputReader reader(content);
    return readAllValues(reader, content.size());
}

} // namespace fuzz
