#pragma once
// The seen-replies cache "QS.txt" in the program's folder: the webcam replies already
// hung into the tree since the cache was last deleted (at start-up, Connect and
// Disconnect). A reply whose first line ("/WC/" and its first record) equals, letter
// case aside, the first line of a stored reply is not loaded again. The file holds the
// replies as they came, webcam passwords included, so only its owner may read it.
#include <QByteArray>
#include <QString>

QString seenRepliesCachePath();

// Forgets every reply seen: after a new login a click on a place loads its webcams
// again. A cache that does not exist is no failure.
void deleteSeenRepliesCache();

// Whether a reply with the same first line was stored, in the file or, should the
// file not have been written, in this run's memory of it. A missing or unreadable
// file holds nothing.
bool seenRepliesCacheHolds(const QByteArray& reply);

// Appends the reply, from its "/WC/" on, and CR LF. False when the file could not be
// written; the file is then as it was, and the reply is still remembered as seen.
bool addToSeenRepliesCache(const QByteArray& reply);
