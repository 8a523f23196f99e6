#pragma once
// The seen-replies cache: the webcam replies already hung into the tree. Its path is
// the program folder's path with "QS.txt" appended directly, so the file lies beside
// the program's folder, not in it.
#include <QString>

QString seenRepliesCachePath();
