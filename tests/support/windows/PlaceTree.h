#pragma once
// A small topic tree in the main window for tests of the node click and the webcam
// loader: Internet\Travel\Countries\{France, Georgia, Germany}, Internet\Travel\USA\Florida
// and Internet\Technology\TechTV, built through the tree's node collection as the
// node list builds it. Header only: the helpers need the main window's code, which the
// shared test library does not link.
#include "TestWindows.h"
#include "directory/MainWindow.h"
#include "directory/TreeNodes.h"
#include "platform/Codec.h"

#include <QByteArrayList>
#include <QTreeWidget>

struct PlaceTree {
    TreeNode* root = nullptr;
    TreeNode* france = nullptr;
    TreeNode* georgia = nullptr;
    TreeNode* germany = nullptr;
    TreeNode* florida = nullptr;
    TreeNode* techTV = nullptr;

    // Builds the tree into the main window's empty tree.
    static PlaceTree build()
    {
        MainWindow& main = testWindows().main();
        TreeNodes& nodes = TreeNodes::of(*main.directoryTree);
        const ImageList* pictures = &main.remoteIcons;
        auto add = [&](const QByteArray& parent, const QByteArray& key, const QByteArray& text) {
            return &nodes.addChild(parent, key, text, "VideoLink", pictures);
        };
        PlaceTree tree;
        tree.root = &nodes.addTopLevel("Top", "Internet", "Closed", pictures);
        add("Top", "Travel", "Travel");
        add("Travel", "Travel/Countries", "Countries");
        tree.france = add("Travel/Countries", "Travel/Countries/France", "France");
        tree.georgia = add("Travel/Countries", "Travel/Countries/Georgia", "Georgia");
        tree.germany = add("Travel/Countries", "Travel/Countries/Germany", "Germany");
        add("Travel", "Travel/USA", "USA");
        tree.florida = add("Travel/USA", "Travel/USA/Florida", "Florida");
        add("Top", "Technology", "Technology");
        tree.techTV = add("Technology", "Technology/TechTV", "TechTV");
        main.directoryTree->expandAll();
        return tree;
    }

    // The first node of the main window's tree with the text, or null.
    static TreeNode* find(const QByteArray& text)
    {
        const QList<QTreeWidgetItem*> found = testWindows().main().directoryTree->findItems(
            platform::fromCp1252(text), Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : static_cast<TreeNode*>(found.first());
    }
};

// A webcam reply of the record lines given, as the reflector sends it.
inline QByteArray webCamReply(const QByteArrayList& records)
{
    return "/WC/" + records.join("\r\n") + "\r\n/EndTran/";
}

// One record line: marker, stream address, reserved field, name, password flag,
// password, place, kind.
inline QByteArray webCamLine(const QByteArray& name, const QByteArray& address, const QByteArray& place,
                             const QByteArray& kind, const QByteArray& passwordFlag = {},
                             const QByteArray& password = {})
{
    return QByteArrayList{"1", address, "", name, passwordFlag, password, place, kind}.join(',');
}

// The children of a node as "text|key|picture|Tag", in the tree's order.
inline QByteArrayList childrenOf(const TreeNode& node)
{
    QByteArrayList children;
    for (int i = 0; i < node.childCount(); ++i) {
        const auto* child = static_cast<const TreeNode*>(node.child(i));
        children.append(child->nodeText() + '|' + child->key() + '|' + child->imageKey() + '|' + child->Tag);
    }
    return children;
}
