#pragma once
// Showform.txt in the program's folder: whether the user settings window opens at
// start-up, one raw line, "1" (open it) or "0" (leave it hidden).
#include "platform/TextFiles.h"

#include <QByteArray>

// Replaces the file with "1" or "0" (atomically: a failed write keeps the old file).
platform::FileWriteResult writeShowformFile(bool showAtStartUp);

// The first value of the file as it stands ("1", "0", or whatever else it holds); the
// empty text when the file is missing or empty, which leaves the choice as it is.
QByteArray readShowformFile();
