#pragma once
// An image list: pictures of one size, in order, each with a key and a tag. Windows
// hand it to the controls that show the pictures (the topic tree, the toolbar) and
// find pictures by key. Positions count from 1.
#include <QByteArray>
#include <QColor>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QSize>

class ImageList {
public:
    explicit ImageList(QSize imageSize = {16, 16});

    QSize imageSize() const { return imageSize_; }
    // A list that holds pictures keeps its size; false then, unless the size is the same.
    bool setImageSize(QSize size);

    // Pixels of this colour are see-through in the pictures added from now on.
    void setMaskColour(QColor colour) { maskColour_ = colour; }

    int count() const { return int(entries_.size()); }

    // Inserts before position (count() + 1 appends). A key already present, an empty
    // key or a position out of range is refused: false.
    bool insert(int position, const QByteArray& key, const QByteArray& tag, const QPixmap& picture);
    bool add(const QByteArray& key, const QByteArray& tag, const QPixmap& picture);

    // 0 when no picture has the key.
    int indexOfKey(const QByteArray& key) const;
    QByteArray key(int position) const;
    QByteArray tag(int position) const;
    // A null picture for a position out of range.
    QPixmap picture(int position) const;
    // The picture of the key, or a null icon.
    QIcon icon(const QByteArray& key) const;

private:
    struct Entry {
        QByteArray key;
        QByteArray tag;
        QPixmap picture;
    };

    QSize imageSize_;
    QColor maskColour_;
    QList<Entry> entries_;
};
