#include "ui/Gradient.h"

#include "platform/Twips.h"

#include <QAbstractButton>
#include <QColor>
#include <QEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kBands = 63;
constexpr int kDarkerPerBand = 4;

// Twips divided by the band count, halves going to the even neighbour.
int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value)); // the default rounding mode is to even
}

int channel(int value)
{
    return std::clamp(value, 0, 255);
}

// The painted bands of one window, drawn under the window's own painting. It lives
// as a child of the window and is replaced by the next drawGradient.
class GradientBackground : public QObject {
public:
    explicit GradientBackground(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

    void setImage(QImage image) { image_ = std::move(image); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !image_.isNull()) {
            QPainter painter(static_cast<QWidget*>(watched));
            painter.drawImage(0, 0, image_);
        }
        return false; // the window still paints its own content on top
    }

private:
    QImage image_;
};

GradientBackground& backgroundOf(QWidget& window)
{
    for (QObject* child : window.children())
        if (auto* background = dynamic_cast<GradientBackground*>(child))
            return *background;
    return *new GradientBackground(window);
}

void darken(int& component)
{
    component -= kDarkerPerBand;
    if (component <= 0)
        component = 0;
}

// Marks the widgets whose text colour follows the bands behind them.
constexpr char kFollowsBands[] = "vistrelTextFollowsBands";
constexpr int kDarkBandGrey = 110;

// Text drawn straight on the bands: labels, check boxes, radio buttons and frame titles.
bool drawsTextOnTheBands(const QWidget& widget)
{
    if (qobject_cast<const QPushButton*>(&widget))
        return false;
    return qobject_cast<const QLabel*>(&widget) || qobject_cast<const QAbstractButton*>(&widget)
        || qobject_cast<const QGroupBox*>(&widget);
}

// The bands darken to black, so black text that stands low in a window would vanish.
// Text without a colour of its own turns white over dark bands and stays black over
// light ones; text that a window coloured itself is left alone.
void keepTextReadable(QWidget& window, const QImage& background)
{
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != window.window() || !drawsTextOnTheBands(*widget))
            continue;
        const bool ownColour = !widget->styleSheet().isEmpty()
            || (widget->testAttribute(Qt::WA_SetPalette) && !widget->property(kFollowsBands).toBool());
        if (ownColour)
            continue;
        QPoint centre = widget->mapTo(&window, widget->rect().center());
        centre.setX(std::clamp(centre.x(), 0, background.width() - 1));
        centre.setY(std::clamp(centre.y(), 0, background.height() - 1));
        const bool dark = qGray(background.pixel(centre)) < kDarkBandGrey;
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, dark ? Qt::white : Qt::black);
        widget->setPalette(palette);
        widget->setProperty(kFollowsBands, true);
    }
}

} // namespace

GradientSettings& gradientSettings()
{
    static GradientSettings settings;
    return settings;
}

void drawGradient(QWidget& window, GradientColour& colour, bool fromTop)
{
    const QSize clientPixels = window.size();
    if (clientPixels.isEmpty())
        return;
    // The outer height counts the title bar and borders, so the lowest bands of a
    // top-level window fall below its client area.
    const int outerHeightTwips = window.frameGeometry().height() * platform::kTwipsPerPixel;
    const int bandTwips = roundHalfEven(double(outerHeightTwips) / kBands);

    QImage background(clientPixels, QImage::Format_RGB32);
    QPainter painter(&background);
    int top = 0;
    for (int band = 1; band <= kBands; ++band) {
        const int bottom = top + bandTwips;
        const int topPixel = platform::twips(top);
        const int heightPixels = platform::twips(bottom) - topPixel;
        const QColor bandColour(channel(colour.red), channel(colour.green), channel(colour.blue));
        const int y = fromTop ? topPixel : clientPixels.height() - topPixel - heightPixels;
        painter.fillRect(0, y, clientPixels.width(), heightPixels, bandColour);
        if (band == kBands && platform::twips(bottom) < clientPixels.height()) {
            // Rounding can leave a strip past the last band; it takes the last band's colour.
            const int restHeight = clientPixels.height() - platform::twips(bottom);
            painter.fillRect(0, fromTop ? platform::twips(bottom) : 0, clientPixels.width(), restHeight, bandColour);
        }
        darken(colour.red);
        darken(colour.green);
        darken(colour.blue);
        top = bottom;
    }
    painter.end();

    keepTextReadable(window, background);
    backgroundOf(window).setImage(std::move(background));
    window.update();
}

void paintWindowGradient(QWidget& window)
{
    GradientColour colour = gradientSettings().startColour;
    drawGradient(window, colour, true);
}
