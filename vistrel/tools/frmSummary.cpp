#include "tools/frmSummary.h"

#include "common/Globals.h"
#include "ui/PanelStatusBar.h"
#include "ui/Gradient.h"
#include "link/RequestSenders.h"
#include "platform/Codec.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmSummary::frmSummary()
{
    setWindowTitle(QStringLiteral("WebCam Locator"));
    auto* layout = new QVBoxLayout(this);
    cmbTopics = new QComboBox(this);
    cmbTopics->setEnabled(false);
    layout->addWidget(cmbTopics);

    auto* search = new QHBoxLayout;
    Command1 = new QPushButton(QStringLiteral("<< Search for"), this);
    Text1 = new QLineEdit(this);
    search->addWidget(Command1);
    search->addWidget(Text1);
    layout->addLayout(search);

    Label2 = new QLabel(QStringLiteral("For the Topic = ?????? there are webcams located at these nodes. "), this);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setWordWrap(true);
    layout->addWidget(Label2);
    List1 = new QListWidget(this);
    layout->addWidget(List1, 1);
    StatusBar1 = new PanelStatusBar(1, this);
    layout->addWidget(StatusBar1);

    connect(cmbTopics, &QComboBox::activated, this, &frmSummary::cmbTopics_Click);
    connect(Command1, &QPushButton::clicked, this, &frmSummary::Command1_Click);
}

void frmSummary::Form_Load()
{
    resize(platform::twips(5910), platform::twips(5940));
}

void frmSummary::cmbTopics_Click()
{
    List1->clear();
    gSummaryHasEntries = false;
    StatusBar1->setPanelText(1, "Sending Query...");
    SendSummaryRequest(platform::toCp1252(cmbTopics->currentText()));
}

void frmSummary::Command1_Click()
{
    List1->clear();
    SendSummaryTextRequest(platform::toCp1252(Text1->text()));
}

bool frmSummary::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) {
        paintWindowGradient(*this);
        gSummaryOpen = true;
    }
    return handled;
}

void frmSummary::closeEvent(QCloseEvent* event)
{
    gSummaryOpen = false;
    QWidget::closeEvent(event);
}
