#include "tools/frmSummary.h"

#include "common/Globals.h"
#include "platform/Codec.h"
#include "platform/Twips.h"
#include "ui/Gradient.h"
#include "ui/PanelStatusBar.h"

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
    reflectorSession().sendTopicRequest(platform::toCp1252(cmbTopics->currentText()));
}

void frmSummary::Command1_Click()
{
    List1->clear();
    reflectorSession().sendSearchRequest(platform::toCp1252(Text1->text()));
}

QByteArray frmSummary::topicSentence(const QByteArray& count) const
{
    const QByteArray topic = platform::toCp1252(cmbTopics->currentText());
    return "For the Topic = " + topic + " there are " + count + " webcams located at these nodes. ";
}

void frmSummary::showOutcome(const QByteArray& status, const QByteArray& sentence)
{
    StatusBar1->setPanelText(1, status);
    Label2->setText(platform::fromCp1252(sentence));
}

void frmSummary::listEntries(const QList<QByteArray>& entries)
{
    List1->clear();
    for (const QByteArray& entry : entries)
        List1->addItem(platform::fromCp1252(entry));
}

void frmSummary::showResult(ReflectorSession::LocatorOutcome outcome, const LocatorResult& result)
{
    using Outcome = ReflectorSession::LocatorOutcome;
    const QByteArray search = platform::toCp1252(Text1->text());
    switch (outcome) {
    case Outcome::NoTopicResult:
        showOutcome("No Webcams for this Topic ...", topicSentence("0"));
        break;
    case Outcome::NoSearchResult:
        showOutcome("No Webcams Descriptions contain the Search String ...",
                    "For the Search String " + search + " there are 0 webcams located at these nodes. ");
        break;
    case Outcome::TopicResult:
        listEntries(result.entries);
        if (result.listsLaterEntries)
            gSummaryHasEntries = true;
        showOutcome("Webcam Data returned OK ...", topicSentence(result.count));
        break;
    case Outcome::SearchResult:
        listEntries(result.entries);
        showOutcome("Webcam Data returned OK ...", "For the Search String = \"" + search + "\" there are "
                                                       + result.count + " webcams located at these nodes. ");
        break;
    }
}

void frmSummary::showNoDataAtPlace()
{
    if (!gSummaryHasEntries && gSummaryOpen)
        Label2->setText(platform::fromCp1252(topicSentence("0")));
    gSummaryHasEntries = false;
}

void frmSummary::openFromHint()
{
    cmbTopics->setEnabled(true);
    hide();
    setWindowState(Qt::WindowNoState);
    show();
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
