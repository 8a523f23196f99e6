#include "directory/TransmitterReplies.h"

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
