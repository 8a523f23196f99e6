#include "directory/NodeClick.h"

#include "common/Lexmara.h"
#include "directory/ProgramWindows.h"
#include "directory/RestrictedTopicGate.h"
#include "directory/TopicDispatch.h"
#include "directory/TreeNodes.h"
#include "directory/WebCamOpening.h"
#include "link/ReflectorSession.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/RuntimeError.h"
#include "platform/StandardErrors.h"

#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QTreeWidget>

#include <functional>

namespace {

const QString kPathFileMissing =
    QStringLiteral("Either the Real.txt or MediaPlay.txt file is missing from the Application directory.");

// Runs one step of the click; a step that fails is reported and the click goes on.
void step(const std::function<void()>& body)
{
    try {
        body();
    } catch (const platform::RuntimeError& error) {
        reportNodeClickError(error.number());
    }
}

// The clicked node, found again after every step that lets other events run: a reply,
// a Disconnect or a second click may have emptied the tree meanwhile. A node at the
// same Index with the same key is the same node.
class ClickedNode {
public:
    ClickedNode(QTreeWidget& tree, const TreeNode& node) : tree_(&tree), index_(node.index()), key_(node.key()) {}

    TreeNode* get() const
    {
        if (!tree_)
            return nullptr;
        TreeNode* node = TreeNodes::of(*tree_).byIndex(index_);
        return node && node->key() == key_ ? node : nullptr;
    }

private:
    QPointer<QTreeWidget> tree_;
    qint16 index_;
    QByteArray key_;
};

// Bracket mode: the address between "[" and "]" in the node's text opens in the
// browser, once (nothing opens for a text without one), and the click ends.
void openBracketedAddress(const QByteArray& text)
{
    const QByteArray address = gLexmara.Pluck(text, "[", "]");
    if (address.isEmpty())
        return;
    // The launcher opens web addresses only, so a node text cannot start anything else.
    platform::launcher().openPage(QUrl(platform::fromCp1252(address), QUrl::StrictMode));
}

} // namespace

void reportNodeClickError(int number)
{
    if (number == platform::errors::kInvalidProcedureCall || number == platform::errors::kFileNotFound)
        return;
    if (number == platform::errors::kBadFileNameOrNumber)
        platform::dialogs().messageBox(kPathFileMissing);
    const QString signedText = number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
    platform::dialogs().messageBox(QStringLiteral("Error = ") + signedText);
}

void runNodeClick(ProgramWindows& windows, TreeNode& clickedNode)
{
    MainWindow& main = windows.main();
    const ClickedNode clicked(*main.directoryTree, clickedNode);
    main.transmitterAddressBox->clear();

    DirectoryModel& model = main.directoryModel;
    if (model.bracketUrlMode) {
        step([&] { openBracketedAddress(clickedNode.nodeText()); });
        model.bracketUrlMode = false;
        return;
    }

    const QByteArray queryText = clickedNode.nodeText();
    if (!passesRestrictedTopicCheck(windows.tools.options(), queryText))
        return;

    TreeNode* node = clicked.get();
    if (!node)
        return;
    node->setSorted(true);
    const QByteArray fullPath = node->fullPath();
    main.progressBar->setValue(0);
    model.selectedNodeIndex = node->index();

    std::vector<QByteArray> queries;
    step([&] { queries = topicQueriesFor(fullPath, node->nodeText()); });
    for (const QByteArray& query : queries)
        reflectorSession().sendQuery(query);

    // The webcam opens once the queries have gone out; their replies may have come meanwhile.
    reflectorSession().runAfterRequests([&windows, clicked] {
        if (TreeNode* stillThere = clicked.get())
            step([&] { openWebCamOfNode(windows, *stillThere); });
    });
}
