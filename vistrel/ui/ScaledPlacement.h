#pragma once
// Controls placed at fixed positions of a window's design size (in twips), moved and
// sized in proportion when the window is resized.
#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

class ScaledPlacement {
public:
    // The client area the positions were designed for, in twips.
    ScaledPlacement(int designWidthTwips, int designHeightTwips);

    // The design size in pixels.
    QSize designSize() const;

    // Places control at (left, top) with (width, height), all in twips of the design size.
    void place(QWidget* control, int left, int top, int width, int height);

    // Moves and sizes every placed control for a client area of the given size.
    void apply(const QSize& clientSize) const;

private:
    struct Placed {
        QWidget* control;
        QRect designTwips;
    };

    int designWidthTwips_;
    int designHeightTwips_;
    QList<Placed> placed_;
};
