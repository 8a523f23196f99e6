#pragma once
// Looks for the downloaded executable the way the updater's checks need it: by
// listing its folder, so that a file whose stored name differs only in letter case
// (as a case-insensitive file system may hold it) does not count.
#include <QString>

namespace updater {

struct DownloadListing {
    bool found = false; // a regular file of exactly the expected name is there
    QString error;      // why the folder could not be listed; empty when it could
};

// A folder that does not exist yet holds no download: not found, no error. A folder
// that another user owns or may write to is refused with an error, because whoever
// can write there could have the updater install a program of theirs.
DownloadListing listDownloadedFile(const QString& path);

} // namespace updater
