#include "tools/LocatorWindow.h"

#include "platform/Codec.h"
#include "platform/Twips.h"
#include "ui/ObjectNames.h"
#include "ui/PanelStatusBar.h"
#include "ui/PlainLabel.h"
#include "ui/RightClickHelp.h"
#include "ui/SharedMenuBar.h"

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

LocatorWindow::LocatorWindow() : ProgramWindow(ToolbarButton{kToolbarButton, kToolbarActiveEntry})
{
    letClosesThrough();
    setWindowTitle(QStringLiteral("WebCam Locator"));
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(createSharedMenuBar(this));

    auto* explanation = plainLabel(
        QStringLiteral("You may search for webcams by searching for a particular topic OR you may search for webcams "
                       "that contain a certain text string in the Description."),
        this);
    layout->addWidget(explanation);

    prompt_ = plainLabel(kChoosePrompt, this);
    layout->addWidget(prompt_);
    auto* topicCaption = plainLabel(QStringLiteral("Select a Topic that you are interested in..."), this);
    layout->addWidget(topicCaption);
    topicList_ = new QComboBox(this);
    topicList_->setEnabled(false);
    layout->addWidget(topicList_);

    auto* searchCaption = plainLabel(QStringLiteral("         or Enter Search text..."), this);
    layout->addWidget(searchCaption);
    auto* search = new QHBoxLayout;
    searchButton_ = new QPushButton(QStringLiteral("<< Search for"), this);
    searchText_ = new QLineEdit(this);
    search->addWidget(searchButton_);
    search->addWidget(searchText_);
    layout->addLayout(search);

    resultSentence_ = plainLabel(kFirstSentence, this);
    layout->addWidget(resultSentence_);
    resultList_ = new QListWidget(this);
    layout->addWidget(resultList_, 1);
    statusBar_ = new PanelStatusBar(1, this);
    layout->addWidget(statusBar_);

    openHelpOnRightClick(*this,
                         {searchButton_, prompt_, resultSentence_, searchCaption, explanation, topicCaption,
                          resultList_, statusBar_, searchText_},
                         QString::fromLatin1(kHelpPage));

    connect(topicList_, &QComboBox::activated, this, &LocatorWindow::requestTopic);
    connect(searchButton_, &QPushButton::clicked, this, &LocatorWindow::requestSearch);

    ui::giveObjectNames({
        {explanation, "Label4"},
        {prompt_, "Label1"},
        {topicCaption, "Label5"},
        {topicList_, "cmbTopics"},
        {searchCaption, "Label3"},
        {searchButton_, "Command1"},
        {searchText_, "Text1"},
        {resultSentence_, "Label2"},
        {resultList_, "List1"},
        {statusBar_, "StatusBar1"},
    });
}

void LocatorWindow::load()
{
    resize(platform::twips(kWidthTwips), platform::twips(kHeightTwips));
    topicList_->clear();
    if (reflectorSession().state().loggedIn)
        fillTopics();
}

void LocatorWindow::open()
{
    topicList_->setEnabled(true);
    hide();
    setWindowState(Qt::WindowNoState);
    show();
}

// The topic shown stays when it is still listed, so that an answer that arrives after
// the user came back to the window names the topic that was asked for.
void LocatorWindow::fillTopics()
{
    const QString shown = topicList_->currentText();
    topicList_->clear();
    for (const QByteArray& topic : topics_) {
        if (topic.isEmpty())
            break;
        topicList_->addItem(fromCp1252(topic));
    }
    if (const int kept = topicList_->findText(shown); kept >= 0)
        topicList_->setCurrentIndex(kept);
}

void LocatorWindow::requestTopic()
{
    resultList_->clear();
    summaryHasEntries_ = false;
    statusBar_->setPanelText(1, "Sending Query...");
    reflectorSession().sendTopicRequest(toCp1252(topicList_->currentText()));
}

void LocatorWindow::requestSearch()
{
    resultList_->clear();
    reflectorSession().sendSearchRequest(toCp1252(searchText_->text()));
}

QByteArray LocatorWindow::topicSentence(const QByteArray& count) const
{
    const QByteArray topic = toCp1252(topicList_->currentText());
    return "For the Topic = " + topic + " there are " + count + " webcams located at these nodes. ";
}

void LocatorWindow::showOutcome(const QByteArray& status, const QByteArray& sentence)
{
    statusBar_->setPanelText(1, status);
    resultSentence_->setText(fromCp1252(sentence));
}

void LocatorWindow::listEntries(const QList<QByteArray>& entries)
{
    resultList_->clear();
    for (const QByteArray& entry : entries)
        resultList_->addItem(fromCp1252(entry));
}

void LocatorWindow::showResult(ReflectorSession::LocatorOutcome outcome, const LocatorResult& result)
{
    using Outcome = ReflectorSession::LocatorOutcome;
    const QByteArray search = toCp1252(searchText_->text());
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
        resultSentence_->setText(fromCp1252(topicSentence("0")));
    summaryHasEntries_ = false;
}

void LocatorWindow::activated()
{
    if (!reflectorSession().state().loggedIn) {
        prompt_->setText(kConnectionNeeded);
        topicList_->setEnabled(false);
    } else {
        topicList_->setEnabled(true);
        prompt_->setText(kChoosePrompt);
        fillTopics();
    }
    summaryOpen_ = true;
}

void LocatorWindow::closing()
{
    summaryOpen_ = false;
}

void LocatorWindow::closed()
{
    unload();
}

void LocatorWindow::unload()
{
    searchText_->clear();
    resultList_->clear();
    prompt_->setText(kChoosePrompt);
    resultSentence_->setText(kFirstSentence);
    statusBar_->setPanelText(1, {});
    load();
}

void LocatorWindow::enableTopics()
{
    topicList_->setEnabled(true);
}

void LocatorWindow::clearTopics()
{
    topicList_->clear();
    topicList_->setEnabled(false);
}

void LocatorWindow::showStatus(const QByteArray& text)
{
    statusBar_->setPanelText(1, text);
}

void showSessionInLocator(ReflectorSession& session, ui::WindowSlot<LocatorWindow>& locator)
{
    using S = ReflectorSession;
    QObject::connect(&session, &S::locatorResult, [&locator](S::LocatorOutcome outcome, const LocatorResult& result) {
        locator().showResult(outcome, result);
    });
    QObject::connect(&session, &S::locatorStatus, [&locator](const QByteArray& text) { locator().showStatus(text); });
    QObject::connect(&session, &S::locatorOpenDue, [&locator] { locator().open(); });
    QObject::connect(&session, &S::noDataAtPlace, [&locator] { locator().showNoDataAtPlace(); });
}
