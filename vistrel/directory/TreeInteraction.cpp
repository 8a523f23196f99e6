#include "directory/TreeInteraction.h"

#include "directory/DirectoryModel.h"
#include "directory/ProgramWindows.h"
#include "directory/RestrictedTopicGate.h"
#include "platform/Codec.h"
#include "platform/Launcher.h"
#include "platform/Services.h"
#include "ui/CommandRegistry.h"
#include "ui/ToolbarState.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeWidget>

TreeInteraction::TreeInteraction(QTreeWidget& tree, QLineEdit& transmitterAddressBox, DirectoryModel& model,
                                 ProgramWindows& windows)
    : QObject(&tree), tree_(tree), viewport_(tree.viewport()), transmitterAddressBox_(transmitterAddressBox),
      model_(model), windows_(windows), pictureSize_(tree.iconSize())
{
    connect(&tree, &QTreeWidget::itemExpanded, this, &TreeInteraction::nodeExpanded);
    viewport_->installEventFilter(this);
    viewport_->setMouseTracking(true);

    namespace c = ui::command;
    const QPointer<TreeInteraction> self(this);
    // The options window's icon switch runs these: its choice holds for the icon loads
    // and webcam nodes from now on, and the tree shows it at once.
    ui::commands().add(c::kTreeWithPictures, [self] {
        if (!self)
            return;
        self->model_.noIcons = false;
        self->showPictures(true);
    });
    ui::commands().add(c::kTreeWithoutPictures, [self] {
        if (!self)
            return;
        self->model_.noIcons = true;
        self->showPictures(false);
    });
}

// The node is open already when the check asks; a refusal closes it again. Collapsing
// a node needs nothing.
void TreeInteraction::nodeExpanded(QTreeWidgetItem* node)
{
    transmitterAddressBox_.clear();
    if (!passesRestrictedTopicCheck(windows_.tools.options(), platform::toCp1252(node->text(0))))
        node->setExpanded(false);
}

bool TreeInteraction::eventFilter(QObject* watched, QEvent* event)
{
    // The viewport, not the tree: the filter still sees events while the tree is destroyed.
    if (watched == viewport_) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* press = static_cast<QMouseEvent*>(event);
            mousePressed(press->button(), press->modifiers());
        } else if (event->type() == QEvent::MouseMove) {
            mouseMoved();
        }
    }
    return QObject::eventFilter(watched, event);
}

void TreeInteraction::mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button != Qt::RightButton)
        return;
    if (modifiers == Qt::NoModifier)
        platform::launcher().openPage(QUrl(platform::webServerPage(QString::fromLatin1(kHelpPage))));
    else if (modifiers == Qt::ShiftModifier)
        model_.bracketUrlMode = true;
}

void TreeInteraction::mouseMoved()
{
    ui::toolbarState().setHighlightCleared(false);
    windows_.frames.frame().armToolbarPictureReset(kToolbarResetMs);
}

// Without pictures the tree shows plus and minus signs and text only.
void TreeInteraction::showPictures(bool shown)
{
    tree_.setIconSize(shown ? pictureSize_ : QSize(0, 0));
    tree_.setRootIsDecorated(true);
}
