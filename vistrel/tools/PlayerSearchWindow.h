#pragma once
// The player search window ("Search for Media Players"): searches a mounted file
// system for a player's program file, lists every hit and stores the chosen path in
// the player-path file of the player it looks for (PlayerPathFile.h), which the node
// click starts the player from.
//
// The topic tree opens it for a missing player: it sets the player, shows the window
// and fills the banner, the file name and the search button's caption. The search
// command opens it with its banner alone. The walk runs in steps (PlayerSearch.h), so
// the window stays usable while it searches; the file name, the match mode and the
// date filter count from the next file examined. Closing the window stops the search
// and brings the window back to its state after loading.
#include "platform/Timer.h"
#include "tools/PlayerProgramSettings.h"
#include "tools/PlayerSearch.h"
#include "ui/ProgramWindow.h"

#include <optional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class PlayerSearchWindow : public ProgramWindow {
    Q_OBJECT
public:
    PlayerSearchWindow();

    // Brings every control to its state after loading.
    void load();

    void startSearch();  // the search button; nothing without a file name
    void cancelSearch(); // Cancel: stops the search, keeps the rows found
    // The player whose path file a save writes and whose help texts the solutions show;
    // none for a window opened by the search command. It stays through closing.
    void setPlayerKind(PlayerKind kind) { playerKind_ = kind; }
    std::optional<PlayerKind> playerKind() const { return playerKind_; }

    // The topic tree, for a missing player: sets the player, shows the window, then
    // fills the banner, the player's program name as the file name and the search
    // button's caption.
    void showForMissingPlayer(PlayerKind kind, const QString& explanation, const QString& searchCaption);
    // The search command: the stream player's banner, the window in its normal state.
    void showForSearchCommand();

    // "Save the Selection": writes the selection into the path file of the player kind
    // (asking which one when no kind is set), reports it and closes the window. A
    // failed write is reported and the window stays open.
    void saveSelection();
    void showFirstSolution();    // "Solution 1"
    void showSecondSolution();   // "Solution 2"
    void presetMediaPlayer();    // "WMP"
    void presetStreamPlayer();   // "Real"
    void openStreamPlayerPage(); // "Get Free Real Player"
    void openMediaPlayerPage();  // "Get Free Media Player"

    bool isSearching() const { return search_.isRunning(); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Every way of closing stops the search and brings the window back to its state
    // after loading for its next opening.
    void closed() override;

private:
    PlayerSearchCriteria currentCriteria() const;
    void followCriteria();
    void listFoundFile(const FoundPlayerFile& file);
    void chooseRow(QTreeWidgetItem* row);
    void searchEnded();
    void blinkSearchCaption();
    void openHelpPage();

    PlayerSearch search_;
    std::optional<PlayerKind> playerKind_;
    platform::Timer blinkTimer_; // Timer1
    bool captionBlanked_ = false;

    QLabel* explanationBanner_ = nullptr;           // Label7
    QLineEdit* searchText_ = nullptr;               // txtSearch: the file name looked for
    QPushButton* mediaPlayerPreset_ = nullptr;      // Command6 "WMP"
    QPushButton* streamPlayerPreset_ = nullptr;     // Command7 "Real"
    QCheckBox* exactMatchBox_ = nullptr;            // chkMatch
    QComboBox* startFolderBox_ = nullptr;           // Combo1: a mounted drive, or any folder typed
    QPushButton* searchButton_ = nullptr;           // cmdSearch
    QPushButton* cancelButton_ = nullptr;           // cmdCancel
    QTreeWidget* resultList_ = nullptr;             // lstvSearch: "File Name" and "Path"
    QLineEdit* selectionBox_ = nullptr;             // txtRealPath: the path to save
    QPushButton* saveButton_ = nullptr;             // CmdSave
    QLabel* searchingLabel_ = nullptr;              // lblLooking: the current folder, then the count
    QPushButton* firstSolutionButton_ = nullptr;    // Command2
    QPushButton* secondSolutionButton_ = nullptr;   // Command3
    QPushButton* streamPlayerPageButton_ = nullptr; // Command4
    QPushButton* mediaPlayerPageButton_ = nullptr;  // Command5
    QCheckBox* dateFilterBox_ = nullptr;            // chkFilter
    QDateEdit* modifiedDate_ = nullptr;             // dtpModified: the filter's first day
};
