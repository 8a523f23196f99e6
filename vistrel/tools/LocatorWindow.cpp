#include "tools/LocatorWindow.h"

#include "platform/Codec.h"
#include "platform/Twips.h"
#include "ui/Gradient.h"
#include "ui/ObjectNames.h"
#include "ui/PanelStatusBar.h"
#include "ui/PlainLabel.h"
#include "ui/RightClickHelp.h"
#include "ui/SharedMenuBar.h"
#include "ui/ToolbarGiveBack.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using platform::fromCp1252;
using platform::toCp1252;

namespace {

constexpr int kWidthTwips = 5910;
constexpr int kHeightTwips = 5940;
constexpr int kToolbarButton = 5; // "Locator"
constexpr ui::ToolbarEntry kToolbarActiveEntry = ui::ToolbarEntry::Locator;
constexpr char kHelpPage[] = "/help/Summary.htm";

const QString kChoosePrompt = QStringLiteral("Select Topic that you are interested in...");
const QString kConnectionNeeded =
    QStringLiteral("In order for the Webcam Locator to work you must be connected to the Larkspire Server.");
const QString kFirstSentence = QStringLiteral("For the Topic = ?????? there are webcams located at these nodes. ");

} // namespace

LocatorWindow::LocatorWindow()
{
    setWindowTitle(QStringLiteral("WebCam Locator"));
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(createSharedMenuBar(this));

    auto* explanation = plainLabel(
        QStringLiteral("You may search for webcams by searching for a particular topic OR you may search for webcams "
                       "that contain a certain text string in the Description."),
        this);
    layout->addWidget(explanation);

    prompt = plainLabel(kChoosePrompt, this);
    layout->addWidget(prompt);
    auto* topicCaption = plainLabel(QStringLiteral("Select a Topic that you are interested in..."), this);
    layout->addWidget(topicCaption);
    topicList = new QComboBox(this);
    topicList->setEnabled(false);
    layout->addWidget(topicList);

    auto* searchCaption = plainLabel(QStringLiteral("         or Enter Search text..."), this);
    layout->addWidget(searchCaption);
    auto* search = new QHBoxLayout;
    searchButton = new QPushButton(QStringLiteral("<< Search for"), this);
    searchText = new QLineEdit(this);
    search->addWidget(searchButton);
    search->addWidget(searchText);
    layout->addLayout(search);

    resultSentence = plainLabel(kFirstSentence, this);
    layout->addWidget(resultSentence);
    resultList = new QListWidget(this);
    layout->addWidget(resultList, 1);
    statusBar = new PanelStatusBar(1, this);
    layout->addWidget(statusBar);

    openHelpOnRightClick(*this,
                         {searchButton, prompt, resultSentence, searchCaption, explanation, topicCaption, resultList,
                          statusBar, searchText},
                         QString::fromLatin1(kHelpPage));

    connect(topicList, &QComboBox::activated, this, &LocatorWindow::requestTopic);
    connect(searchButton, &QPushButton::clicked, this, &LocatorWindow::requestSearch);

    ui::giveObjectNames({
        {explanation, "Label4"},
        {prompt, "Label1"},
        {topicCaption, "Label5"},
        {topicList, "cmbTopics"},
        {searchCaption, "Label3"},
        {searchButton, "Command1"},
        {searchText, "Text1"},
        {resultSentence, "Label2"},
        {resultList, "List1"},
        {statusBar, "StatusBar1"},
    });
}

void LocatorWindow::load()
{
    resize(platform::twips(kWidthTwips), platform::twips(kHeightTwips));
    topicList->clear();
    if (reflectorSession().state().loggedIn)
        fillTopics();
}

void LocatorWindow::open()
{
    topicList->setEnabled(true);
    hide();
    setWindowState(Qt::WindowNoState);
    show();
}

// The topic shown stays when it is still listed, so that an answer that arrives after
// the user came back to the window names the topic that was asked for.
void LocatorWindow::fillTopics()
{
    const QString shown = topicList->currentText();
    topicList->clear();
    for (const QByteArray& topic : topics_) {
        if (topic.isEmpty())
            break;
        topicList->addItem(fromCp1252(topic));
    }
    if (const int kept = topicList->findText(shown); kept >= 0)
        topicList->setCurrentIndex(kept);
}

