// fake-webserver [--port <port>] [--offer-update <executable>]
// The product web server's pages on 127.0.0.1 for the demo: the reflector's address,
// the server status page, a picture for the sample snapshot webcam and the update
// check's version text. Without --port the system chooses the port; the port in use
// is printed. The version text names the program's own version, so the update check
// finds the program up to date; with --offer-update it names the next revision and the
// given file is the new executable to download.
#include "DemoOptions.h"
#include "FakeWebServer.h"
#include "common/ProgramVersion.h"
#include "tools/UpdateCheck.h"
#include "tools/UpdateVersion.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>

#include <cstdio>

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

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::optional<quint16> port = portOption(app.arguments(), "--port", 0);
    if (!port) {
        std::fprintf(stderr, "usage: fake-webserver [--port <port>] [--offer-update <executable>]\n");
        return 2;
    }
    const QString offeredExecutable = textOption(app.arguments(), "--offer-update");
    QByteArray executable;
    if (!offeredExecutable.isEmpty()) {
        QFile file(offeredExecutable);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "fake-webserver: cannot read %s\n", qPrintable(offeredExecutable));
            return 2;
        }
        executable = file.readAll();
    }
    FakeWebServer server(nullptr, *port);
    const int revision = kProgramVersionRevision + (executable.isEmpty() ? 0 : 1);
    server.serve(UpdateCheck::kVersionPage, 200,
                 versionText(kProgramVersionMajor, kProgramVersionMinor, revision) + "\r\n");
    if (!executable.isEmpty())
        server.serve(UpdateCheck::kExecutablePage, 200, executable);
    server.serve("/sys/serverip.txt", 200, "127.0.0.1");
    server.serve("/support.php", 200, "<html><body>Server is up</body></html>");
    server.serve("/cams/snapshot.jpg", 200, snapshotPicture());
    server.serve("/cams/harbour.html", 200, "<html><body><h1>Harbour webcam</h1></body></html>");
    std::printf("fake-webserver listening on http://127.0.0.1:%u\n", unsigned(server.port()));
    std::fflush(stdout);
    return app.exec();
}
