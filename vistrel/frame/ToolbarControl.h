#pragma once
// The frame's toolbar: the 16 positions of ToolbarPositions.h laid out at their fixed
// x ranges, each command button showing one of three pictures of its image list
// (1 normal, 2 highlighted, 3 active) under its caption.
//
// The toolbar itself only draws and reports the mouse: the frame's handlers decide
// what a press does. Changing a picture or the enabled state repaints the button.
#include "ui/ImageList.h"

#include <QWidget>

#include <array>
#include <optional>

class ToolbarControl : public QWidget {
    Q_OBJECT
public:
    enum Picture { PictureNormal = 1, PictureHighlighted = 2, PictureActive = 3 };

    explicit ToolbarControl(QWidget* parent = nullptr);

    // Positions 1 to 16; separators keep picture 0 and are never enabled.
    int buttonImage(int position) const;
    void setButtonImage(int position, int picture);
    bool isButtonEnabled(int position) const;
    void setButtonEnabled(int position, bool enabled);

    // Repaints the whole toolbar.
    void refresh();

    // The room for a command button's caption, in pixels. The toolbar's own font is
    // chosen so that every caption fits its button.
    static int captionWidth(int position);

    // The pictures: "B1", "B2" and "B3", drawn in code.
    ImageList buttonPictures;

    QSize sizeHint() const override;

signals:
    // A press on the toolbar, with the mouse buttons, keys and place of the press:
    // button 1 left, 2 right, 4 middle, summed for several held at once; shift: 1 Shift,
    // 2 Ctrl, 4 Alt, summed; x and y in twips from the toolbar's top-left corner.
    // It comes from the event loop once every button is up again and the release has
    // been handled, so that a command the press starts runs as a menu item's does: a box
    // it raises does not open under the toolbar's mouse grab, where it would never be
    // shown and every click would go to the toolbar.
    void mouseDown(int button, int shift, float x, float y);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct ButtonState {
        int image = 0;
        bool enabled = false;
    };

    QRect buttonRect(int position) const;
    ButtonState& state(int position);
    const ButtonState& state(int position) const;

    struct Press {
        int button = 0;
        int shift = 0;
        QPointF twips;
    };

    std::array<ButtonState, 16> buttons_{};
    std::optional<Press> press_; // the press whose buttons are still held
};
