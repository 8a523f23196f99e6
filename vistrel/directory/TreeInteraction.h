#pragma once
// What the topic tree does besides the node click: an expanded node passes the
// restricted-topic check first (a refused one is collapsed again) and empties the
// transmitter address box; a right click opens the tree's help page, a Shift+right
// click sets the bracket mode for the next node click; a mouse move over the tree arms
// the frame's toolbar picture reset. It also gives the tree the two looks that the
// icon switch of the options window asks for, and keeps that choice in the directory
// model for the loads that follow.
#include <QObject>
#include <QPointer>
#include <QSize>

class DirectoryModel;
class ProgramWindows;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

class TreeInteraction : public QObject {
    Q_OBJECT
public:
    static constexpr char kHelpPage[] = "/help/Internet.htm";
    static constexpr int kToolbarResetMs = 500;

    // Lives as long as the tree; the address box, the model and the windows must outlive
    // it too. The windows give the restricted topics (options) and the toolbar reset (frame).
    TreeInteraction(QTreeWidget& tree, QLineEdit& transmitterAddressBox, DirectoryModel& model,
                    ProgramWindows& windows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nodeExpanded(QTreeWidgetItem* node);
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void mouseMoved();
    void showPictures(bool shown);

    QTreeWidget& tree_;
    QWidget* const viewport_;
    QLineEdit& transmitterAddressBox_;
    DirectoryModel& model_;
    ProgramWindows& windows_;
    const QSize pictureSize_;
};
