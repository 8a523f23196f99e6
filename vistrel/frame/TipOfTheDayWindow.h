#pragma once
// The tip of the day: a picture from the product web server under "Did you know...",
// with the box "&Show Tips at Startup" and the buttons "&Next Tip" and "OK".
//
// The box is the tip switch of the settings store ("Options"/"Show Tips at Startup",
// "0" or "1"), which the options window's "Show Tool Tips" box shares: every change of
// the box stores it at once, and it takes effect at the next start. Any stored number
// but 0 counts as on, and a missing value too.
//
// The picture is fetched in the background each time the window opens; until it
// arrives, and when it cannot be fetched or shown, the panel stays empty.
#include "ui/WindowSlot.h"

#include <QBuffer>
#include <QByteArray>
#include <QWidget>

#include <optional>

class QCheckBox;
class QLabel;
class QMovie;
class QPushButton;

namespace platform {
class HttpTransfer;
}

class TipOfTheDayWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 2940;
    static constexpr int kHeightTwips = 3795;
    // The picture is small; a slow or oversized answer is given up.
    static constexpr int kPictureFetchLimitMs = 20000;
    static constexpr qint64 kPictureSizeCap = 1024 * 1024;

    TipOfTheDayWindow();
    ~TipOfTheDayWindow() override;

    // Sets the box from the stored switch (a text that is not a number leaves it as it
    // is), starts fetching the picture and shows the window in front of the frame
    // (OwnedWindow.h).
    void showTip(QWidget& frame);

    // Whether the stored switch is on: a number that rounds to a whole number other
    // than 0, or no stored value. Nothing when the stored text is not a number.
    static std::optional<bool> storedSwitch();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void storeTipSwitch(bool ticked);
    void showPicture(const QByteArray& picture);

    QWidget* tipPanel_ = nullptr;
    QLabel* tipHeading_ = nullptr;
    QLabel* tipPicture_ = nullptr;
    QCheckBox* showAtStartupBox_ = nullptr;
    QPushButton* nextTipButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    platform::HttpTransfer* pictureFetch_ = nullptr;
    QByteArray pictureBytes_;
    QBuffer pictureBuffer_;
    QMovie* movie_ = nullptr;
};

// The start-up's tip: shows the window when the switch is on. When it is off, or not a
// number, it raises, as a show of a window that unloaded itself fails; the start-up
// counts that as a failure of its step and goes on.
// The window is made only when it shows. On request the tip shows whatever the switch
// (showTip).
void showTipOfTheDayAtStartup(ui::WindowSlot<TipOfTheDayWindow>& tip, QWidget& frame);
