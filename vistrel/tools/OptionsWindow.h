#pragma once
// The program options window ("Program Options"): the three switches (icons off,
// traffic cipher, tip of the day) and the restricted topics. It is loaded hidden at
// start-up and shown only when the Options command asks for it. Closing it unloads
// it: the next reference loads it again from its files, hidden unless the Options
// command made that reference. Other windows reach it through the members below,
// which load it first when it is not loaded.
#include "ui/ProgramWindow.h"

#include <QByteArray>
#include <QList>

class PanelStatusBar;
class QCheckBox;
class QGroupBox;
class RestrictedTopicsFrame;

class OptionsWindow : public ProgramWindow {
    Q_OBJECT
public:
    // The help pages of the window's controls, on the product web server.
    static constexpr char kHelpPage[] = "/help/Options.htm";
    static constexpr char kIconSwitchHelpPage[] = "/help/TurnOnIc.htm";

    OptionsWindow();

    // The load steps: the icon switch from OptionSettings.txt, then the restricted
    // topics and their password.
    void load();
    // The activation steps: both stored switches set the boxes. Every activation runs
    // them, before the gradient is painted.
    void showStoredSwitches();

    // The Options command: shows the window in its normal state.
    void showRequested();
    // Opened by the Options command and not closed since: only then do the load and the
    // activation leave the window shown.
    bool requested() const { return requested_; }

    // "Do not Load Icons" is ticked.
    bool iconLoadingSwitchedOff();
    // The restricted topics the tree checks, in the list's order.
    QList<QByteArray> restrictedTopics();
    // The login unlocks the password boxes, Disconnect locks them again.
    void setPasswordBoxesEnabled(bool enabled);
    bool passwordBoxesEnabled();
    // The options window's own Connect and Disconnect switch the rest of the restricted
    // topics' controls (buttons, topic choices, topic list) with the password boxes.
    void setRestrictedTopicControlsEnabled(bool enabled);
    // The tip window sets the tip box from its own reading of the switch (0 to 2).
    void setTipBoxState(int state);

protected:
    void activated() override;
    // Closing unloads the window: the boxes, the list and the typed passwords go with
    // it, and the next reference reads the files again.
    void closed() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ensureLoaded();
    void iconSwitchChanged();
    void encryptionSwitchChanged();
    void tipSwitchChanged();
    // A press on a control with help: true when the press is taken.
    bool helpPress(QObject* control, Qt::MouseButton button);

    QGroupBox* optionSettingsFrame_ = nullptr;               // Frame1
    QCheckBox* iconSwitch_ = nullptr;                        // Check1 "Do not Load Icons"
    QCheckBox* encryptionSwitch_ = nullptr;                  // Check2 "Encryption", never shown
    QCheckBox* tipSwitch_ = nullptr;                         // Check3 "Show Tool Tips"
    RestrictedTopicsFrame* restrictedTopicsFrame_ = nullptr; // Frame2
    PanelStatusBar* statusBar_ = nullptr;                    // StatusBar1

    bool loaded_ = false;
    bool requested_ = false;
};
