#include "ui/IndicatorStyle.h"

#include <QApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>

namespace ui {

namespace {

// The application's own style, but for the squares and circles of the buttons.
class VisibleIndicatorStyle final : public QProxyStyle {
public:
    VisibleIndicatorStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (button && (element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton)) {
            QStyleOptionButton light(*button);
            light.palette = indicatorPalette(button->palette);
            QProxyStyle::drawPrimitive(element, &light, painter, widget);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    // A white square with a black mark and a grey border, greyed when disabled; the
    // focus and hover colours stay the window's.
    static QPalette indicatorPalette(QPalette palette)
    {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const bool disabled = group == QPalette::Disabled;
            palette.setColor(group, QPalette::Base, disabled ? QColor(235, 235, 235) : Qt::white);
            palette.setColor(group, QPalette::Text, disabled ? QColor(130, 130, 130) : Qt::black);
            palette.setColor(group, QPalette::Window, QColor(210, 210, 210));
            palette.setColor(group, QPalette::WindowText, disabled ? QColor(130, 130, 130) : Qt::black);
        }
        return palette;
    }
};

} // namespace

void useVisibleIndicators()
{
    if (!dynamic_cast<VisibleIndicatorStyle*>(QApplication::style()))
        QApplication::setStyle(new VisibleIndicatorStyle); // the application owns it
}

} // namespace ui
