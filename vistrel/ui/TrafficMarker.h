#pragma once
// A row of yellow arrow heads lying on a status diagram segment: traffic on that
// segment, in the direction the arrows point.
#include <QWidget>

class TrafficMarker : public QWidget {
    Q_OBJECT
public:
    enum class Direction { Left, Right, Up, Down };

    TrafficMarker(Direction direction, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Direction direction_;
};
