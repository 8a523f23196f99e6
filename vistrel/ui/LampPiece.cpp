#include "ui/LampPiece.h"

#include <QPainter>
#include <QPainterPath>

LampPiece::LampPiece(Shape shape, QColor colour, QWidget* parent) : QWidget(parent), shape_(shape), colour_(colour)
{
    // A press on a piece is the piece's own, not the window's behind it.
    setAttribute(Qt::WA_NoMousePropagation);
}

void LampPiece::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    if (shape_ == Shape::Horizontal || shape_ == Shape::Vertical) {
        const qreal radius = std::min(area.width(), area.height()) / 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour_);
        painter.drawRoundedRect(area, radius, radius);
        return;
    }
    // A corner is drawn as its centre line with a pen as wide as the straight pieces,
    // which are as thick as a third of the corner's box.
    const qreal thickness = area.width() / 3;
    const qreal half = thickness / 2;
    const qreal inner = area.height() - half;
    QPainterPath line;
    if (shape_ == Shape::CornerTopToLeft) {
        const qreal x = area.width() - half;
        line.moveTo(x, 0);
        line.lineTo(x, inner);
        line.lineTo(0, inner);
    } else {
        line.moveTo(half, 0);
        line.lineTo(half, inner);
        line.lineTo(area.width(), inner);
    }
    painter.setPen(QPen(colour_, thickness, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
}
