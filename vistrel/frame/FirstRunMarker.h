#pragma once
// The first-run marker: a file whose existence says that the program has started on
// this machine before. It lives in the user's configuration folder, beside the
// settings store.
#include <QString>

QString firstRunMarkerPath();

// Writes the marker (the line "Complete"). False when it cannot be written.
bool writeFirstRunMarker();
