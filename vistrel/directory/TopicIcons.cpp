// The icon load: the topic pictures of the "icons" folder go into the tree's image list.
#include "directory/TopicIcons.h"

#include "common/Lexmara.h"
#include "directory/DirectoryModel.h"
#include "directory/NodeList.h"
#include "directory/ProgramWindows.h"
#include "platform/Codec.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "ui/ImageList.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QProgressBar>

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

void TopicIcons::loadInto(ImageList& images, QProgressBar& progress, const DirectoryModel& model)
{
    const QDir folder(platform::programFile(QStringLiteral("icons")));
    const QStringList names = folder.entryList({QStringLiteral("*.ico")}, QDir::Files, QDir::Name | QDir::IgnoreCase);

    // The list holds the first kFileLimit files; a closing empty row follows them
    // where there is room for it. It is filled in a local list and kept at the end:
    // the events that run meanwhile could start another load.
    const int listed = std::min(int(names.size()), kFileLimit);
    std::vector<File> rows;
    for (int row = 0; row < listed; ++row)
        rows.push_back({platform::toCp1252(names[row]), {}});
    if (listed < kFileLimit)
        rows.push_back({});

    // At least 0 to 1: a range of 0 to 0 makes the bar a busy indicator, which keeps
    // animating (and repainting the window) for as long as the program runs.
    progress.setRange(0, std::max(1, listed));
    for (int row = 0; row < listed; ++row) {
        QCoreApplication::processEvents(); // a large folder must not freeze the window
        progress.setValue(row);
        File& icon = rows[row];
        icon.imageKey = imageKeyOf(icon.fileName);
        if (model.noIcons) // read anew each time: the user may switch icons off meanwhile
            continue;
        // A picture that does not load, and a key the list already holds (a built-in
        // one, an earlier file's, one of an earlier login), add nothing.
        QPixmap picture;
        if (picture.load(folder.filePath(names[row])))
            images.insert(kFirstIconPosition, icon.imageKey, icon.imageKey, picture);
    }
    progress.setValue(0);
    rows_ = std::move(rows);
    count_ = qint16(listed + 1);
}

void loadTopicIcons(ProgramWindows& windows)
{
    MainWindow& main = windows.main();
    main.topicIcons.loadInto(main.remoteIcons, *main.progressBar, main.directoryModel);
}
