#pragma once
// The control channel to a transmitter site: one plain-text TCP connection, opened by
// the first connect and kept open for the requests that follow. It asks the site for
// its list of video files, has one of them encoded at modem or cable speed, and stops
// the transmission; the site's replies come back as state texts, changes of the file
// list and, a while after an encoding reply, a request to play the stream.
//
// The window of the transmitter controls owns one channel, hands in the address and
// port from its boxes, and shows what the signals report. The requests return at once:
// a request that has to wait (for its connection, for its bytes to go out) leaves the
// channel in a state that the socket's events and the wait's limit end (shortened by
// the time scale in tests). Replies are read meanwhile, and requests asked meanwhile
// wait their turn and go out in the order they were asked.
#include "directory/TransmitterReplies.h"
#include "platform/OneShotTimer.h"
#include "platform/SocketControl.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <deque>
#include <optional>
#include <variant>

class TransmitterChannel : public QObject {
    Q_OBJECT
public:
    enum class Speed { Modem, Cable };

    // How long the connect may take before the site counts as off line.
    static constexpr int kConnectLimitMs = 10000;
    // How long the file-list request may take to go out.
    static constexpr int kFileListSendLimitMs = 10000;
    // How long the speed request may take to go out before the file request follows.
    static constexpr int kSpeedSendLimitMs = 5000;
    // From an encoding reply to the play request.
    static constexpr int kPlayDelayMs = 5000;

    explicit TransmitterChannel(QObject* parent = nullptr);

    // The file list as the last list reply (and the pieces that followed it) gave it.
    const QList<QByteArray>& fileNames() const { return fileList_.names(); }
    platform::SocketControl::State connectionState() const { return socket_.state(); }

public slots:
    // Empties the file list and asks the site for it. An open connection to the same
    // address and port is used as it is; otherwise the channel connects first and
    // shows the connection's states. An address the channel refuses, a connect that
    // fails or does not finish in time, and a request that does not go out in time
    // show the box "Transmitter is Off Line". A Connect while another one is under way
    // or waits its turn is ignored.
    void connectAndListFiles(const QString& host, int port);
    // Asks the site to encode a file of its list: the speed request first, then the
    // file request, in that order on the open connection.
    void chooseFile(const QByteArray& fileName, Speed speed);
    // Asks the site to stop the transmission. Without a connection the request is
    // not sent: the channel reports the failure and connects again in the background.
    void stopTransmission();
    // Empties the file list (the Disconnect command does so too), at once.
    void emptyFileList();

signals:
    // The text for the transmitter replies label: a connection state, a reply's
    // meaning or the stop failure.
    void stateTextChanged(const QString& text);
    void fileListEmptied();
    // The whole list has changed; these names are it now.
    void fileListReplaced(const QList<QByteArray>& names);
    // These names follow the ones already listed.
    void fileNamesAdded(const QList<QByteArray>& names);
    // The last name listed, which its piece left unfinished, now reads so.
    void lastFileNameChanged(const QByteArray& name);
    // The site has answered a file request; time to start the viewer's play command.
    void playRequested();
    // A line for the status log: a file list cut short at one of its bounds.
    void logLine(const QByteArray& line);

private:
    // What the request under way waits for. Each wait ends at its limit (stepLimit_)
    // at the latest.
    enum class Status {
        Idle,            // no request under way: the next one starts at once
        Connecting,      // the list request waits for its connection (kConnectLimitMs)
        SendingFileList, // the list request waits for its bytes to go out (kFileListSendLimitMs)
        SendingSpeed,    // the speed request waits to go out before the file request (kSpeedSendLimitMs)
    };

    // The requests asked while another one is under way, in their order.
    struct FileListRequest {
        QString host;
        int port = 0;
    };
    struct FileRequest { // the speed request, then the file request
        QByteArray fileName;
        Speed speed = Speed::Modem;
    };
    struct StopRequest {};
    using Request = std::variant<FileListRequest, FileRequest, StopRequest>;

    void ask(Request request);
    void startWaitingRequests();
    void startFileList(const FileListRequest& request);
    void startFile(const FileRequest& request);
    void startStop();
    void sendFileList();
    void sendChosenFile();
    void awaitStep(Status status, int limitMs);
    void endStep();
    bool isListing() const;

    void onStateChanged();
    void onSendComplete();
    void onStepLimit();
    void checkConnectProgress();
    void finishConnect();
    void failFileList();

    bool isOpenTo(const QString& host, int port) const;
    void showConnectionState();
    void onDataArrival();
    void takeFileListPiece(const QByteArray& piece);
    void armPlay();

    platform::SocketControl socket_;
    platform::OneShotTimer playTimer_;
    platform::OneShotTimer stepLimit_;
    Status status_ = Status::Idle;
    std::deque<Request> waiting_;
    QByteArray chosenFile_; // the file whose request follows the speed request going out
    std::optional<platform::SocketControl::State> shownState_; // the state whose text the connect showed last
    bool listOpen_ = false;                                    // a list reply now joins the pieces before it
    TransmitterFileList fileList_;
};
