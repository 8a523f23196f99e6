#pragma once
// OptionSettings.txt in the program's folder: one line with the state of the
// "Do not Load Icons" box as a number after one blank, then CR LF (" 0", " 1", or " 2"
// for a greyed box). The file is replaced atomically and created readable by its
// owner only.
#include "platform/TextFiles.h"

#include <optional>

// The state to set the box to at load. A missing or empty file gives 0 (unticked),
// and so does a first item without a leading number; a number that is no box state
// (" 7", " -1") gives nothing, and the box keeps the state it has. Only the first
// item of the first line counts, so anything after it is ignored.
std::optional<int> readIconBoxStateFile();

// Replaces the file with the line for the state (0 to 2). A failed write keeps the
// old file and is reported.
platform::FileWriteResult writeIconBoxStateFile(int state);
