#pragma once
// The snapshot window: fetches a still picture by its address and shows it, on demand
// or at a fixed rate. Several can be open at once; the View menu shows the default one
// (ProgramWindows::snapshot), the node click opens up to ten more.
//
// A fetch downloads the picture into the program's private temporary folder, keeps a
// copy of the last download there for "Save Single Image", auto-saves a numbered copy
// into the "images" folder when asked, and then shows the picture. Fetches run in the
// background: the window stays responsive, and a refresh that comes while its own
// fetch still runs is skipped.
#include "directory/KeyChord.h"
#include "platform/HttpTransfer.h"
#include "ui/ProgramWindow.h"
#include "ui/ScaledPlacement.h"

#include <QByteArray>
#include <QPointer>

class QBuffer;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMovie;
class QPushButton;

namespace platform {
class OneShotTimer;
class Timer;
} // namespace platform

// The controls' object names: "Image1" (the picture), "AniGIF1", "Command1" (Refresh),
// "Label1", "txtURL" (the address), "Label3", "Check1" (Automatic Refresh Interval),
// "Text1" (the interval), "chkAutoSave", "Command3" (< Reset), "Command2" (Save Single
// Image), "Label2" (the status line), and the timers "Timer1" (status clear) and
// "Timer3" (automatic refresh).
class SnapshotWindow : public ProgramWindow {
    Q_OBJECT
public:
    // Every fetch ends within this time and takes at most this many bytes.
    static constexpr int kFetchLimitMs = 30000;
    static constexpr qint64 kFetchSizeCap = 8 * 1024 * 1024;
    // How long "Image failed to load please retry.." stays.
    static constexpr int kFailedStatusMs = 5000;

    // A new window is in its start state: no picture, no address, refresh and auto-save off.
    SnapshotWindow();

    // The picture's address, as the address box holds it.
    void setAddress(const QString& address);
    // Shows the picture at the address as an animated picture (".gif" addresses) over
    // the still picture.
    void loadAnimatedPicture(const QString& address);

    // True while a fetch of this window runs, until its auto-save failure box is answered.
    bool fetching() const { return fetching_; }

public slots:
    // "Refresh": fetches the picture at the address box's address and shows it.
    void refresh();
    // "Save Single Image": the last picture downloaded by any snapshot window, under a
    // name the user chooses. Nothing happens before the first download of the run.
    void saveSingleImage();
    // "< Reset": auto-save numbering starts again at 1.
    void restartImageNumbering();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void closing() override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    // "Automatic Refresh Interval" ticked or unticked: starts or stops the refresh timer.
    void switchAutomaticRefresh();
    void clearStatus();

private:
    void createControls();
    void placeControls();
    void resetToLoadState();

    // Fetches the picture at url and shows it in picture; the status line tells how it
    // went. Does nothing while a fetch of this window runs.
    void fetchPicture(const QString& url, QLabel& picture);
    // The private temporary folder, with "Trying to connect to Webcam..." on the status line.
    QString downloadFolder();
    platform::HttpTransfer* newTransfer();
    void pictureFetched(const platform::HttpTransfer::Result& result);
    // Shows the picture and keeps its copies; returns the text of an auto-save failure.
    QString showFetchedPicture(const platform::HttpTransfer::Result& result);
    // The copies of a picture that loaded; returns the text of an auto-save failure.
    QString keepCopies(const QString& download, const QByteArray& picture);
    void animatedPictureFetched(const platform::HttpTransfer::Result& result);
    void dropAnimatedPicture();

    // Every key release of the window and its controls: the address chord.
    void watchAddressChord(QKeyEvent* event);
    // A key release in the interval box: anything but a main keyboard digit empties it.
    void checkIntervalKey(QKeyEvent* event);

    QLabel* picture_ = nullptr;                          // the fetched picture, stretched to the control
    QLabel* animation_ = nullptr;                        // an animated picture, at the picture's place
    QPushButton* refreshButton_ = nullptr;               // "Refresh"
    QLabel* addressLabel_ = nullptr;                     // "Url:", never shown
    QLineEdit* addressBox_ = nullptr;                    // the picture's address; hidden until the key chord
    QLabel* intervalLabel_ = nullptr;                    // "Time to Refresh in Seconds - Max=60"
    QCheckBox* automaticRefreshBox_ = nullptr;           // "Automatic Refresh Interval"
    QLineEdit* intervalBox_ = nullptr;                   // the refresh interval in seconds
    QCheckBox* autoSaveBox_ = nullptr;                   // "Auto Save"
    QPushButton* resetButton_ = nullptr;                 // "< Reset"
    QPushButton* saveButton_ = nullptr;                  // "Save Single Image"
    QLabel* statusLine_ = nullptr;                       // the status line
    platform::OneShotTimer* statusClearTimer_ = nullptr; // empties the status line after a failed picture
    platform::Timer* refreshTimer_ = nullptr;            // automatic refresh

    ScaledPlacement placement_;
    KeyChord addressChord_;

    platform::HttpTransfer* pictureTransfer_ = nullptr;
    platform::HttpTransfer* animationTransfer_ = nullptr;
    bool fetching_ = false;
    quint64 fetchGeneration_ = 0; // raised when the window closes: older results are dropped
    QPointer<QLabel> fetchTarget_;
    QString fetchFolder_;

    QMovie* movie_ = nullptr;
    QBuffer* movieData_ = nullptr;
};
