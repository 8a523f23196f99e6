#include "DemoWebPages.h"

#include "FakeWebServer.h"
#include "GifPicture.h"
#include "common/ProgramVersion.h"
#include "tools/UpdateCheck.h"
#include "tools/UpdateVersion.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace {

// A small test card as a JPEG: colour bars over a grey ramp.
QByteArray snapshotPicture()
{
    QImage image(320, 240, QImage::Format_RGB32);
    const QRgb bars[] = {qRgb(255, 255, 255), qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(0, 255, 0),
                         qRgb(255, 0, 255),   qRgb(255, 0, 0),   qRgb(0, 0, 255),   qRgb(0, 0, 0)};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int grey = x * 255 / (image.width() - 1);
            image.setPixel(x, y, y < 160 ? bars[x * 8 / image.width()] : qRgb(grey, grey, grey));
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return jpeg;
}

} // namespace

QByteArray tipPicture()
{
    // Few colours and no smoothing, so that every colour has its own palette entry.
    QImage image(170, 150, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QColor mast(0, 90, 85);
    painter.setPen(QPen(mast, 2));
    painter.drawLine(30, 20, 12, 100); // the tower's legs and struts
    painter.drawLine(30, 20, 48, 100);
    for (int y = 40; y <= 90; y += 25)
        painter.drawLine(30 - (y - 20) * 18 / 80, y, 30 + (y - 20) * 18 / 80, y);
    painter.setPen(QPen(QColor(230, 120, 0), 2));
    for (int radius = 8; radius <= 20; radius += 6) // the waves
        painter.drawArc(QRect(30 - radius, 20 - radius, 2 * radius, 2 * radius), -45 * 16, 90 * 16);
    QFont font = painter.font();
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(58, 10, 108, 130), Qt::TextWordWrap,
                     QStringLiteral("Click a place in the tree to see its webcams. A right click on a "
                                    "toolbar button opens its help page."));
    painter.end();
    return gifOf(image);
}

void serveDemoPages(FakeWebServer& server, const QByteArray& offeredExecutable)
{
    const int revision = kProgramVersionRevision + (offeredExecutable.isEmpty() ? 0 : 1);
    server.serve(UpdateCheck::kVersionPage, 200,
                 versionText(kProgramVersionMajor, kProgramVersionMinor, revision) + "\r\n");
    if (!offeredExecutable.isEmpty())
        server.serve(UpdateCheck::kExecutablePage, 200, offeredExecutable);
    server.serve("/sys/serverip.txt", 200, "127.0.0.1");
    server.serve("/support.php", 200, "<html><body>Server is up</body></html>");
    server.serve(kTipPicturePage, 200, tipPicture());
    server.serve("/cams/snapshot.jpg", 200, snapshotPicture());
    server.serve("/cams/harbour.html", 200, "<html><body><h1>Harbour webcam</h1></body></html>");
}
