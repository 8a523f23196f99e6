#include "ui/ImageList.h"

#include <QBitmap>

ImageList::ImageList(QSize imageSize) : imageSize_(imageSize)
{
}

bool ImageList::setImageSize(QSize size)
{
    if (size == imageSize_)
        return true;
    if (!entries_.isEmpty())
        return false;
    imageSize_ = size;
    return true;
}

bool ImageList::insert(int position, const QByteArray& key, const QByteArray& tag, const QPixmap& picture)
{
    if (key.isEmpty() || indexOfKey(key) != 0 || position < 1 || position > count() + 1)
        return false;
    QPixmap scaled = picture.size() == imageSize_
        ? picture
        : picture.scaled(imageSize_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (maskColour_.isValid())
        scaled.setMask(scaled.createMaskFromColor(maskColour_, Qt::MaskInColor));
    entries_.insert(position - 1, Entry{key, tag, scaled});
    return true;
}

bool ImageList::add(const QByteArray& key, const QByteArray& tag, const QPixmap& picture)
{
    return insert(count() + 1, key, tag, picture);
}

int ImageList::indexOfKey(const QByteArray& key) const
{
    for (int i = 0; i < count(); ++i)
        if (entries_[i].key == key)
            return i + 1;
    return 0;
}

QByteArray ImageList::key(int position) const
{
    return position >= 1 && position <= count() ? entries_[position - 1].key : QByteArray();
}

QByteArray ImageList::tag(int position) const
{
    return position >= 1 && position <= count() ? entries_[position - 1].tag : QByteArray();
}

QPixmap ImageList::picture(int position) const
{
    return position >= 1 && position <= count() ? entries_[position - 1].picture : QPixmap();
}

QIcon ImageList::icon(const QByteArray& key) const
{
    const int position = indexOfKey(key);
    return position == 0 ? QIcon() : QIcon(picture(position));
}
