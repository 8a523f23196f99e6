#include "ui/PanelStatusBar.h"

#include "platform/Codec.h"

#include <QLabel>

PanelStatusBar::PanelStatusBar(int panelCount, QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (int i = 0; i < panelCount; ++i) {
        auto* panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        addWidget(panel, i == 0 ? 1 : 0);
        panels_ << panel;
    }
}

QByteArray PanelStatusBar::panelText(int panel) const
{
    if (panel < 1 || panel > panels_.size())
        return {};
    return platform::toCp1252(panels_[panel - 1]->text());
}

void PanelStatusBar::setPanelText(int panel, const QByteArray& text)
{
    if (panel >= 1 && panel <= panels_.size())
        panels_[panel - 1]->setText(platform::fromCp1252(text));
}
