#pragma once
// The choice box of the restricted-topics frame. Its list offers the topic names; the
// user's choice of a name, and only that, adds the name to the restricted topics:
// a click on it in the open list, Return on the open list or on the closed box, or the
// arrow keys on the closed box. Letters typed into the box, text from an input method
// and the mouse wheel only move the box to a name, as a search does: otherwise typing
// "Trav" would lock every topic the search passes on the way.
#include <QComboBox>

class RestrictedTopicChoiceBox final : public QComboBox {
    Q_OBJECT
public:
    explicit RestrictedTopicChoiceBox(QWidget* parent);

signals:
    // The user chose the name at the index.
    void topicChosen(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // True while an event that only moves the box is handled: the box's own
    // "activated" then is no choice.
    bool onlyMoving_ = false;
};
