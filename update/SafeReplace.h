#pragma once
// Replaces a file so that its path always holds either the old file or a complete
// copy of the new one, never a part of it and never nothing.
#include "FileSteps.h"

#include <QString>

namespace updater {

// Copies source to a temporary file beside destination, checks that the copy has
// the source's size (and is not empty), gives it the permission bits of modeFrom,
// and renames it over destination. Empty on success; otherwise the failure's
// description, with destination untouched and the temporary file removed.
QString replaceFileSafely(const QString& source, const QString& destination, const QString& modeFrom, FileSteps& steps);

} // namespace updater
