#pragma once
// The frame window: the program's outer window with the toolbar, the main window in
// its client area and a File menu with Exit. Its load is the program's start-up
// sequence; closing it is the shut-down.
#include <QByteArray>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class FrameWindows;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class ToolbarControl;

namespace platform {
class HttpTransfer;
class OneShotTimer;
class Timer;
} // namespace platform

class FrameWindow : public QMainWindow {
    Q_OBJECT
public:
    // The longest the reflector address fetch may take, and the most it may bring.
    static constexpr int kAddressFetchLimitMs = 60000;
    static constexpr qint64 kAddressFetchSizeCap = 4096;

    // The frame reaches the windows it starts and fills through their owner.
    explicit FrameWindow(FrameWindows& windows);
    ~FrameWindow() override;

    // The start-up sequence. It goes on from the event loop once the reflector address
    // fetch has ended; startupFinished tells when it is over.
    void load();
    bool startingUp() const { return startup_ != nullptr; }
    // Puts the main window into the client area; returns its sub-window. The frame
    // paints the main window's gradient whenever the frame is activated.
    QMdiSubWindow* adoptMainWindow(QWidget& main);

    // File > Exit: the logout, then the end without waiting.
    void exitProgram();

    // A mouse press on the toolbar: button 1 left, 2 right; x in twips.
    void pressToolbar(int button, int shift, float x, float y);
    // The toolbar's picture reset.
    void resetToolbarPictures();
    // Starts the count to the toolbar's picture reset afresh: it comes ms from now.
    void armToolbarPictureReset(int ms);

    // False for 2000 ms after the start-up and after every activation.
    bool holdOffOver() const { return holdOffOver_; }

signals:
    // The status clearing timer's tick: the main window's status text is due to be emptied.
    void statusClearDue();
    // The toolbar's Connect or Disconnect ran its command: the menus and the toolbar
    // are to show the connected (true) or disconnected state.
    void connectionButtonPressed(bool connected);
    // The start-up sequence has run its last step.
    void startupFinished();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Startup;

    // The fetch's page, empty when it failed: the sequence goes on with it.
    void addressFetched(const QByteArray& page);
    void endStartupWhenFinished();
    void activated();
    void keepSizeWithinLimits();
    void mouseMovedOverClientArea();
    void endHoldOff();
    void clearMainStatus();
    void startHoldOff();
    void followCommandActions();

    // Tests find the toolbar as "Toolbar1" and the timers by the names of their roles.
    ToolbarControl* toolbar_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    platform::HttpTransfer* addressFetch_ = nullptr; // fetches the reflector address
    platform::OneShotTimer* holdOffTimer_ = nullptr; // ends the hold-off
    platform::Timer* toolbarPictureReset_ = nullptr; // toolbar picture reset
    platform::Timer* statusClearTimer_ = nullptr;    // clears the main window's status text
    QMenu* fileMenu_ = nullptr;
    QAction* exitAction_ = nullptr;
    FrameWindows& windows_;
    bool holdOffOver_ = true;
    QPointer<QWidget> mainWindow_;
    std::unique_ptr<Startup> startup_;
};
