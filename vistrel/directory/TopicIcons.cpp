// The icon load: the topic pictures of the "icons" folder go into the tree's image list.
#include "directory/TopicIcons.h"

#include "common/Lexmara.h"
#include "directory/DirectoryModel.h"
#include "directory/ProgramWindows.h"
#include "platform/Codec.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "ui/ImageList.h"

#include <QDir>
#include <QPixmap>
#include <QProgressBar>
#include <QStringList>

#include <algorithm>

namespace {

// Loaded icons go in after the seven built-in pictures, so those keep their positions.
constexpr int kFirstIconPosition = 8;

QByteArray imageKeyOf(const QByteArray& fileName)
{
    try {
        return gLexmara.GetDelimited(fileName, 1, "_");
    } catch (const platform::RuntimeError&) {
        return {}; // no key: the picture is skipped like any other that fails
    }
}

} // namespace

struct TopicIcons::Load {
    ImageList& images;
    QProgressBar& progress;
    const DirectoryModel& model;
    std::function<void()> loaded;
    QDir folder;
    QStringList names;
    // Filled here and kept only at the end, so the rows of the last finished load stand
    // while a load runs.
    std::vector<File> rows;
    int listed = 0;
    int next = 0;
};

TopicIcons::TopicIcons()
{
    step_.setInterval(0);
    QObject::connect(&step_, &QTimer::timeout, [this] { loadNextPicture(); });
}

TopicIcons::~TopicIcons() = default;

void TopicIcons::startLoad(ImageList& images, QProgressBar& progress, const DirectoryModel& model,
                           std::function<void()> loaded)
{
    auto load = std::make_unique<Load>(
        Load{images, progress, model, std::move(loaded), QDir(platform::programFile(QStringLiteral("icons"))), {}, {}});
    load->names = load->folder.entryList({QStringLiteral("*.ico")}, QDir::Files, QDir::Name | QDir::IgnoreCase);

    // The list holds the first kFileLimit files; a closing empty row follows them
    // where there is room for it.
    load->listed = std::min(int(load->names.size()), kFileLimit);
    for (int row = 0; row < load->listed; ++row)
        load->rows.push_back({platform::toCp1252(load->names[row]), {}});
    if (load->listed < kFileLimit)
        load->rows.push_back({});

    // At least 0 to 1: a range of 0 to 0 makes the bar a busy indicator, which keeps
    // animating (and repainting the window) for as long as the program runs.
    progress.setRange(0, std::max(1, load->listed));
    load_ = std::move(load);
    step_.start();
}

void TopicIcons::loadNextPicture()
{
    Load& load = *load_;
    if (load.next < load.listed) {
        const int row = load.next++;
        load.progress.setValue(row);
        File& icon = load.rows[row];
        icon.imageKey = imageKeyOf(icon.fileName);
        if (load.model.noIcons) // read anew each time: the user may switch icons off meanwhile
            return;
        // A picture that does not load, and a key the list already holds (a built-in
        // one, an earlier file's, one of an earlier login), add nothing.
        QPixmap picture;
        if (picture.load(load.folder.filePath(load.names[row])))
            load.images.insert(kFirstIconPosition, icon.imageKey, icon.imageKey, picture);
        return;
    }
    step_.stop();
    load.progress.setValue(0);
    rows_ = std::move(load.rows);
    count_ = qint16(load.listed + 1);
    const std::function<void()> loaded = std::move(load.loaded);
    load_.reset();
    if (loaded)
        loaded();
}

void loadTopicIcons(ProgramWindows& windows, std::function<void()> loaded)
{
    MainWindow& main = windows.main();
    main.topicIcons.startLoad(main.remoteIcons, *main.progressBar, main.directoryModel, std::move(loaded));
}
