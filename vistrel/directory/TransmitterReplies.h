#pragma once
// Reading what a transmitter site sends back. The channel has no framing: each data
// arrival is one reply, recognised by the tags it holds, and a file list is the names
// of the site's videos, each ended by "/".
#include <QByteArray>
#include <QList>

enum class TransmitterReply {
    StopConfirmed,   // holds "/StopTransmitter/"
    EncodingStarted, // else holds "/Encoding/"
    EncodingFailed,  // else holds "/Failed Encoding/"
    FileList,        // any other text
};

// The kind of a reply: the tags are tested in the order above, exactly and
// case-sensitively, and the first that the text holds decides.
TransmitterReply transmitterReplyKind(const QByteArray& reply);

// The names of a file list: each "/" ends a name, two in a row give an empty name
// between them, and text after the last "/" (or a list without any) is the last name.
// The empty text holds no names.
QList<QByteArray> transmitterFileNames(const QByteArray& list);
