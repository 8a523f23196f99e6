#include "directory/TreeNodes.h"

#include "platform/Codec.h"
#include "platform/RuntimeError.h"
#include "ui/ImageList.h"

#include <QTreeWidget>

#include <algorithm>

namespace {

QString foldedKey(const QByteArray& key)
{
    return platform::fromCp1252(key).toCaseFolded();
}

[[noreturn]] void fail(int number, const char* description)
{
    throw platform::RuntimeError(number, QString::fromLatin1(description));
}

// Where a node goes among the children of `holder`: after the last one, or at its
// alphabetical place when the holder keeps its children sorted.
int placeAmong(const QTreeWidgetItem& holder, const TreeNode& node, bool sorted)
{
    if (!sorted)
        return holder.childCount();
    int low = 0;
    int high = holder.childCount();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (node < *holder.child(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

} // namespace

TreeNode::TreeNode(TreeNodes& owner, const QByteArray& key, qint16 index, const QByteArray& text,
                   const QByteArray& image)
    : QTreeWidgetItem(kType), owner_(&owner), key_(key), index_(index), image_(image)
{
    setText(0, platform::fromCp1252(text));
}

TreeNode::~TreeNode()
{
    if (owner_)
        owner_->forget(*this);
}

QByteArray TreeNode::nodeText() const
{
    return platform::toCp1252(text(0));
}

TreeNode* TreeNode::parentNode() const
{
    QTreeWidgetItem* holder = parent();
    return holder && holder->type() == kType ? static_cast<TreeNode*>(holder) : nullptr;
}

QByteArray TreeNode::fullPath() const
{
    QByteArray path = nodeText();
    for (const TreeNode* above = parentNode(); above; above = above->parentNode())
        path = above->nodeText() + '\\' + path;
    return path;
}

void TreeNode::setSorted(bool sorted)
{
    sorted_ = sorted;
    if (sorted)
        sortChildren(0, Qt::AscendingOrder);
}

bool TreeNode::operator<(const QTreeWidgetItem& other) const
{
    return text(0).compare(other.text(0), Qt::CaseInsensitive) < 0;
}

TreeNodes::TreeNodes(QTreeWidget& tree) : QObject(&tree), tree_(tree)
{
}

TreeNodes& TreeNodes::of(QTreeWidget& tree)
{
    if (auto* nodes = tree.findChild<TreeNodes*>(QString(), Qt::FindDirectChildrenOnly))
        return *nodes;
    return *new TreeNodes(tree);
}

TreeNode& TreeNodes::create(const QByteArray& key, const QByteArray& text, const QByteArray& imageKey,
                            const ImageList* images)
{
    if (key.isEmpty())
        fail(kInvalidKey, "Invalid key");
    if (byKey_.contains(foldedKey(key)))
        fail(kKeyNotUnique, "Key is not unique in collection");
    if (images && images->indexOfKey(imageKey) == 0)
        fail(kElementNotFound, "Element not found");
    if (lastIndex_ == kMaxNodes)
        fail(kOverflow, "Overflow");

    auto* node = new TreeNode(*this, key, ++lastIndex_, text, images ? imageKey : QByteArray());
    if (images)
        node->setIcon(0, images->icon(imageKey));
    byKey_.insert(foldedKey(key), node);
    byIndex_.insert(node->index(), node);
    return *node;
}

TreeNode& TreeNodes::addTopLevel(const QByteArray& key, const QByteArray& text, const QByteArray& imageKey,
                                 const ImageList* images)
{
    TreeNode& node = create(key, text, imageKey, images);
    QTreeWidgetItem& top = *tree_.invisibleRootItem();
    top.insertChild(placeAmong(top, node, sorted_), &node);
    return node;
}

TreeNode& TreeNodes::addChild(const QByteArray& parentKey, const QByteArray& key, const QByteArray& text,
                              const QByteArray& imageKey, const ImageList* images)
{
    TreeNode* parent = byKey(parentKey);
    if (!parent)
        fail(kElementNotFound, "Element not found");
    TreeNode& node = create(key, text, imageKey, images);
    parent->insertChild(placeAmong(*parent, node, parent->isSorted()), &node);
    return node;
}

TreeNode* TreeNodes::byKey(const QByteArray& key) const
{
    return byKey_.value(foldedKey(key));
}

TreeNode* TreeNodes::byIndex(qint16 index) const
{
    return byIndex_.value(index);
}

TreeNode* TreeNodes::lastAdded() const
{
    return byIndex(lastIndex_);
}

void TreeNodes::setSorted(bool sorted)
{
    sorted_ = sorted;
    if (sorted)
        tree_.invisibleRootItem()->sortChildren(0, Qt::AscendingOrder);
}

void TreeNodes::forget(TreeNode& node)
{
    if (byIndex_.value(node.index()) == &node)
        byIndex_.remove(node.index());
    const QString key = foldedKey(node.key());
    if (byKey_.value(key) == &node)
        byKey_.remove(key);
    if (byIndex_.isEmpty())
        lastIndex_ = 0;
}
