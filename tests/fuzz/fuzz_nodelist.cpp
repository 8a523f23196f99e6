// The topic tree built from a node list "Nodes.lst" of any content (the input after its
// first byte; an odd first byte switches the topic pictures off), on a tree that is
// never shown. Read in records of four values, the list gives the root and one node per
// record, except for each record that fails, which is reported, as are a list that ends
// inside a record and a topic beyond the last topic slot (the first report in a box, the
// later ones as log lines, which a last line counts). Then:
// - the tree holds exactly the nodes of its collection, each found by its key and by its
//   Index;
// - the topics are the texts of the records under "Top" or "ArtTop", in their order.
#include "ListValues.h"
#include "ProgramFolder.h"

#include "directory/DirectoryModel.h"
#include "directory/NodeList.h"
#include "directory/TreeNodes.h"
#include "ui/ImageList.h"

#include <QApplication>
#include <QPixmap>
#include <QSet>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace {

// What the node list holds, read as the build reads it.
struct NodeListContent {
    qsizetype records = 0;
    bool endsInsideRecord = false;
    QList<QByteArray> topics;
};

NodeListContent contentOf(const QByteArray& list)
{
    const QList<QByteArray> values = fuzz::readAllValues(list);
    NodeListContent content;
    content.records = values.size() / 4;
    content.endsInsideRecord = values.size() % 4 != 0;
    for (qsizetype record = 0; record < content.records; ++record) {
        const QByteArray& parentKey = values[record * 4];
        if (parentKey == "Top" || parentKey == "ArtTop")
            content.topics << values[record * 4 + 2];
    }
    return content;
}

struct Tree {
    QTreeWidget widget;
    ImageList pictures;

    Tree()
    {
        QPixmap picture(pictures.imageSize());
        picture.fill(Qt::gray);
        for (const char* key : {"Closed", "Open", "1", "2", "Cam"})
            pictures.add(key, {}, picture);
    }
};

void treeHoldsItsNodes(QTreeWidget& widget)
{
    const TreeNodes& nodes = TreeNodes::of(widget);
    QSet<qint16> indexes;
    int items = 0;
    for (QTreeWidgetItemIterator it(&widget); *it; ++it, ++items) {
        fuzz::require((*it)->type() == TreeNode::kType, "every item is a node");
        TreeNode* node = static_cast<TreeNode*>(*it);
        fuzz::require(nodes.byKey(node->key()) == node, "a node is found by its key");
        fuzz::require(nodes.byIndex(node->index()) == node, "a node is found by its Index");
        indexes.insert(node->index());
    }
    fuzz::require(items == nodes.count() && indexes.size() == items, "the tree holds the nodes of its collection");
}

void topicsAreTheTopicRecords(const DirectoryModel& model, const QList<QByteArray>& topics)
{
    const qsizetype kept = std::min<qsizetype>(topics.size(), DirectoryModel::kTopicLimit);
    const QList<QByteArray>& collected = model.topics();
    for (qsizetype slot = 1; slot <= DirectoryModel::kTopicLimit; ++slot)
        fuzz::require(collected.value(slot - 1) == (slot <= kept ? topics[slot - 1] : QByteArray()),
                      "the topics are the texts of the topic records");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static Tree tree;
    fuzz::ProgramFolder& folder = fuzz::ProgramFolder::get();
    const QByteArray list(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    folder.writeFile("Nodes.lst", list);
    DirectoryModel model;
    model.noIcons = data[0] & 1;
    tree.widget.clear();
    folder.dialogs().messageCount = 0;

    int logged = 0;
    buildNodesInto(tree.widget, tree.pictures, model, [&logged](const QByteArray& line) {
        if (!line.startsWith("Nodes.lst: "))
            ++logged;
    });

    const NodeListContent content = contentOf(list);
    const qsizetype topicsBeyondSlots = std::max<qsizetype>(0, content.topics.size() - DirectoryModel::kTopicLimit);
    fuzz::require(TreeNodes::of(tree.widget).count() + folder.dialogs().messageCount + logged
                      == 1 + content.records + (content.endsInsideRecord ? 1 : 0) + topicsBeyondSlots,
                  "every record gives a node or a message");
    treeHoldsItsNodes(tree.widget);
    topicsAreTheTopicRecords(model, content.topics);
    return 0;
}
