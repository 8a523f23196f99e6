// fake-transmitter [--port <port>] [--request-log <file>]
// A transmitter site on 127.0.0.1 for the demo. It lists a few recorded videos,
// starts "encoding" any of them but one ("Damaged Tape.avi" fails), confirms a stop
// and takes the speed requests without an answer. Without --port the system chooses
// the port; the port in use is printed. Every request is printed, and with
// --request-log also written to that file: "request <n> on connection <c>: <text>"
// (the file is replaced at start).
#include "DemoOptions.h"
#include "FakeTransmitter.h"
#include "RequestLog.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::optional<quint16> port = portOption(app.arguments(), "--port", 0);
    if (!port) {
        std::fprintf(stderr, "usage: fake-transmitter [--port <port>] [--request-log <file>]\n");
        return 2;
    }
    RequestLog requestLog;
    if (!requestLog.open(app.arguments())) {
        std::fprintf(stderr, "fake-transmitter cannot write %s\n", qPrintable(requestLog.fileName()));
        return 1;
    }

    FakeTransmitter transmitter;
    transmitter.setFiles({"Countdown.avi", "Liftoff.avi", "Booster Landing.avi", "Damaged Tape.avi"});
    transmitter.script("/VF/Damaged Tape.avi", FakeTransmitter::Reply::text("/Failed Encoding/"));
    QObject::connect(&transmitter, &FakeTransmitter::requestReceived, [&transmitter, &requestLog](int index) {
        const FakeTransmitter::Request& request = transmitter.requests()[index];
        requestLog.record(index, request.connection, request.text);
    });
    if (!transmitter.listen(*port)) {
        std::fprintf(stderr, "fake-transmitter cannot listen: %s\n", qPrintable(transmitter.errorString()));
        return 1;
    }
    std::printf("fake-transmitter listening on 127.0.0.1:%u\n", unsigned(transmitter.port()));
    std::fflush(stdout);
    return app.exec();
}
