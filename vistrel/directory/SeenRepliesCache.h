#pragma once
// The seen-replies cache: the webcam replies already hung into the tree. Its path is
// the program folder's path with "QS.txt" appended directly, so the file lies beside
// the program's folder, not in it.
#include <QString>

QString seenRepliesCachePath();

// Forgets every reply seen: after a new login a click on a place loads its webcams
// again. A cache that does not exist is no failure.
void deleteSeenRepliesCache();
