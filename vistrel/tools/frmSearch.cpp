#include "tools/frmSearch.h"

#include "platform/Twips.h"
#include "ui/Gradient.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using platform::twips;

frmSearch::frmSearch()
{
    setWindowTitle(QStringLiteral("Search for Media Players"));
    resize(twips(10995), twips(5415));
    auto* layout = new QVBoxLayout(this);

    Label7 = new QLabel(this);
    Label7->setWordWrap(true);
    Label7->setAutoFillBackground(true);
    Label7->setStyleSheet(QStringLiteral("color: #ffff00; background-color: #004040;"));
    layout->addWidget(Label7);

    auto* searchFor = new QGroupBox(QStringLiteral("Search for File"), this);
    auto* searchForLayout = new QVBoxLayout(searchFor);
    txtSearch = new QLineEdit(QStringLiteral("realplay.exe"), searchFor);
    searchForLayout->addWidget(txtSearch);
    layout->addWidget(searchFor);

    cmdSearch = new QPushButton(QStringLiteral("Search for RealPlayer"), this);
    layout->addWidget(cmdSearch);
    layout->addStretch();
}

void frmSearch::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    paintWindowGradient(*this);
}
