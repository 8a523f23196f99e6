#pragma once
// The status window: a diagram of the client's data path whose lamps show the state
// of each link, traffic markers on the links, the reflector address and port of the
// last connection attempt, the log, and the product server's state from its status
// page. The network code reports through the window's lamp, marker, attempt and log
// methods. Closing the window only hides it, so all of that lasts the whole run.
//
// The diagram has five segments: 1 and 2 between the client and the reflector,
// 3 from the reflector down to the bottom computer, 4 and 5 from the client to the
// bottom computer. Only segments 1 to 3 ever show a colour; the setters of segments
// 4 and 5 only hide lamps.
#include "link/ReflectorSession.h"
#include "ui/ProgramWindow.h"

#include <QByteArray>

#include <array>
#include <memory>

class LampPiece;
class TrafficMarker;
class QBuffer;
class QCheckBox;
class QLabel;
class QMovie;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class HttpTransfer;
}

class StatusWindow : public ProgramWindow {
    Q_OBJECT
public:
    // The log keeps its most recent lines up to this many bytes.
    static constexpr qsizetype kLogCapacityBytes = 1024 * 1024;

    StatusWindow();
    ~StatusWindow() override;

    void load();

    // Shows a segment's lamps in one colour: for segments 1 to 3 the colour's lamps and
    // none of the other two; for segments 4 and 5 no lamp at all.
    void showLamp(int segment, ReflectorSession::Lamp colour);
    // Shows or hides the traffic marker that lies on a segment.
    void showMarker(ReflectorSession::Marker which, bool visible);

    // The reflector address and port of the last connection attempt.
    void showAttemptAddress(const QString& address);
    void showAttemptPort(const QString& port);
    // The client's outside address as the directory server saw it; the label is never shown.
    void showOutsideAddress(const QByteArray& address);

    // "Refresh": fetches the server status page in the background, one fetch at a
    // time, then shows the state's picture from the program's "icons" folder; a fetch
    // that fails changes nothing.
    void refresh();
    // True from a refresh's start until its page has come in or failed.
    bool refreshing() const { return refreshRunning_; }

    // Appends one line to the log: the line, then CR LF. The oldest lines go once the
    // log would hold more than kLogCapacityBytes.
    void appendLogLine(const QByteArray& line);
    // The whole log as the lines were appended, each ended by CR LF.
    const QByteArray& logText() const { return log_; }

protected:
    // Every activation asks the server for its state again.
    void activated() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The lamps by colour and index. There is no red lamp 10 (redLamps[10] is null), and
    // no segment has a blue lamp 5 (blueLamps[5] is null). A lamp carries its index as
    // the property "index", since all lamps of one colour share one object name.
    std::array<LampPiece*, 11> blueLamps{};
    std::array<LampPiece*, 11> greenLamps{};
    std::array<LampPiece*, 12> redLamps{};

    TrafficMarker* segment1Marker_ = nullptr;  // segment 1, client to reflector
    TrafficMarker* segment2Marker_ = nullptr;  // segment 2, reflector to client
    TrafficMarker* segment4aMarker_ = nullptr; // segment 4, left
    TrafficMarker* segment4bMarker_ = nullptr; // segment 4, up
    TrafficMarker* segment5aMarker_ = nullptr; // segment 5, right
    TrafficMarker* segment5bMarker_ = nullptr; // segment 5, down

    QLabel* reflectorPicture_ = nullptr; // the reflector
    QLabel* clientPicture_ = nullptr;    // the client
    QLabel* bottomPicture_ = nullptr;    // the bottom computer

    QPlainTextEdit* logView_ = nullptr;                 // the log's view; write it through appendLogLine
    QCheckBox* logLevelHighBox_ = nullptr;              // "Log Level = High ": sets the session's log level
    QPushButton* refreshButton_ = nullptr;              // "Refresh"
    QLabel* serverPicture_ = nullptr;                   // the server-up or server-down picture
    QLabel* serverStateText_ = nullptr;                 // the server state text
    QLabel* reflectorAddressLabel_ = nullptr;           // address of the last connection attempt
    QLabel* reflectorPortLabel_ = nullptr;              // port of the last connection attempt
    QLabel* directoryServerAddressLabel_ = nullptr;     // the client's outside address; never shown
    platform::HttpTransfer* statusPageFetch_ = nullptr; // fetches the status page

    QWidget* createDiagram();
    QWidget* createServerPanel();
    void createLamps(QWidget* diagram);
    void createMarkers(QWidget* diagram);
    TrafficMarker* marker(ReflectorSession::Marker which) const;

    void setLogLevel();
    void openHelpPage();

    void onStatusPage(bool ok, const QByteArray& page);
    void showServerPicture(bool serverUp);
    void playServerPicture(const QByteArray& picture);

    QByteArray log_;
    bool refreshRunning_ = false;
    std::unique_ptr<QBuffer> pictureData_;
    std::unique_ptr<QMovie> pictureMovie_;
};
