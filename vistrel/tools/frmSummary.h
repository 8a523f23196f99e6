#pragma once
// The webcam locator window ("WebCam Locator"): asks the reflector where webcams of a
// topic, or webcams whose description holds a text, are to be found. The session's
// results fill the result list, the result sentence and the status line.
//
// Until the locator is built in full it holds what the reply handling, the senders
// and the connect commands reach: the topic list, the search box and button, the
// result list and sentence and the status line. It is loaded hidden on first reference.
#include "link/ReflectorSession.h"

#include <QWidget>

class PanelStatusBar;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmSummary : public QWidget {
    Q_OBJECT
public:
    frmSummary();

    void Form_Load();

    // A topic was chosen: empties the results and asks for the topic's places.
    void cmbTopics_Click();
    // "<< Search for": empties the results and asks for the places of the search text.
    void Command1_Click();

    // A result of the topic or search request: the entries, the sentence and the status.
    void showResult(ReflectorSession::LocatorOutcome outcome, const LocatorResult& result);
    // A place without webcams: while the window is open and shows no entries, its
    // sentence tells that the topic has none.
    void showNoDataAtPlace();
    // The hint's Yes: the window opens with its topic list enabled.
    void openFromHint();

    QComboBox* cmbTopics = nullptr;  // topic names; enabled only while logged in
    QLineEdit* Text1 = nullptr;      // the search text
    QPushButton* Command1 = nullptr; // "<< Search for"
    QListWidget* List1 = nullptr;    // result entries, one a line
    QLabel* Label2 = nullptr;        // the result sentence
    PanelStatusBar* StatusBar1 = nullptr; // panel 1: the state of the request and its answer

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QByteArray topicSentence(const QByteArray& count) const;
    void showOutcome(const QByteArray& status, const QByteArray& sentence);
    void listEntries(const QList<QByteArray>& entries);
};
