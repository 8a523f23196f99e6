#pragma once
// The topic pictures of the program folder's "icons" folder, as the last icon load
// listed them.
#include <QByteArray>
#include <QtGlobal>

#include <vector>

class DirectoryModel;
class ImageList;
class QProgressBar;

class TopicIcons {
public:
    static constexpr int kFileLimit = 501; // the icon files that are listed

    struct File {
        QByteArray fileName;
        QByteArray imageKey; // the file name up to its first "_"
    };

    // Lists the icons folder (the first kFileLimit "*.ico" files by name) and, unless the
    // model's icon switch is off, adds each picture to `images` under its image key.
    // Shows no message.
    void loadInto(ImageList& images, QProgressBar& progress, const DirectoryModel& model);

    // The files listed, then an empty row when there were fewer than kFileLimit.
    const std::vector<File>& rows() const { return rows_; }
    // The icon files listed, plus one for the closing empty row; 0 before the first load.
    qint16 count() const { return count_; }

private:
    std::vector<File> rows_;
    qint16 count_ = 0;
};