void LocatorWindow::requestTopic()
{
    resultList->clear();
    summaryHasEntries_ = false;
    statusBar->setPanelText(1, "Sending Query...");
    reflectorSession().sendTopicRequest(toCp1252(topicList->currentText()));
}

void LocatorWindow::requestSearch()
{
    resultList->clear();
    reflectorSession().sendSearchRequest(toCp1252(searchText->text()));
}

QByteArray LocatorWindow::topicSentence(const QByteArray& count) const
{
    const QByteArray topic = toCp1252(topicList->currentText());
    return "For the Topic = " + topic + " there are " + count + " webcams located at these nodes. ";
}

void LocatorWindow::showOutcome(const QByteArray& status, const QByteArray& sentence)
{
    statusBar->setPanelText(1, status);
    resultSentence->setText(fromCp1252(sentence));
}

void LocatorWindow::listEntries(const QList<QByteArray>& entries)
{
    resultList->clear();
    for (const QByteArray& entry : entries)
        resultList->addItem(fromCp1252(entry));
}

void LocatorWindow::showResult(ReflectorSession::LocatorOutcome outcome, const LocatorResult& result)
{
    using Outcome = ReflectorSession::LocatorOutcome;
    const QByteArray search = toCp1252(searchText->text());
    switch (outcome) {
    case Outcome::NoTopicResult: showOutcome("No Webcams for this Topic ...", topicSentence("0")); break;
    case Outcome::NoSearchResult:
        showOutcome("No Webcams Descriptions contain the Search String ...",
                    "For the Search String " + search + " there are 0 webcams located at these nodes. ");
        break;
    case Outcome::TopicResult:
        listEntries(result.entries);
        if (result.listsLaterEntries)
            summaryHasEntries_ = true;
        showOutcome("Webcam Data returned OK ...", topicSentence(result.count));
        break;
    case Outcome::SearchResult:
        listEntries(result.entries);
        showOutcome("Webcam Data returned OK ...",
                    "For the Search String = \"" + search + "\" there are " + result.count
                        + " webcams located at these nodes. ");
        break;
    }
}

void LocatorWindow::showNoDataAtPlace()
{
    if (!summaryHasEntries_ && summaryOpen_)
        resultSentence->setText(fromCp1252(topicSentence("0")));
    summaryHasEntries_ = false;
}

bool LocatorWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        showLoginState();
    else if (event->type() == QEvent::Resize)
        paintWindowGradient(*this);
    return handled;
}

void LocatorWindow::showLoginState()
{
    if (!reflectorSession().state().loggedIn) {
        prompt->setText(kConnectionNeeded);
        topicList->setEnabled(false);
    } else {
        topicList->setEnabled(true);
        prompt->setText(kChoosePrompt);
        fillTopics();
    }
    paintWindowGradient(*this);
    summaryOpen_ = true;
}

void LocatorWindow::closeEvent(QCloseEvent* event)
{
    summaryOpen_ = false;
    giveBackToolbarButton(kToolbarButton, kToolbarActiveEntry);
    unload();
    QWidget::closeEvent(event);
}

void LocatorWindow::unload()
{
    searchText->clear();
    resultList->clear();
    prompt->setText(kChoosePrompt);
    resultSentence->setText(kFirstSentence);
    statusBar->setPanelText(1, {});
    load();
}

void LocatorWindow::enableTopics()
{
    topicList->setEnabled(true);
}

void LocatorWindow::clearTopics()
{
    topicList->clear();
    topicList->setEnabled(false);
}

void showSessionInLocator(ReflectorSession& session, ui::WindowSlot<LocatorWindow>& locator)
{
    using S = ReflectorSession;
    QObject::connect(&session, &S::locatorResult, [&locator](S::LocatorOutcome outcome, const LocatorResult& result) {
        locator().showResult(outcome, result);
    });
    QObject::connect(&session, &S::locatorStatus,
                     [&locator](const QByteArray& text) { locator().statusBar->setPanelText(1, text); });
    QObject::connect(&session, &S::locatorOpenDue, [&locator] { locator().open(); });
    QObject::connect(&session, &S::noDataAtPlace, [&locator] { locator().showNoDataAtPlace(); });
}
