#include "ui/ScaledPlacement.h"

#include "platform/Twips.h"

#include <QWidget>

#include <cmath>

using platform::twips;

ScaledPlacement::ScaledPlacement(int designWidthTwips, int designHeightTwips)
    : designWidthTwips_(designWidthTwips), designHeightTwips_(designHeightTwips)
{
}

QSize ScaledPlacement::designSize() const
{
    return {twips(designWidthTwips_), twips(designHeightTwips_)};
}

void ScaledPlacement::place(QWidget* control, int left, int top, int width, int height)
{
    placed_.append({control, QRect(left, top, width, height)});
    control->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

void ScaledPlacement::apply(const QSize& clientSize) const
{
    const double xScale = double(clientSize.width()) / twips(designWidthTwips_);
    const double yScale = double(clientSize.height()) / twips(designHeightTwips_);
    for (const Placed& placed : placed_) {
        const QRect& r = placed.designTwips;
        const auto x = [xScale](int t) { return int(std::lround(twips(t) * xScale)); };
        const auto y = [yScale](int t) { return int(std::lround(twips(t) * yScale)); };
        placed.control->setGeometry(x(r.left()), y(r.top()), x(r.width()), y(r.height()));
    }
}
