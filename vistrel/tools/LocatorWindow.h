#pragma once
// The webcam locator window ("WebCam Locator"): asks the reflector where webcams of a
// topic, or webcams whose description holds a text, are to be found. The topics are
// the directory's top-level topics, which the directory hands over whenever it has
// collected them, offered only while logged in; the session's answers fill the result
// list, the result sentence and the status line.
//
// Closing the window unloads it: its controls go back to their first state, and its
// next opening loads it afresh.
#include "link/ReflectorSession.h"
#include "ui/ProgramWindow.h"
#include "ui/WindowSlot.h"

#include <QByteArray>
#include <QList>

class PanelStatusBar;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class LocatorWindow : public ProgramWindow {
    Q_OBJECT
public:
    LocatorWindow();

    void load();

    // The Cam Locator command and the hint's Yes: the window opens with its topic
    // list enabled.
    void open();

    // A topic was chosen: empties the results and asks for the topic's places.
    void requestTopic();
    // "<< Search for": empties the results and asks for the places of the search text.
    void requestSearch();

    // An answer of the topic or search request: the entries, the sentence and the status.
    void showResult(ReflectorSession::LocatorOutcome outcome, const LocatorResult& result);
    // A place without webcams: while the window is open and shows no entries, its
    // sentence tells that the topic has none.
    void showNoDataAtPlace();

    // The directory's topics in their order, listed up to the first empty one when the
    // window is next loaded or activated.
    void setTopics(const QList<QByteArray>& topics) { topics_ = topics; }
    // The topic list is enabled while the user is logged in; a logout empties it.
    void enableTopics();
    void clearTopics();
    // The session's state of the request and its answer, on the status line.
    void showStatus(const QByteArray& text);

    // The window was activated and has not been closed since.
    bool summaryOpen() const { return summaryOpen_; }
    void setSummaryOpen(bool open) { summaryOpen_ = open; }
    // A topic answer listed later entries, and no topic request or place without
    // webcams came since.
    bool summaryHasEntries() const { return summaryHasEntries_; }
    void setSummaryHasEntries(bool hasEntries) { summaryHasEntries_ = hasEntries; }

protected:
    // On every activation: the topic list and its prompt as the login state allows.
    void activated() override;
    // Every way of closing: the window counts as closed, then goes back to the state
    // of a fresh load.
    void closing() override;
    void closed() override;

private:
    // Empties the topic list and lists the directory's topics, up to the first empty one.
    void fillTopics();
    // Back to the state of a fresh load.
    void unload();
    QByteArray topicSentence(const QByteArray& count) const;
    void showOutcome(const QByteArray& status, const QByteArray& sentence);
    void listEntries(const QList<QByteArray>& entries);

    QComboBox* topicList_ = nullptr; // topic names; enabled only while logged in
    QLineEdit* searchText_ = nullptr;
    QPushButton* searchButton_ = nullptr; // "<< Search for"
    QListWidget* resultList_ = nullptr;   // result entries, one a line
    QLabel* prompt_ = nullptr;            // what the user can do now
    QLabel* resultSentence_ = nullptr;
    PanelStatusBar* statusBar_ = nullptr; // panel 1: the state of the request and its answer

    QList<QByteArray> topics_;
    bool summaryOpen_ = false;
    bool summaryHasEntries_ = false;
};

// How the locator window shows the session: its answers, the state of its requests,
// the places without webcams and the hint's Yes.
void showSessionInLocator(ReflectorSession& session, ui::WindowSlot<LocatorWindow>& locator);
