#include "ui/TreePictures.h"

#include "ui/ImageList.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

// Every picture is drawn on a 48 x 48 canvas and scaled by the painter.
constexpr qreal kCanvas = 48;

void drawFolder(QPainter& p, bool open)
{
    p.setPen(QPen(QColor(120, 80, 10), 1.5));
    p.setBrush(QColor(235, 180, 60));
    p.drawRoundedRect(QRectF(4, 10, 18, 8), 2, 2); // the tab
    p.drawRoundedRect(QRectF(4, 14, 40, 26), 3, 3);
    if (open) {
        QPainterPath flap;
        flap.moveTo(10, 22);
        flap.lineTo(46, 22);
        flap.lineTo(40, 40);
        flap.lineTo(4, 40);
        flap.closeSubpath();
        p.setBrush(QColor(250, 210, 100));
        p.drawPath(flap);
    }
}

void drawCamera(QPainter& p)
{
    p.setPen(QPen(QColor(30, 30, 60), 1.5));
    p.setBrush(QColor(70, 90, 140));
    p.drawRoundedRect(QRectF(4, 14, 28, 22), 4, 4);
    QPolygonF lens({QPointF(32, 20), QPointF(44, 13), QPointF(44, 37), QPointF(32, 30)});
    p.drawPolygon(lens);
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPointF(18, 25), 6, 6);
}

void drawPlayer(QPainter& p, QColor disc)
{
    p.setPen(QPen(disc.darker(160), 1.5));
    p.setBrush(disc);
    p.drawEllipse(QRectF(4, 4, 40, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(19, 14), QPointF(35, 24), QPointF(19, 34)}));
}

void drawStillPicture(QPainter& p)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(170, 215, 250));
    p.drawRect(QRectF(5, 9, 38, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 60));
    p.drawEllipse(QPointF(33, 17), 4, 4);
    p.setBrush(QColor(60, 140, 70));
    p.drawPolygon(QPolygonF({QPointF(6, 38), QPointF(18, 22), QPointF(27, 32), QPointF(33, 26), QPointF(42, 38)}));
}

void drawWebPage(QPainter& p)
{
    p.setPen(QPen(QColor(20, 70, 130), 1.5));
    p.setBrush(QColor(90, 160, 220));
    const QRectF globe(6, 6, 36, 36);
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(16, 6, 16, 36));
    p.drawLine(QPointF(6, 24), QPointF(42, 24));
    p.drawLine(QPointF(9, 15), QPointF(39, 15));
    p.drawLine(QPointF(9, 33), QPointF(39, 33));
}

struct BuiltInPicture {
    QByteArray key;
    std::function<void(QPainter&)> draw;
};

const QList<BuiltInPicture>& builtInPictures()
{
    static const QList<BuiltInPicture> pictures = {
        {"Closed", [](QPainter& p) { drawFolder(p, false); }},
        {"Open", [](QPainter& p) { drawFolder(p, true); }},
        {"VideoLink", drawCamera},
        {"real", [](QPainter& p) { drawPlayer(p, QColor(30, 100, 200)); }},
        {"MediaPlay", [](QPainter& p) { drawPlayer(p, QColor(230, 120, 20)); }},
        {"NoStream", drawStillPicture},
        {"IEStream", drawWebPage},
    };
    return pictures;
}

QPixmap render(const BuiltInPicture& picture, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / kCanvas, size.height() / kCanvas);
    picture.draw(painter);
    return pixmap;
}

} // namespace

const QList<QByteArray>& builtInPictureKeys()
{
    static const QList<QByteArray> keys = [] {
        QList<QByteArray> list;
        for (const BuiltInPicture& picture : builtInPictures())
            list << picture.key;
        return list;
    }();
    return keys;
}

void addBuiltInPictures(ImageList& list)
{
    for (const BuiltInPicture& picture : builtInPictures())
        list.add(picture.key, picture.key, render(picture, list.imageSize()));
}
