#pragma once
// The files that every snapshot window shares: the download and the copy of the last
// download in the program's private temporary folder, and the numbered auto-saves in
// the program folder's "images" folder, with the one counter that numbers them. The
// windows' owner (SnapshotWindows.h) holds what they share.
#include <QString>
#include <QtGlobal>

inline constexpr char kSnapshotDownloadName[] = "dummy";        // each download lands here
inline constexpr char kSnapshotLastPictureName[] = "dummy.jpg"; // copy of the last download
inline constexpr char kImagesFolderName[] = "images";

struct SharedSnapshotFiles {
    // The temporary folder (trailing "/") of the last download that produced a file, in
    // any window; empty until the first one of the run. "Save Single Image" copies from it.
    QString snapshotTempDir;
    // The number of the last auto-saved picture, one sequence for all windows; 0 at start
    // and after "< Reset". Never stored, so each run numbers from 1.
    qint32 imageCounter = 0;

    // Raises imageCounter for the next auto-save and returns it; after the largest
    // number the sequence starts again at 1.
    qint32 nextImageNumber();
};

// The program folder's "images" folder, where auto-saves go and the save dialog starts.
QString imagesFolder();

// The path of auto-save number n: "Img<n>.jpg" in the images folder.
QString autoSavePath(qint32 n);
