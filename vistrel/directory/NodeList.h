#pragma once
// Filling the main window's topic tree after a login from the node list "Nodes.lst"
// (after the topic pictures of the "icons" folder, TopicIcons.h).
#include <QByteArray>

#include <functional>

class DirectoryModel;
class ProgramWindows;
class ImageList;
class QTreeWidget;

// On the main window's controls: directoryTree and remoteIcons, with the main window's
// directory model. The build hands the topics it collected to the locator window.
void buildTopicTree(ProgramWindows& windows);

// The build on given controls: adds the root "Internet" and one node per record of the
// node list (without pictures when the model's icon switch is off), collects the
// top-level topics into the model and reports the first record that fails in a message
// box, the later ones as lines for logLine (the status log), with one line counting them.
void buildNodesInto(QTreeWidget& tree, const ImageList& images, DirectoryModel& model,
                    const std::function<void(const QByteArray&)>& logLine);
