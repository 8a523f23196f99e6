#include "ui/ProgramWindow.h"

#include "ui/Gradient.h"
#include "ui/ToolbarGiveBack.h"

#include <QCloseEvent>

ProgramWindow::ProgramWindow(std::optional<ToolbarButton> toolbarButton, QWidget* parent)
    : QWidget(parent), toolbarButton_(toolbarButton)
{
}

void ProgramWindow::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    // Mapping a window does not raise it: one made before the frame would open behind it.
    if (visible && isWindow()) {
        raise();
        activateWindow();
    }
}

bool ProgramWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        activated();
        paintWindowGradient(*this);
    }
    return QWidget::event(event);
}

void ProgramWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    paintWindowGradient(*this);
}

void ProgramWindow::closeEvent(QCloseEvent* event)
{
    closing();
    if (toolbarButton_)
        giveBackToolbarButton(toolbarButton_->button, toolbarButton_->entry);
    closed();
    if (closesThrough_) {
        event->accept();
        return;
    }
    hide();
    event->ignore();
}
