// fake-support [--program-port <port>] [--first-port <port>]
// The support side of the support chat on 127.0.0.1, for the demo. It takes the four
// chat channels and the offline message on five ports from --first-port on (default
// 21002: channels 1 to 4, then the offline message), answers every chat line on a
// channel, and connects in to the program's listener on --program-port (default
// 21001), trying again every second until the program listens. Each line typed on
// its standard input goes to the program as one chunk: a line that holds a remote
// command ("/IDENT/,Alice", "/FLASH/,7", "/CLICK_STATUS/") as it is, any other line
// as chat text with CR LF after it. Everything the program sends is printed.
#include "DemoOptions.h"
#include "FakeSupportPeer.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kRetryMs = 1000;

void print(const char* what, const QByteArray& bytes)
{
    std::printf("%s: %s\n", what, bytes.toPercentEncoding(" /,:.>@").constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::optional<quint16> programPort = portOption(app.arguments(), "--program-port", 21001);
    const std::optional<quint16> firstPort = portOption(app.arguments(), "--first-port", 21002);
    if (!programPort || !firstPort || *firstPort > 65535 - 4) {
        std::fprintf(stderr, "usage: fake-support [--program-port <port>] [--first-port <port>]\n");
        return 2;
    }

    FakeSupportPeer support;
    for (int service = FakeSupportPeer::Channel1; service <= FakeSupportPeer::OfflineMessage; ++service) {
        if (!support.listen(FakeSupportPeer::Service(service), quint16(*firstPort + service - 1))) {
            std::fprintf(stderr, "fake-support cannot listen on port %d\n", *firstPort + service - 1);
            return 1;
        }
    }
    std::printf("fake-support: put these lines into the program's settings.ini:\n[SupportChat]\n"
                "ListenPort=%u\nChannel1Port=%u\nChannel2Port=%u\nChannel3Port=%u\nChannel4Port=%u\nEMessagePort=%u\n",
                unsigned(*programPort), unsigned(*firstPort), unsigned(*firstPort + 1), unsigned(*firstPort + 2),
                unsigned(*firstPort + 3), unsigned(*firstPort + 4));
    std::fflush(stdout);

    QObject::connect(&support, &FakeSupportPeer::received, [&support](int connection) {
        const FakeSupportPeer::Connection& from = support.connections()[connection];
        print(from.service == FakeSupportPeer::OfflineMessage ? "offline message" : "channel", from.received);
        if (from.service != FakeSupportPeer::OfflineMessage)
            support.send(connection, "Support Says > I read you.\r\n");
        else
            support.send(connection, "Thank you, we will write back.");
    });
    QObject::connect(&support, &FakeSupportPeer::receivedFromProgramChunk,
                     [](const QByteArray& chunk) { print("support connection", chunk); });

    // Connects whenever the support connection is not up.
    QTimer retry;
    QObject::connect(&retry, &QTimer::timeout, [&support, port = *programPort] {
        using State = FakeSupportPeer::SupportState;
        if (support.supportState() != State::Connected && support.supportState() != State::Connecting)
            support.connectToProgram(port);
    });
    QObject::connect(&support, &FakeSupportPeer::supportStateChanged, [](FakeSupportPeer::SupportState state) {
        if (state == FakeSupportPeer::SupportState::Connected)
            std::printf("fake-support: connected to the program; type a line to send it\n");
        else if (state == FakeSupportPeer::SupportState::EndedByProgram)
            std::printf("fake-support: the program ended the support connection\n");
        std::fflush(stdout);
    });
    retry.start(kRetryMs);

    QSocketNotifier typed(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&typed, &QSocketNotifier::activated, [&support, &pending, &typed, &app] {
        char buffer[4096];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            typed.setEnabled(false);
            app.quit();
            return;
        }
        pending.append(buffer, qsizetype(count));
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            if (line.endsWith('\r'))
                line.chop(1);
            // A command goes as it is; chat text brings its own line end.
            const bool command = line.startsWith('/') && line.indexOf('/', 1) > 0;
            if (!support.sendToProgram(command ? line : line + "\r\n"))
                std::printf("fake-support: not connected to the program yet\n");
            std::fflush(stdout);
        }
    });
    return app.exec();
}
