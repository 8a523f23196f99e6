#include "platform/ListInputReader.h"

#include "platform/TextFiles.h"

namespace platform {

ListInputReader::ListInputReader(QByteArray content) : content_(std::move(content))
{
}

std::optional<ListInputReader> ListInputReader::fromFile(const QString& path)
{
    std::optional<QByteArray> content = readFile(path);
    if (!content)
        return std::nullopt;
    return ListInputReader(std::move(*content));
}

bool ListInputReader::atEnd() const
{
    return position_ >= content_.size() && !valueAfterComma_;
}

bool ListInputReader::atLineEnd() const
{
    return position_ >= content_.size() || content_[position_] == '\r' || content_[position_] == '\n';
}

void ListInputReader::skipLineEnd()
{
    if (position_ < content_.size() && content_[position_] == '\r')
        ++position_;
    if (position_ < content_.size() && content_[position_] == '\n')
        ++position_;
}

QByteArray ListInputReader::next()
{
    if (atEnd())
        return {};
    valueAfterComma_ = false;

    while (position_ < content_.size() && content_[position_] == ' ')
        ++position_;

    const bool quoted = !atLineEnd() && content_[position_] == '"';
    if (quoted)
        ++position_;
    const qsizetype start = position_;
    while (!atLineEnd() && content_[position_] != (quoted ? '"' : ','))
        ++position_;
    QByteArray value = content_.mid(start, position_ - start);
    // Drop what follows a closing quote up to the separator.
    while (!atLineEnd() && content_[position_] != ',')
        ++position_;

    if (atLineEnd()) {
        skipLineEnd();
    } else {
        ++position_; // the comma
        valueAfterComma_ = true;
    }
    return value;
}

} // namespace platform
