// The tree build: the root, then one node per record of the node list "Nodes.lst".
#include "directory/NodeList.h"

#include "directory/DirectoryModel.h"
#include "directory/ProgramWindows.h"
#include "directory/TreeNodes.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/ListInputReader.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "platform/StandardErrors.h"
#include "ui/ImageList.h"

#include <QFileInfo>

#include <optional>

using platform::RuntimeError;

namespace {

// One record of the node list: four values, not bound to one line.
struct NodeRecord {
    QByteArray parentKey;
    QByteArray key;
    QByteArray text;
    QByteArray imageKey;
};

const NodeRecord kRoot{{}, "Top", "Internet", "Closed"};

bool isTopic(const NodeRecord& record)
{
    return record.parentKey == "Top" || record.parentKey == "ArtTop";
}

// The deepest level below the root a node may stand at. Real lists are a few levels
// deep; the tree's own layout recurses once per level (expanding all of it, say), so a
// far deeper chain would overflow the stack.
constexpr int kDeepestLevel = 64;

int levelOf(const TreeNode& node)
{
    int level = 0;
    for (const TreeNode* above = node.parentNode(); above && level <= kDeepestLevel; above = above->parentNode())
        ++level;
    return level;
}

// The failing steps of one build. The first gets a box: the error, then the record it
// failed on. The later ones go to the status log with the same text, and one line
// counts them at the end, so that a bad list cannot bury the user in boxes.
class FailureReport {
public:
    explicit FailureReport(const std::function<void(const QByteArray&)>& logLine) : logLine_(logLine) {}
    FailureReport(const FailureReport&) = delete;
    FailureReport& operator=(const FailureReport&) = delete;

    ~FailureReport()
    {
        if (logged_ > 0)
            logLine_("Nodes.lst: " + QByteArray::number(logged_) + " more failing records, logged above");
    }

    void operator()(const RuntimeError& error, const NodeRecord& record)
    {
        const QByteArray message = ' ' + QByteArray::number(error.number()) + "  = "
            + platform::toCp1252(error.description()) + record.parentKey + "   " + record.key + "   " + record.text
            + "   " + record.imageKey;
        if (!boxShown_) {
            boxShown_ = true;
            platform::dialogs().messageBox(platform::fromCp1252(message));
            return;
        }
        ++logged_;
        logLine_(message);
    }

private:
    const std::function<void(const QByteArray&)>& logLine_;
    bool boxShown_ = false;
    int logged_ = 0;
};

RuntimeError openingError(const QString& path)
{
    return platform::standardError(QFileInfo::exists(path) ? platform::errors::kPathFileAccessError
                                                           : platform::errors::kFileNotFound);
}

enum class Read { Record, End, Incomplete };

// The next four values. A list that ends inside a record leaves the values it had
// in `record` and the missing ones empty.
Read readRecord(platform::ListInputReader& reader, NodeRecord& record)
{
    if (reader.atEnd())
        return Read::End;
    record = {};
    for (QByteArray* value : {&record.parentKey, &record.key, &record.text, &record.imageKey}) {
        if (reader.atEnd())
            return Read::Incomplete;
        *value = reader.next();
    }
    return Read::Record;
}

} // namespace

void buildNodesInto(QTreeWidget& tree, const ImageList& images, DirectoryModel& model,
                    const std::function<void(const QByteArray&)>& logLine)
{
    TreeNodes& nodes = TreeNodes::of(tree);
    FailureReport report(logLine);
    try {
        nodes.addTopLevel(kRoot.key, kRoot.text, kRoot.imageKey, &images);
    } catch (const RuntimeError& error) {
        report(error, kRoot);
    }

    // Cleared first, so the locator never offers a topic of an earlier, longer list.
    model.clearTopics();
    const QString path = platform::programFile(QStringLiteral("Nodes.lst"));
    std::optional<platform::ListInputReader> reader = platform::ListInputReader::fromFile(path);
    if (!reader) {
        report(openingError(path), {});
        return;
    }

    const ImageList* pictures = model.noIcons ? nullptr : &images;
    NodeRecord record;
    for (Read read; (read = readRecord(*reader, record)) != Read::End;) {
        if (read == Read::Incomplete) {
            report(platform::standardError(platform::errors::kInputPastEndOfFile), record);
            break;
        }
        if (isTopic(record) && !model.addTopic(record.text))
            report(platform::standardError(platform::errors::kSubscriptOutOfRange), record);
        try {
            if (const TreeNode* parent = nodes.byKey(record.parentKey); parent && levelOf(*parent) >= kDeepestLevel)
                throw RuntimeError(platform::errors::kInvalidProcedureCall,
                                   QStringLiteral("Node nested deeper than %1 levels").arg(kDeepestLevel));
            nodes.addChild(record.parentKey, record.key, record.text, record.imageKey, pictures);
        } catch (const RuntimeError& error) {
            report(error, record);
        }
    }
}

void buildTopicTree(ProgramWindows& windows)
{
    MainWindow& main = windows.main();
    buildNodesInto(*main.directoryTree, main.remoteIcons, main.directoryModel,
                   [&windows](const QByteArray& line) { windows.link.status().appendLogLine(line); });
    windows.tools.locator().setTopics(main.directoryModel.topics());
}
