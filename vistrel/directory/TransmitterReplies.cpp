#include "directory/TransmitterReplies.h"

#include <algorithm>

TransmitterReply transmitterReplyKind(const QByteArray& reply)
{
    if (reply.contains("/StopTransmitter/"))
        return TransmitterReply::StopConfirmed;
    if (reply.contains("/Encoding/"))
        return TransmitterReply::EncodingStarted;
    if (reply.contains("/Failed Encoding/"))
        return TransmitterReply::EncodingFailed;
    return TransmitterReply::FileList;
}

QList<QByteArray> transmitterFileNames(const QByteArray& list)
{
    QList<QByteArray> names;
    qsizetype start = 0;
    while (start < list.size()) {
        const qsizetype end = list.indexOf('/', start);
        if (end < 0) {
            names.append(list.mid(start));
            break;
        }
        names.append(list.mid(start, end - start));
        start = end + 1;
    }
    return names;
}

TransmitterFileList::Change TransmitterFileList::take(QByteArrayView piece)
{
    Change change;
    if (piece.isEmpty())
        return change;
    const bool lastWasUnfinished = lastUnfinished_;
    const qsizetype changedFrom = names_.size() - (lastWasUnfinished ? 1 : 0);
    const QByteArray lastBefore = lastWasUnfinished ? names_.last() : QByteArray();

    const QByteArrayView text = piece.first(full() ? 0 : std::min(piece.size(), kMaxListBytes - taken_));
    qsizetype position = 0;
    while (position < text.size()) {
        const qsizetype slash = text.indexOf('/', position);
        const qsizetype end = slash < 0 ? text.size() : slash;
        const qsizetype room = kMaxNameBytes - (lastUnfinished_ ? names_.last().size() : 0);
        if (end - position > room) {
            continueLastName(text.sliced(position, room));
            position += room;
            reached_ = Bound::NameBytes;
            break;
        }
        continueLastName(text.sliced(position, end - position));
        if (slash < 0) {
            position = end;
            break;
        }
        endName();
        position = slash + 1;
        if (finishedNames_ == kMaxNames) {
            reached_ = Bound::Names;
            break;
        }
    }
    taken_ += position;
    if (!full() && taken_ == kMaxListBytes)
        reached_ = Bound::ListBytes;
    if (position < piece.size() && !dropped_) {
        dropped_ = true;
        change.firstDrop = reached_;
    }

    if (lastWasUnfinished && names_[changedFrom] != lastBefore)
        change.lastName = names_[changedFrom];
    change.added = names_.mid(changedFrom + (lastWasUnfinished ? 1 : 0));
    return change;
}

void TransmitterFileList::clear()
{
    *this = TransmitterFileList();
}

void TransmitterFileList::continueLastName(QByteArrayView text)
{
    if (text.isEmpty())
        return;
    if (lastUnfinished_) {
        names_.last() += text;
    } else {
        names_.append(text.toByteArray());
        lastUnfinished_ = true;
    }
}

void TransmitterFileList::endName()
{
    if (!lastUnfinished_)
        names_.append(QByteArray());
    lastUnfinished_ = false;
    ++finishedNames_;
}
