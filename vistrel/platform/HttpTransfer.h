#pragma once
// Fetching a page or a file over HTTP, as the windows do: in the background (start,
// then finished), with state events on the way.
//
// A fetch succeeds only for an answer with a 2xx status whose body arrived whole
// within the time limit and the size cap; an error page, even one with a body, is a
// failure and its body is not handed out. Texts are 8-bit, one byte a character, so a
// text and a file are fetched alike as bytes.
//
// The state events of one transfer, all from the event loop and in this order:
//   1 looking up the host (at the start)
//   3 connecting (when a new connection is opened; a reused one skips it)
//   6 the request has been sent
//   7 the answer is coming in
//   8 the answer has been received (when the server answered at all)
//   9, 10 the transfer lets go of its connection
//   12 completed, or 11 failed; then finished()
// States 0, 2, 4 and 5 are not raised: the network layer does not report those steps.
#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QNetworkReply;

namespace platform {

class HttpTransfer : public QObject {
    Q_OBJECT
public:
    enum TransferState {
        StateNone = 0,
        StateResolving = 1,
        StateResolved = 2,
        StateConnecting = 3,
        StateConnected = 4,
        StateRequesting = 5,
        StateRequestSent = 6,
        StateReceiving = 7,
        StateResponseReceived = 8,
        StateDisconnecting = 9,
        StateDisconnected = 10,
        StateError = 11,
        StateCompleted = 12,
    };

    static constexpr int kDefaultTimeLimitMs = 60000;
    static constexpr qint64 kDefaultSizeCap = 64 * 1024 * 1024;

    struct Result {
        bool ok = false;
        int httpStatus = 0;       // 0: no answer came
        QByteArray body;          // empty unless ok
        QString errorDescription; // empty when ok
    };

    explicit HttpTransfer(QObject* parent = nullptr);
    ~HttpTransfer() override;

    // The longest a whole transfer may take, in real milliseconds (scaled, TimeScale.h).
    int timeLimitMs() const { return timeLimitMs_; }
    void setTimeLimitMs(int ms) { timeLimitMs_ = ms; }
    // The largest body accepted; a longer one fails the transfer as soon as it shows.
    qint64 sizeCap() const { return sizeCap_; }
    void setSizeCap(qint64 bytes) { sizeCap_ = bytes; }

    // True from start() until finished() has been raised.
    bool busy() const { return busy_; }

    // Starts fetching url; returns false, and starts nothing, while a transfer runs.
    bool start(const QString& url);

signals:
    void stateChanged(int state);
    void finished(const platform::HttpTransfer::Result& result);

private:
    void post(std::function<void()> event);
    void reportState(int state);
    void onMetaDataChanged();
    void onReadyRead();
    void onReplyFinished();
    void fail(const QString& description);
    void finish(Result result);

    QNetworkAccessManager manager_;
    QNetworkReply* reply_ = nullptr;
    QTimer limit_;
    QByteArray body_;
    bool busy_ = false;
    bool receiving_ = false;
    int timeLimitMs_ = kDefaultTimeLimitMs;
    qint64 sizeCap_ = kDefaultSizeCap;
};

} // namespace platform
