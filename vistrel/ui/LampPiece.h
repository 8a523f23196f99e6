#pragma once
// One piece of a status diagram segment: a thick line or corner painted in its lamp
// colour. A segment shows a colour while that colour's pieces are visible; the pieces
// of the three colours lie on top of each other.
#include <QColor>
#include <QWidget>

class LampPiece : public QWidget {
    Q_OBJECT
public:
    enum class Shape {
        Horizontal,
        Vertical,
        CornerTopToLeft,  // comes in at the top edge, leaves at the left edge
        CornerTopToRight, // comes in at the top edge, leaves at the right edge
    };

    LampPiece(Shape shape, QColor colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_;
    QColor colour_;
};
