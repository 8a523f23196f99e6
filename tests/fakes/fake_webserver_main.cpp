// fake-webserver [--port <port>]
// The product web server's pages on 127.0.0.1 for the demo: the reflector's address,
// the server status page, and a picture for the sample snapshot webcam. Without
// --port the system chooses the port; the port in use is printed.
#include "DemoOptions.h"
#include "FakeWebServer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>

#include <cstdio>

namespace {

// A small test card as a JPEG: colour bars over a grey ramp.
QByteArray snapshotPicture()
{
    QImage image(320, 240, QImage::Format_RGB32);
    const QRgb bars[] = {qRgb(255, 255, 255), qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(0, 255, 0),
                         qRgb(255, 0, 255), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};
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

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::optional<quint16> port = portOption(app.arguments(), "--port", 0);
    if (!port) {
        std::fprintf(stderr, "usage: fake-webserver [--port <port>]\n");
        return 2;
    }
    FakeWebServer server(nullptr, *port);
    server.serve("/sys/serverip.txt", 200, "127.0.0.1");
    server.serve("/support.php", 200, "<html><body>Server is up</body></html>");
    server.serve("/cams/snapshot.jpg", 200, snapshotPicture());
    server.serve("/cams/harbour.html", 200, "<html><body><h1>Harbour webcam</h1></body></html>");
    std::printf("fake-webserver listening on http://127.0.0.1:%u\n", unsigned(server.port()));
    std::fflush(stdout);
    return app.exec();
}
