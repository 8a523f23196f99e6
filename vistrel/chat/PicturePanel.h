#pragma once
// A picture panel of the chat window: the support side names a picture address, the
// panel fetches it in the background and shows it (animated where it is). Only http
// and https addresses are fetched, within a time limit and a size cap; a fetch that
// fails leaves the panel empty, without a message. The panel remembers the address
// as its tag, which a click on the panel uses.
#include <QByteArray>
#include <QLabel>

#include <memory>

class QBuffer;
class QMovie;

namespace platform {
class HttpTransfer;
}

namespace chat {

class PicturePanel : public QLabel {
    Q_OBJECT
public:
    static constexpr int kFetchLimitMs = 15000;
    static constexpr qint64 kSizeCap = 4 * 1024 * 1024;

    explicit PicturePanel(QWidget* parent = nullptr);
    ~PicturePanel() override;

    // Stores the address as the tag and starts fetching it; an earlier fetch is dropped.
    void load(const QByteArray& address);
    const QByteArray& tag() const { return tag_; }
    // True while a picture is shown.
    bool showsPicture() const;

signals:
    void clicked();
    void rightPressed();
    // A fetch ended: shown or not.
    void loadFinished(bool shown);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void show(const QByteArray& picture);
    void clearPicture();

    QByteArray tag_;
    platform::HttpTransfer* transfer_ = nullptr;
    std::unique_ptr<QBuffer> pictureData_;
    std::unique_ptr<QMovie> movie_;
};

// True for the addresses a panel fetches: http and https with a host.
bool isFetchablePicture(const QByteArray& address);

} // namespace chat
