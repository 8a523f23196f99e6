#pragma once
// The two files the updater works on, defined here and nowhere else.
//
// The hand-over contract with the program's update check:
//
// - The update check writes the new executable, complete, to the download file
//       $XDG_CACHE_HOME/vistrel/update/vistrel
//   ($HOME/.cache when XDG_CACHE_HOME is unset or not an absolute path). It creates
//   the folder with mode 0700: the updater installs only from a folder that belongs
//   to the user and that no one else can write to. The environment variable
//   VISTREL_UPDATE_DOWNLOAD, when set, names the download file instead; the update
//   check honours it as well, so a test or a demo moves both ends at once.
// - It then starts the updater, the executable "update" in the program's folder,
//   without arguments, and ends.
// - The updater replaces the installed executable, the "vistrel" in its own folder
//   (or the path in VISTREL_UPDATE_TARGET), and keeps the old one beside it with
//   ".old" appended. It leaves the download file where it is.
// - Both ends accept only a whole executable for this computer, by the one check of
//   update/ExecutableCheck.h: the update check hands nothing else over, and the
//   updater installs nothing else.
#include <QProcessEnvironment>
#include <QString>

namespace updater {

inline constexpr char kDownloadVariable[] = "VISTREL_UPDATE_DOWNLOAD";
inline constexpr char kTargetVariable[] = "VISTREL_UPDATE_TARGET";

// The name the downloaded executable must have, compared case-sensitively.
inline constexpr char kDownloadName[] = "vistrel";
// The installed executable's name in the updater's folder.
inline constexpr char kInstalledName[] = "vistrel";

// The download file's path.
QString downloadedFilePath(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// The installed executable's path; updaterFolder is the folder the updater runs from.
QString installedFilePath(const QString& updaterFolder,
                          const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

} // namespace updater
