#include "tools/RestrictedTopicChoiceBox.h"

#include <QKeyEvent>
#include <QScopedValueRollback>

RestrictedTopicChoiceBox::RestrictedTopicChoiceBox(QWidget* parent) : QComboBox(parent)
{
    // The box reports a pick from its open list, and a move by the arrow keys, as
    // "activated"; so does its search by typed letters, which is held back here.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!onlyMoving_ && index >= 0)
            emit topicChosen(index);
    });
}

void RestrictedTopicChoiceBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The closed box takes the name it shows, the one typing has moved it to.
        if (currentIndex() >= 0)
            emit topicChosen(currentIndex());
        event->accept();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right: QComboBox::keyPressEvent(event); return;
    default: {
        const QScopedValueRollback moving(onlyMoving_, true);
        QComboBox::keyPressEvent(event);
        return;
    }
    }
}

void RestrictedTopicChoiceBox::inputMethodEvent(QInputMethodEvent* event)
{
    const QScopedValueRollback moving(onlyMoving_, true);
    QComboBox::inputMethodEvent(event);
}

void RestrictedTopicChoiceBox::wheelEvent(QWheelEvent* event)
{
    const QScopedValueRollback moving(onlyMoving_, true);
    QComboBox::wheelEvent(event);
}
