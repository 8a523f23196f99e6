#include "frame/ToolbarControl.h"

#include "frame/ToolbarPositions.h"
#include "platform/Twips.h"

#include <QFont>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int kHeightTwips = 600;
constexpr QSize kPictureSize(58, 40);
constexpr int kCaptionMarginPixels = 3; // each side, inside the rounded border
constexpr qreal kSmallestCaptionPoints = 6;
const QString kExitToolTip = QStringLiteral("Shutdown Program");

// A rounded button face in two colours, light above and dark below.
QPixmap drawFace(QColor top, QColor bottom, QColor border, bool sunken)
{
    QPixmap face(kPictureSize);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, kPictureSize.height());
    fill.setColorAt(0, sunken ? bottom : top);
    fill.setColorAt(1, sunken ? top : bottom);
    painter.setBrush(fill);
    painter.setPen(QPen(border, 1.5));
    painter.drawRoundedRect(QRectF(1, 1, kPictureSize.width() - 2, kPictureSize.height() - 2), 5, 5);
    return face;
}

int mouseButtonValue(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) + (buttons & Qt::RightButton ? 2 : 0)
        + (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftValue(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) + (modifiers & Qt::ControlModifier ? 2 : 0)
        + (modifiers & Qt::AltModifier ? 4 : 0);
}

// The widest caption must fit the narrowest button: the application's font, narrowed
// and then made smaller until every caption stands whole inside its button.
QFont fittingCaptionFont(QFont font)
{
    const auto everyCaptionFits = [&] {
        const QFontMetrics metrics(font);
        for (int position = 1; position <= kToolbarPositions; ++position) {
            const ToolbarPosition& button = toolbarPosition(position);
            if (!button.separator && metrics.horizontalAdvance(button.caption) > ToolbarControl::captionWidth(position))
                return false;
        }
        return true;
    };
    font.setStretch(QFont::Condensed);
    while (!everyCaptionFits() && font.pointSizeF() > kSmallestCaptionPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

} // namespace

ToolbarControl::ToolbarControl(QWidget* parent) : QWidget(parent), buttonPictures(kPictureSize)
{
    buttonPictures.add("B1", {}, drawFace(QColor(236, 240, 240), QColor(190, 205, 205), QColor(90, 110, 110), false));
    buttonPictures.add("B2", {}, drawFace(QColor(255, 246, 190), QColor(240, 200, 80), QColor(170, 120, 20), false));
    buttonPictures.add("B3", {}, drawFace(QColor(40, 150, 140), QColor(0, 90, 85), QColor(0, 50, 45), true));
    for (int position = 1; position <= kToolbarPositions; ++position) {
        if (!toolbarPosition(position).separator)
            state(position) = {PictureNormal, true};
    }
    setFixedHeight(platform::twips(kHeightTwips));
    setFont(fittingCaptionFont(font()));
}

int ToolbarControl::captionWidth(int position)
{
    const ToolbarPosition& button = toolbarPosition(position);
    return platform::twips(button.toTwips) - platform::twips(button.fromTwips) + 1 - 2 * kCaptionMarginPixels;
}

QSize ToolbarControl::sizeHint() const
{
    return {platform::twips(toolbarPosition(kToolbarPositions).toTwips) + 1, platform::twips(kHeightTwips)};
}

ToolbarControl::ButtonState& ToolbarControl::state(int position)
{
    return buttons_.at(position - 1);
}

const ToolbarControl::ButtonState& ToolbarControl::state(int position) const
{
    return buttons_.at(position - 1);
}

int ToolbarControl::buttonImage(int position) const
{
    return state(position).image;
}

void ToolbarControl::setButtonImage(int position, int picture)
{
    if (toolbarPosition(position).separator || picture < 1 || picture > buttonPictures.count())
        return;
    state(position).image = picture;
    update(buttonRect(position));
}

bool ToolbarControl::isButtonEnabled(int position) const
{
    return state(position).enabled;
}

void ToolbarControl::setButtonEnabled(int position, bool enabled)
{
    if (toolbarPosition(position).separator)
        return;
    state(position).enabled = enabled;
    update(buttonRect(position));
}

void ToolbarControl::refresh()
{
    update();
}

QRect ToolbarControl::buttonRect(int position) const
{
    const ToolbarPosition& button = toolbarPosition(position);
    const int left = platform::twips(button.fromTwips);
    return {left, 0, platform::twips(button.toTwips) - left + 1, height()};
}

bool ToolbarControl::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const double xTwips = help->pos().x() * platform::kTwipsPerPixel;
        if (toolbarButtonAt(xTwips) == kToolbarExitButton)
            QToolTip::showText(help->globalPos(), kExitToolTip, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void ToolbarControl::mousePressEvent(QMouseEvent* event)
{
    // A second button pressed while the first is held joins the press; the place and
    // keys stay those of the first. A press whose release never came is forgotten.
    if (press_ && (event->buttons() & ~event->button()) != Qt::NoButton) {
        press_->button = mouseButtonValue(event->buttons());
        return;
    }
    press_ = Press{mouseButtonValue(event->buttons()), shiftValue(event->modifiers()),
                   event->position() * platform::kTwipsPerPixel};
}

void ToolbarControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (!press_ || event->buttons() != Qt::NoButton)
        return;
    const Press press = *press_;
    press_.reset();
    QMetaObject::invokeMethod(
        this,
        [this, press] { emit mouseDown(press.button, press.shift, float(press.twips.x()), float(press.twips.y())); },
        Qt::QueuedConnection);
}

void ToolbarControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int position = 1; position <= kToolbarPositions; ++position) {
        const ToolbarPosition& button = toolbarPosition(position);
        if (button.separator)
            continue;
        const QRect area = buttonRect(position).adjusted(0, 2, 0, -2);
        const ButtonState& shown = state(position);
        // A button whose command is missing cannot be pressed; it looks disabled.
        const bool usable = shown.enabled && button.command != nullptr;
        painter.setOpacity(usable ? 1.0 : 0.45);
        painter.drawPixmap(area, buttonPictures.picture(shown.image));
        painter.setPen(shown.image == PictureActive ? Qt::white : QColor(20, 30, 30));
        painter.drawText(area, Qt::AlignCenter, button.caption);
    }
}
