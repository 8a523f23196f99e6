#pragma once
// Where the update check leaves the new executable for the updater, and how it gets
// there.
//
// The download path is the contract with the updater ("update"), which reads the same
// rule on its side:
//   $XDG_CACHE_HOME/vistrel/update/vistrel, with $HOME/.cache when XDG_CACHE_HOME is
//   unset or not an absolute path, or the path in VISTREL_UPDATE_DOWNLOAD when that is
//   set. The folder holding the file is private to the user (mode 0700): the updater
//   installs only from a folder that belongs to the user and that no one else can
//   write to.
// The two programs share no code for the path, so a change here must be made there too.
// They share the check of the executable itself (update/ExecutableCheck.h).
#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

inline constexpr char kUpdateDownloadVariable[] = "VISTREL_UPDATE_DOWNLOAD";

QString updateDownloadPath(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Why body cannot be the new executable, or the empty text when it can: an empty
// body, an HTML page (a server's error or placeholder page sent with status 200),
// anything that does not start with the ELF magic and anything that is not a whole
// executable for this computer (the updater's check: right class, byte order,
// machine and type, every header table and segment inside the body, so a body cut
// short is refused) are refused.
QString executableProblem(const QByteArray& body);

// Writes body as the whole content of path, atomically: either the complete new file
// is there afterwards or the earlier file is untouched. A missing folder is created
// private to the user; an existing folder must already be private. The empty text on
// success, otherwise what went wrong.
QString writeUpdateDownload(const QString& path, const QByteArray& body);
