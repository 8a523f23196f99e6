#pragma once
// The snapshot window: fetches a still picture by its address and shows it, on demand
// or at a fixed rate. Several can be open at once; the View menu shows the default one
// (ui::form<SnapshotWindow>()), the node click opens up to ten more.
//
// A fetch downloads the picture into the program's private temporary folder, keeps a
// copy of the last download there for "Save Single Image", auto-saves a numbered copy
// into the "images" folder when asked, and then shows the picture. Fetches run in the
// background: the window stays responsive, and a refresh that comes while its own
// fetch still runs is skipped.
#include "directory/KeyChord.h"
#include "platform/HttpTransfer.h"
#include "ui/ScaledPlacement.h"

#include <QByteArray>
#include <QPointer>
#include <QWidget>

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

class SnapshotWindow : public QWidget {
    Q_OBJECT
public:
    // Every fetch ends within this time and takes at most this many bytes.
    static constexpr int kFetchLimitMs = 30000;
    static constexpr qint64 kFetchSizeCap = 8 * 1024 * 1024;
    // How long "Image failed to load please retry.." stays.
    static constexpr int kFailedStatusMs = 5000;

    // A new window is in its start state: no picture, no address, refresh and auto-save off.
    SnapshotWindow();

    // "Refresh": fetches the picture at txtURL and shows it in Image1.
    void Command1_Click();
    // Fetches the picture at url and shows it in picture; the status line tells how it
    // went. Does nothing while a fetch of this window runs.
    void URL_To_Picture(const QString& url, QLabel& picture);
    // Shows the picture at the address as an animated picture (".gif" addresses) in AniGIF1.
    void loadAnimatedPicture(const QString& address);

    // "Save Single Image": the last picture downloaded by any snapshot window, under a
    // name the user chooses. Nothing happens before the first download of the run.
    void Command2_Click();
    // "< Reset": auto-save numbering starts again at 1.
    void Command3_Click();
    // "Automatic Refresh Interval" ticked or unticked.
    void Check1_Click();

    // True while a fetch of this window runs, until its auto-save failure box is answered.
    bool fetching() const { return fetching_; }

    QLabel* Image1 = nullptr;      // the fetched picture, stretched to the control
    QLabel* AniGIF1 = nullptr;     // an animated picture, at Image1's place
    QPushButton* Command1 = nullptr; // "Refresh"
    QLabel* Label1 = nullptr;      // "Url:", never shown
    QLineEdit* txtURL = nullptr;   // the picture's address; hidden until the key chord
    QLabel* Label3 = nullptr;      // "Time to Refresh in Seconds - Max=60"
    QCheckBox* Check1 = nullptr;   // "Automatic Refresh Interval"
    QLineEdit* Text1 = nullptr;    // the refresh interval in seconds
    QCheckBox* chkAutoSave = nullptr; // "Auto Save"
    QPushButton* Command3 = nullptr;  // "< Reset"
    QPushButton* Command2 = nullptr;  // "Save Single Image"
    QLabel* Label2 = nullptr;      // the status line
    platform::OneShotTimer* Timer1 = nullptr; // empties the status line after a failed picture
    platform::Timer* Timer3 = nullptr;        // automatic refresh

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void placeControls();
    void resetToLoadState();

    QString Temp_Folder();
    platform::HttpTransfer* newTransfer();
    void pictureFetched(const platform::HttpTransfer::Result& result);
    // Shows the picture and keeps its copies; returns the text of an auto-save failure.
    QString showFetchedPicture(const platform::HttpTransfer::Result& result);
    // The copies of a picture that loaded; returns the text of an auto-save failure.
    QString keepCopies(const QString& download, const QByteArray& picture);
    void animatedPictureFetched(const platform::HttpTransfer::Result& result);
    void dropAnimatedPicture();

    void Timer1_Timer();
    void Timer3_Timer();
    void Text1_KeyUp(QKeyEvent* event);
    void Form_KeyUp(QKeyEvent* event);
    void Form_QueryUnload(QCloseEvent* event);
    void Form_Activate();
    void Form_Resize();

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
