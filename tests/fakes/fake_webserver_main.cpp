// fake-webserver [--port <port>] [--offer-update <executable>]
// The product web server's pages on 127.0.0.1 for the demo (DemoWebPages.h). Without
// --port the system chooses the port; the port in use is printed. With --offer-update
// the update check finds a newer version, and the given file is the new executable to
// download.
#include "DemoOptions.h"
#include "DemoWebPages.h"
#include "FakeWebServer.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // The tip picture is drawn with a font, which needs the GUI toolkit; the server
    // itself shows nothing, so it needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
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
    serveDemoPages(server, executable);
    std::printf("fake-webserver listening on http://127.0.0.1:%u\n", unsigned(server.port()));
    std::fflush(stdout);
    return app.exec();
}
