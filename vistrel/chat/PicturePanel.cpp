#include "chat/PicturePanel.h"

#include "platform/Codec.h"
#include "platform/HttpTransfer.h"

#include <QBuffer>
#include <QMouseEvent>
#include <QMovie>
#include <QPixmap>
#include <QUrl>

namespace chat {

bool isFetchablePicture(const QByteArray& address)
{
    const QUrl url(platform::fromCp1252(address), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

PicturePanel::PicturePanel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

PicturePanel::~PicturePanel() = default;

void PicturePanel::load(const QByteArray& address)
{
    tag_ = address;
    if (transfer_) {
        transfer_->disconnect(this);
        transfer_->deleteLater();
        transfer_ = nullptr;
    }
    clearPicture();
    if (!isFetchablePicture(address)) {
        emit loadFinished(false);
        return;
    }
    transfer_ = new platform::HttpTransfer(this);
    transfer_->setTimeLimitMs(kFetchLimitMs);
    transfer_->setSizeCap(kSizeCap);
    platform::HttpTransfer* transfer = transfer_;
    connect(transfer, &platform::HttpTransfer::finished, this,
            [this, transfer](const platform::HttpTransfer::Result& result) {
                transfer_ = nullptr;
                transfer->deleteLater();
                if (result.ok)
                    show(result.body);
                emit loadFinished(showsPicture());
            });
    transfer->start(QString::fromLatin1(QUrl(platform::fromCp1252(address)).toEncoded()));
}

bool PicturePanel::showsPicture() const
{
    return movie_ != nullptr || !pixmap().isNull();
}

void PicturePanel::show(const QByteArray& picture)
{
    pictureData_ = std::make_unique<QBuffer>();
    pictureData_->setData(picture);
    movie_ = std::make_unique<QMovie>(pictureData_.get());
    if (movie_->isValid() && movie_->frameCount() > 1) {
        setMovie(movie_.get());
        movie_->start();
        return;
    }
    movie_.reset();
    pictureData_.reset();
    QPixmap still;
    if (still.loadFromData(picture))
        setPixmap(still);
}

void PicturePanel::clearPicture()
{
    setMovie(nullptr);
    clear();
    movie_.reset();
    pictureData_.reset();
}

void PicturePanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    else if (event->button() == Qt::RightButton)
        emit rightPressed();
    else
        QLabel::mousePressEvent(event);
}

} // namespace chat
