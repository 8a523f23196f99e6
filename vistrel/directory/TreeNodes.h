#pragma once
// The topic tree's nodes as the program addresses them. Every node has a key that is
// unique in its tree without regard to case, an Index (16-bit, from 1, in the order the
// nodes were added; it stays with the node until the tree is emptied), a Tag, the key
// of its picture, and whether its children are kept in alphabetical order. The node
// collection of a tree finds nodes by key and by Index, so a reply that arrives later
// can hang its nodes under the place the user clicked.
#include "directory/WebCamRecord.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTreeWidgetItem>

#include <optional>

class ImageList;
class QTreeWidget;
class TreeNodes;

class TreeNode final : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 1;

    ~TreeNode() override;

    const QByteArray& key() const { return key_; }
    qint16 index() const { return index_; }
    const QByteArray& imageKey() const { return image_; }
    QByteArray nodeText() const;
    // The texts of the nodes from the root down to this one, joined by "\".
    QByteArray fullPath() const;
    // The node that holds this one, or null at the top level.
    TreeNode* parentNode() const;

    // Sorts the children now and keeps the ones added later in order.
    bool isSorted() const { return sorted_; }
    void setSorted(bool sorted);

    QByteArray Tag;
    // The webcam a webcam node was made from; a click on the node opens this webcam.
    std::optional<WebCamRecord> webCam;

    // Text order without regard to case, as the tree sorts.
    bool operator<(const QTreeWidgetItem& other) const override;

private:
    friend class TreeNodes;
    TreeNode(TreeNodes& owner, const QByteArray& key, qint16 index, const QByteArray& text, const QByteArray& image);

    QPointer<TreeNodes> owner_;
    QByteArray key_;
    qint16 index_;
    QByteArray image_;
    bool sorted_ = false;
};

// The node collection of one tree. It lives as long as its tree; nodes leave it when
// they are deleted (a cleared tree leaves it empty and starts the Index count again).
class TreeNodes final : public QObject {
    Q_OBJECT
public:
    // Failures of an add, raised as platform::RuntimeError; the tree is unchanged then.
    static constexpr int kOverflow = 6;            // more nodes than a 16-bit Index counts
    static constexpr int kElementNotFound = 35601; // no node has the parent key, no picture has the image key
    static constexpr int kKeyNotUnique = 35602;    // a node already has the key
    static constexpr int kInvalidKey = 35603;      // an empty key
    static constexpr int kMaxNodes = 32767;

    // The collection of a tree, made on first use.
    static TreeNodes& of(QTreeWidget& tree);

    // Adds a node at the top level, or as the last child (the sorted place when the
    // parent keeps its children sorted) of the node with parentKey. With images the
    // image key must name one of their pictures, which the node shows; without images
    // the node has no picture.
    TreeNode& addTopLevel(const QByteArray& key, const QByteArray& text, const QByteArray& imageKey,
                          const ImageList* images);
    TreeNode& addChild(const QByteArray& parentKey, const QByteArray& key, const QByteArray& text,
                       const QByteArray& imageKey, const ImageList* images);

    TreeNode* byKey(const QByteArray& key) const;
    TreeNode* byIndex(qint16 index) const;
    int count() const { return int(byIndex_.size()); }
    // The node added last, or null when it is gone.
    TreeNode* lastAdded() const;

    // The tree's own sorting: the top-level nodes in alphabetical order, now and later.
    bool isSorted() const { return sorted_; }
    void setSorted(bool sorted);

private:
    explicit TreeNodes(QTreeWidget& tree);

    TreeNode& create(const QByteArray& key, const QByteArray& text, const QByteArray& imageKey,
                     const ImageList* images);
    void forget(TreeNode& node);

    QTreeWidget& tree_;
    QHash<QString, TreeNode*> byKey_; // by the case-folded key
    QHash<qint16, TreeNode*> byIndex_;
    qint16 lastIndex_ = 0;
    bool sorted_ = false;

    friend class TreeNode;
};
