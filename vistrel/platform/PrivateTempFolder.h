#pragma once
// A temporary folder of the program's own, created on first use and kept for the rest
// of the run (removed with its files when the program ends). Files that must not lie
// under fixed names in the shared temporary folder go here.
#include <QString>

namespace platform {

// The folder's path with a trailing "/", or the empty text when it cannot be created.
QString privateTempFolder();

} // namespace platform
