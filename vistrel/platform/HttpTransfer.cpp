#include "HttpTransfer.h"

#include "NetworkInput.h"
#include "TimeScale.h"

#include <QHostAddress>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <utility>

namespace platform {
namespace {

bool isLoopback(const QString& host)
{
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || QHostAddress(host).isLoopback();
}

int httpStatusOf(const QNetworkReply* reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

} // namespace

HttpTransfer::HttpTransfer(QObject* parent) : QObject(parent)
{
    limit_.setSingleShot(true);
    limit_.setTimerType(Qt::PreciseTimer);
    connect(&limit_, &QTimer::timeout, this,
            [this] { fail(QStringLiteral("No complete answer within %1 s").arg(timeLimitMs_ / 1000.0)); });
}

HttpTransfer::~HttpTransfer() = default;

bool HttpTransfer::start(const QString& url)
{
    if (busy_)
        return false;
    busy_ = true;
    receiving_ = false;
    body_.clear();
    reportState(StateResolving);

    const QUrl target(url);
    const bool isHttp = target.scheme() == QLatin1String("http") || target.scheme() == QLatin1String("https");
    if (!target.isValid() || !isHttp || target.host().isEmpty()) {
        fail(QStringLiteral("Not an HTTP address: %1").arg(url));
        return true;
    }
    // Pages of this machine never go through a proxy.
    manager_.setProxy(isLoopback(target.host()) ? QNetworkProxy(QNetworkProxy::NoProxy)
                                                : QNetworkProxy(QNetworkProxy::DefaultProxy));
    reply_ = manager_.get(QNetworkRequest(target));
    connect(reply_, &QNetworkReply::socketStartedConnecting, this, [this] { reportState(StateConnecting); });
    connect(reply_, &QNetworkReply::requestSent, this, [this] { reportState(StateRequestSent); });
    connect(reply_, &QNetworkReply::metaDataChanged, this, &HttpTransfer::onMetaDataChanged);
    connect(reply_, &QNetworkReply::readyRead, this, &HttpTransfer::onReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &HttpTransfer::onReplyFinished);
    limit_.start(scaledMs(timeLimitMs_));
    return true;
}

void HttpTransfer::post(std::function<void()> event)
{
    QMetaObject::invokeMethod(
        this,
        [event = std::move(event)] {
            NetworkInputScope input;
            event();
        },
        Qt::QueuedConnection);
}

void HttpTransfer::reportState(int state)
{
    post([this, state] { emit stateChanged(state); });
}

void HttpTransfer::onMetaDataChanged()
{
    // A server that announces too long a body is not read at all.
    bool known = false;
    const qint64 announced = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    if (known && announced > sizeCap_)
        fail(QStringLiteral("The answer is longer than %1 bytes").arg(sizeCap_));
}

void HttpTransfer::onReadyRead()
{
    if (!receiving_) {
        receiving_ = true;
        reportState(StateReceiving);
    }
    body_ += reply_->readAll();
    if (body_.size() > sizeCap_)
        fail(QStringLiteral("The answer is longer than %1 bytes").arg(sizeCap_));
}

void HttpTransfer::onReplyFinished()
{
    body_ += reply_->readAll();
    const int status = httpStatusOf(reply_);
    Result result;
    result.httpStatus = status;
    if (reply_->error() != QNetworkReply::NoError)
        result.errorDescription = reply_->errorString();
    else if (status < 200 || status > 299)
        result.errorDescription = QStringLiteral("The server answered with status %1").arg(status);
    else if (body_.size() > sizeCap_)
        result.errorDescription = QStringLiteral("The answer is longer than %1 bytes").arg(sizeCap_);
    else {
        result.ok = true;
        result.body = std::exchange(body_, {});
    }
    finish(std::move(result));
}

void HttpTransfer::fail(const QString& description)
{
    Result result;
    result.httpStatus = reply_ ? httpStatusOf(reply_) : 0;
    result.errorDescription = description;
    finish(std::move(result));
}

void HttpTransfer::finish(Result result)
{
    limit_.stop();
    body_.clear();
    if (QNetworkReply* reply = std::exchange(reply_, nullptr)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    post([this, result = std::move(result)] {
        if (result.httpStatus != 0)
            emit stateChanged(StateResponseReceived);
        emit stateChanged(StateDisconnecting);
        emit stateChanged(StateDisconnected);
        emit stateChanged(result.ok ? StateCompleted : StateError);
        busy_ = false;
        emit finished(result);
    });
}

} // namespace platform
