// The icon load: the topic pictures of the "icons" folder go into the tree's image list.
#include "directory/NodeList.h"

#include "common/Globals.h"
#include "common/Lexmara.h"
#include "directory/MainWindow.h"
#include "platform/Codec.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "ui/Forms.h"
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

void loadIconsInto(ImageList& images, QProgressBar& progress)
{
    gIconCount = 0;
    const QDir folder(platform::programFile(QStringLiteral("icons")));
    const QStringList names = folder.entryList({QStringLiteral("*.ico")}, QDir::Files, QDir::Name | QDir::IgnoreCase);

    // The table holds the first kIconFileRows files; a closing empty row follows them
    // where there is room for it.
    const int listed = std::min(int(names.size()), kIconFileRows);
    for (int row = 0; row < listed; ++row)
        gIconFiles[row] = {platform::toCp1252(names[row]), {}};
    if (listed < kIconFileRows)
        gIconFiles[listed] = {};
    gIconCount = qint16(listed + 1);

    // At least 0 to 1: a range of 0 to 0 makes the bar a busy indicator, which keeps
    // animating (and repainting the window) for as long as the program runs.
    progress.setRange(0, std::max(1, listed));
    for (int row = 0; row < listed; ++row) {
        QCoreApplication::processEvents(); // a large folder must not freeze the window
        progress.setValue(row);
        IconFile& icon = gIconFiles[row];
        icon.imageKey = imageKeyOf(icon.fileName);
        if (gNoIcons)
            continue;
        // A picture that does not load, and a key the list already holds (a built-in
        // one, an earlier file's, one of an earlier login), add nothing.
        QPixmap picture;
        if (picture.load(folder.filePath(names[row])))
            images.insert(kFirstIconPosition, icon.imageKey, icon.imageKey, picture);
    }
    progress.setValue(0);
}

void loadTopicIcons()
{
    MainWindow& main = ui::form<MainWindow>();
    loadIconsInto(main.remoteIcons, *main.progressBar);
}
