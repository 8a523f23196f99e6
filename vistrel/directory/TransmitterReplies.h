#pragma once
// Reading what a transmitter site sends back. The channel has no framing: each data
// arrival is one reply, recognised by the tags it holds, and a file list is the names
// of the site's videos, each ended by "/".
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

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

// A file list that arrives in pieces, cut anywhere, even inside a name. The names read
// as transmitterFileNames reads the pieces joined: text after the last "/" so far is
// the last name, which the next piece may still continue. Each piece costs time in
// proportion to its own size, since only the unfinished last name is kept between
// pieces and a name is bounded.
//
// A site that never stops sending must not fill the memory: the list keeps at most
// kMaxListBytes bytes in all (the "/" included), kMaxNames names and kMaxNameBytes bytes
// in one name (far longer than any file name; the bound keeps the cost of a piece that
// continues a name in proportion to the piece). What comes after the first bound
// reached, in that piece and in every later one, is dropped.
class TransmitterFileList {
public:
    static constexpr qsizetype kMaxListBytes = 256 * 1024;
    static constexpr qsizetype kMaxNames = 10000;
    static constexpr qsizetype kMaxNameBytes = 1024;

    enum class Bound { None, ListBytes, Names, NameBytes };

    // What one piece changed in the names: the last name, unfinished before the piece,
    // now reads lastName (when it has changed), and the names in added follow it.
    struct Change {
        std::optional<QByteArray> lastName;
        QList<QByteArray> added;
        // The bound that made this piece the first of the list to lose text, if any.
        Bound firstDrop = Bound::None;
    };

    Change take(QByteArrayView piece);
    void clear();

    // The names so far, the unfinished last one included.
    const QList<QByteArray>& names() const { return names_; }
    // A bound has been reached: later pieces change nothing.
    bool full() const { return reached_ != Bound::None; }
    // Some text of the list has been dropped.
    bool dropped() const { return dropped_; }

private:
    void continueLastName(QByteArrayView text);
    void endName();

    QList<QByteArray> names_;
    bool lastUnfinished_ = false; // names_.last() still waits for its "/"
    qsizetype finishedNames_ = 0;
    qsizetype taken_ = 0; // bytes of the list taken so far
    Bound reached_ = Bound::None;
    bool dropped_ = false;
};
