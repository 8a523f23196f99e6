#include "ui/TrafficMarker.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

namespace {

constexpr int kArrowCount = 3;

} // namespace

TrafficMarker::TrafficMarker(Direction direction, QWidget* parent) : QWidget(parent), direction_(direction)
{
    setAttribute(Qt::WA_NoMousePropagation);
}

void TrafficMarker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool across = direction_ == Direction::Left || direction_ == Direction::Right;
    // Arrows are drawn pointing right along a box of length x breadth, then turned.
    const qreal length = across ? width() : height();
    const qreal breadth = across ? height() : width();
    QTransform turn;
    switch (direction_) {
    case Direction::Right: break;
    case Direction::Left: turn.translate(length, breadth).rotate(180); break;
    case Direction::Down: turn.translate(breadth, 0).rotate(90); break;
    case Direction::Up: turn.translate(0, length).rotate(-90); break;
    }
    painter.setTransform(turn);
    painter.setPen(QPen(QColor(120, 90, 0), 1));
    painter.setBrush(QColor(255, 215, 0));
    const qreal step = length / kArrowCount;
    for (int i = 0; i < kArrowCount; ++i) {
        const qreal left = i * step + 1;
        const QPolygonF head({QPointF(left, 1), QPointF(left + step - 2, breadth / 2), QPointF(left, breadth - 1),
                              QPointF(left + step / 3, breadth / 2)});
        painter.drawPolygon(head);
    }
}
