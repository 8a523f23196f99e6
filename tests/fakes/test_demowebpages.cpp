// The demo web server's pages as the program meets them: the tip of the day's picture
// is a GIF at the path the tip window fetches, and the window shows it; the GIF writer
// behind it keeps every pixel's colour.
#include "Control.h"
#include "DemoWebPages.h"
#include "FakeWebServer.h"
#include "FetchAndWait.h"
#include "FrameWorld.h"
#include "GifPicture.h"
#include "TestWindows.h"
#include "frame/TipOfTheDayWindow.h"
#include "platform/HttpTransfer.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QMovie>
#include <QTest>

class TestDemoWebPages : public QObject {
    Q_OBJECT
private slots:
    void tipPictureIsAGif();
    void tipWindowShowsTheDemoPicture();
    void gifKeepsEveryPixel_data();
    void gifKeepsEveryPixel();
};

void TestDemoWebPages::tipPictureIsAGif()
{
    FakeWebServer server;
    serveDemoPages(server);
    platform::HttpTransfer transfer;
    const platform::HttpTransfer::Result result = fetchAndWait(transfer, server.url(kTipPicturePage));
    QVERIFY2(result.ok, qPrintable(QString::number(result.httpStatus)));
    QVERIFY(result.body.startsWith("GIF89a"));
    QImage picture;
    QVERIFY(picture.loadFromData(result.body, "GIF"));
    QVERIFY(picture.width() > 100 && picture.height() > 100);
}

void TestDemoWebPages::tipWindowShowsTheDemoPicture()
{
    FakeWebServer server;
    serveDemoPages(server);
    FrameWorld world(server.url(""));
    QWidget frame;
    TipOfTheDayWindow& tip = testWindows().frames.tipOfTheDay();
    tip.showTip(frame);
    QTRY_VERIFY(control<QLabel>(tip, "AniGIF1")->movie() != nullptr);
    QVERIFY(control<QLabel>(tip, "AniGIF1")->movie()->isValid());
    QTRY_VERIFY(!control<QLabel>(tip, "AniGIF1")->movie()->currentPixmap().isNull());
    QCOMPARE(server.requests().last().path, QByteArray(kTipPicturePage));
}

void TestDemoWebPages::gifKeepsEveryPixel_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("colours");
    QTest::newRow("one pixel") << QSize(1, 1) << 1;
    // More pixels than a code table holds, so the writer must keep its codes in width.
    QTest::newRow("many pixels, few colours") << QSize(137, 91) << 5;
    QTest::newRow("the most colours") << QSize(64, 40) << 128;
}

void TestDemoWebPages::gifKeepsEveryPixel()
{
    QFETCH(QSize, size);
    QFETCH(int, colours);
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int colour = (x * 7 + y * 13) % colours;
            picture.setPixel(x, y, qRgb(colour * 2, 255 - colour, (colour * 37) % 256));
        }
    QImage read;
    QVERIFY(read.loadFromData(gifOf(picture), "GIF"));
    QCOMPARE(read.size(), size);
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), picture);
}

QTEST_MAIN(TestDemoWebPages)
#include "test_demowebpages.moc"
