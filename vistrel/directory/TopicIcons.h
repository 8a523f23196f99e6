#pragma once
// The topic pictures of the program folder's "icons" folder, as the last icon load
// listed them.
#include <QByteArray>
#include <QTimer>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <vector>

class DirectoryModel;
class ImageList;
class ProgramWindows;
class QProgressBar;

class TopicIcons {
public:
    static constexpr int kFileLimit = 501; // the icon files that are listed

    struct File {
        QByteArray fileName;
        QByteArray imageKey; // the file name up to its first "_"
    };

    TopicIcons();
    ~TopicIcons();

    // Lists the icons folder (the first kFileLimit "*.ico" files by name) and, unless the
    // model's icon switch is off, adds each picture to `images` under its image key.
    // One picture goes in per turn of the event loop, so that a large folder does not
    // freeze the window; `loaded` runs once the last is in. A load started while one
    // runs takes its place (the earlier one's `loaded` never runs). Shows no message.
    // The images, the progress bar and the model must outlive the load.
    void startLoad(ImageList& images, QProgressBar& progress, const DirectoryModel& model,
                   std::function<void()> loaded);

    // The files listed, then an empty row when there were fewer than kFileLimit.
    const std::vector<File>& rows() const { return rows_; }
    // The icon files listed, plus one for the closing empty row; 0 before the first load.
    qint16 count() const { return count_; }

private:
    struct Load;

    void loadNextPicture();

    std::vector<File> rows_;
    qint16 count_ = 0;
    std::unique_ptr<Load> load_;
    QTimer step_; // one picture per timeout while a load runs
};

// The icon load on the main window's remoteIcons, ProgressBar1 and directory model.
void loadTopicIcons(ProgramWindows& windows, std::function<void()> loaded);
