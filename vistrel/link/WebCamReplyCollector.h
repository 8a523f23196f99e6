#pragma once
// Collects a webcam reply, which the reflector may send in several chunks: the chunk
// that holds "/WC/" starts it, each following chunk without a tag is
// appended, and the reply is complete once "/EndTran/" has arrived after "/WC/", also
// when the tag is cut between two chunks. A complete reply is handed out once: chunks
// that come after it are not collected, until the next "/WC/" starts a new reply.
#include <QByteArray>

#include <optional>

class WebCamReplyCollector {
public:
    // A reply that grows beyond this is dropped, and the chunks after it up to the
    // next "/WC/" are not collected: what is held never exceeds it.
    static constexpr qsizetype kCapacityBytes = 4 * 1024 * 1024;

    struct Step {
        std::optional<QByteArray> complete; // the whole reply, when this chunk completed it
        bool dropped = false;               // the reply grew beyond the capacity and was dropped
    };

    // A chunk that holds "/WC/".
    Step start(const QByteArray& chunk);
    // A chunk that holds no tag; ignored while no reply is being collected.
    Step append(const QByteArray& chunk);

    // The reply being collected, or the last one collected; empty after a drop.
    const QByteArray& collected() const { return reply_; }

private:
    Step completedFrom(qsizetype searchFrom);
    Step dropped();

    bool collecting_ = false;
    QByteArray reply_;        // the reply being collected, "/WC/" to "/EndTran/"
    qsizetype bodyStart_ = 0; // just after "/WC/" in reply_
};
