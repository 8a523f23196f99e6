#pragma once
// Filling the main window's topic tree after a login: the topic pictures of the
// "icons" folder, then the tree from the node list "Nodes.lst".
#include <QByteArray>

#include <functional>

class ImageList;
class QProgressBar;
class QTreeWidget;

// On the main window's controls: directoryTree, remoteIcons and ProgressBar1.
void loadTopicIcons();
void buildTopicTree();

// The same work on given controls. The icon load lists the icons folder into gIconFiles
// and, unless gNoIcons is set, adds each picture to `images` under the file name up to
// its first "_"; it shows no message. The build adds the root "Internet" and one node
// per record of the node list, collects the top-level topics into gTopics and reports
// the first record that fails in a message box, the later ones as lines for logLine
// (the status log), with one line counting them.
void loadIconsInto(ImageList& images, QProgressBar& progress);
void buildNodesInto(QTreeWidget& tree, const ImageList& images, const std::function<void(const QByteArray&)>& logLine);
