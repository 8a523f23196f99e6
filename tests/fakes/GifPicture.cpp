#include "GifPicture.h"

#include <QImage>
#include <QList>
#include <QRgb>

#include <limits>

namespace {

constexpr int kCodeBits = 7;               // colours 0 to 127
constexpr int kClearCode = 1 << kCodeBits; // 128
constexpr int kEndCode = kClearCode + 1;   // 129
constexpr int kPixelsBetweenClears = 100;  // the code width stays at 8 bits
constexpr int kPaletteSize = 1 << kCodeBits;

void appendWord(QByteArray& out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

int distance(QRgb a, QRgb b)
{
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

int nearest(const QList<QRgb>& palette, QRgb colour)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int d = distance(palette[i], colour);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

// Every code is one byte wide: a clear code comes before the decoder's table would grow
// past 255 entries, so each pixel is written as its own colour code.
QByteArray pixelCodes(const QList<int>& indexes)
{
    QByteArray codes;
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        if (i % kPixelsBetweenClears == 0)
            codes.append(char(kClearCode));
        codes.append(char(indexes[i]));
    }
    codes.append(char(kEndCode));
    return codes;
}

} // namespace

QByteArray gifOf(const QImage& picture)
{
    if (picture.isNull() || picture.width() > 0xffff || picture.height() > 0xffff)
        return {};
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> palette;
    QList<int> indexes;
    indexes.reserve(qsizetype(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y) | 0xff000000u;
            qsizetype index = palette.indexOf(colour);
            if (index < 0 && palette.size() < kPaletteSize) {
                palette << colour;
                index = palette.size() - 1;
            }
            indexes << int(index >= 0 ? index : nearest(palette, colour));
        }
    }
    while (palette.size() < kPaletteSize)
        palette << qRgb(0, 0, 0);

    QByteArray gif("GIF89a");
    appendWord(gif, image.width());
    appendWord(gif, image.height());
    gif.append(char(0xf0 | (kCodeBits - 1))); // a global colour table of 128 entries
    gif.append(char(0));                      // background colour
    gif.append(char(0));                      // no aspect ratio
    for (const QRgb colour : palette) {
        gif.append(char(qRed(colour)));
        gif.append(char(qGreen(colour)));
        gif.append(char(qBlue(colour)));
    }
    gif.append(',');
    appendWord(gif, 0);
    appendWord(gif, 0);
    appendWord(gif, image.width());
    appendWord(gif, image.height());
    gif.append(char(0)); // no local colour table, not interlaced
    gif.append(char(kCodeBits));
    const QByteArray codes = pixelCodes(indexes);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append(char(0)); // the end of the picture's blocks
    gif.append(';');
    return gif;
}
