// fake-reflector [--port <port>] [--web-port <port>] [--transmitter-port <port>]
//                [--request-log <file>]
// A reflector on 127.0.0.1 for the demo. It accepts every login, tells the client its
// outside address on the connection after the login, and answers the directory
// queries of a few sample places with webcams; any other place has no data. The
// locator finds those places for every topic, and by the names of their webcams for a
// search text; every password change to a new password that is not empty is confirmed.
// Without
// --port the system chooses the port; the port in use is printed. --web-port names
// the demo web server's port, where the sample snapshot webcam's picture lies
// (default 8080); --transmitter-port the demo transmitter's, which the sample
// transmitter camera's address names (default 8090). --request-log names a file that
// gets one line per request, as it is printed: "request <n> on connection <c>: <text>"
// (the file is replaced at start).
#include "DemoOptions.h"
#include "FakeReflector.h"
#include "RequestLog.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

using Reply = FakeReflector::Reply;

// One webcam record of a webcam reply: marker, stream address, an unused field, name,
// password needed ("Y" or "N"), password, place, stream kind.
QByteArray record(const QByteArray& address, const QByteArray& name, const QByteArray& place, const QByteArray& kind,
                  const QByteArray& password = {})
{
    return "1," + address + ",," + name + (password.isEmpty() ? ",N," : ",Y," + password) + ',' + place + ',' + kind;
}

// The demo's web server and transmitter, as "http://127.0.0.1:<port>".
struct DemoSites {
    QByteArray web;
    QByteArray transmitter;
};

// The webcams of each sample place, by the place's name: one of each stream kind (a
// transmitter camera has a kind of its own, here "Talvero"), and a snapshot webcam
// whose password is "vistrel". The snapshot webcams' picture lies on the demo web server,
// and the transmitter camera names the demo transmitter.
QList<QByteArray> sampleWebcams(const QByteArray& place, const DemoSites& sites)
{
    const QByteArray& web = sites.web;
    const QByteArray lowered = place.toLower();
    if (lowered == "france")
        return {record(web + "/cams/snapshot.jpg", "Paris Rooftops", place, "NoStream"),
                record(web + "/cams/harbour.html", "Marseille Harbour", place, "IEStream"),
                record(web + "/cams/snapshot.jpg", "Louvre Courtyard", place, "NoStream", "vistrel")};
    if (lowered == "florida")
        return {record("rtsp://127.0.0.1/miami.rm", "Miami Beach", place, "RealPlay"),
                record("mms://127.0.0.1/keys.asf", "Key West Pier", place, "MediaPlay"),
                record(sites.transmitter + "/", "Cape Launch Pad", place, "Talvero")};
    if (lowered == "techtv")
        return {record(web + "/cams/snapshot.jpg", "Lab Bench", place, "NoStream")};
    if (lowered == "international")
        return {record(web + "/cams/harbour.html", "Penguin Pool", place, "IEStream")};
    return {};
}

// The sample places, as sampleWebcams knows them.
const QList<QByteArray> kSamplePlaces = {"France", "Florida", "TechTV", "International"};

// Every topic's webcams are at the sample places: "/SumReqRet/ " + count + ";" + the
// places, comma-separated.
Reply topicAnswer()
{
    return Reply::text("/SumReqRet/ " + QByteArray::number(kSamplePlaces.size()) + ";" + kSamplePlaces.join(','));
}

// The places with a webcam whose name holds the search text (in any letter case):
// "/SumReqRetText/ " + count + 2 + ";/" + the places, "/"-separated.
Reply searchAnswer(const QByteArray& searchText, const DemoSites& sites)
{
    QList<QByteArray> places;
    for (const QByteArray& place : kSamplePlaces) {
        for (const QByteArray& webcam : sampleWebcams(place, sites)) {
            const QByteArray name = webcam.split(',').value(3);
            if (!searchText.isEmpty() && name.toLower().contains(searchText.toLower()) && !places.contains(place))
                places << place;
        }
    }
    if (places.isEmpty())
        return Reply::text("/SumReqNDFText/");
    return Reply::text("/SumReqRetText/ " + QByteArray::number(places.size() + 2) + ";/" + places.join('/'));
}

// "/ChangePass/," + user name + "," + new password + "," + old password.
Reply passwordChangeAnswer(const QByteArray& request)
{
    const QByteArray newPassword = request.split(',').value(2);
    if (newPassword.isEmpty())
        return Reply::text("/PasswordUpdatedFailed/");
    return Reply::text("/PasswordUpdated/," + newPassword);
}

// "/WC/", the records one a line, an empty line that ends them, "/EndTran/"; sent in
// two pieces, as a long reply may come.
Reply webcamReply(const QList<QByteArray>& records)
{
    const QByteArray text = "/WC/" + records.join("\r\n") + "\r\n\r\n/EndTran/";
    return Reply::text(text, 100).splitAt({int(text.size() / 2)});
}

Reply answer(const QByteArray& request, const DemoSites& sites)
{
    if (request.startsWith("/Login/")) {
        QByteArray userId = request.mid(7).split(',').value(0).trimmed();
        if (userId.isEmpty() || userId == "0")
            userId = "1001";
        return Reply::text("/Login Successful/," + userId + "\\").greetingNextConnection("/IP/127.0.0.1");
    }
    if (request.startsWith("/SumReqText/"))
        return searchAnswer(request.mid(12), sites);
    if (request.startsWith("/SumReq/"))
        return topicAnswer();
    if (request.startsWith("/ChangePass/,"))
        return passwordChangeAnswer(request);
    if (request.startsWith("DeleteConnection*/") || request.startsWith("/ForgotPassword\\"))
        return Reply::silence();
    // A directory query: a topic or category word, a comma, the place.
    const qsizetype comma = request.indexOf(',');
    const QList<QByteArray> webcams = comma < 0 ? QList<QByteArray>{} : sampleWebcams(request.mid(comma + 1), sites);
    return webcams.isEmpty() ? Reply::text("/NDF/") : webcamReply(webcams);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::optional<quint16> port = portOption(app.arguments(), "--port", 0);
    const std::optional<quint16> webPort = portOption(app.arguments(), "--web-port", 8080);
    const std::optional<quint16> transmitterPort = portOption(app.arguments(), "--transmitter-port", 8090);
    if (!port || !webPort || !transmitterPort) {
        std::fprintf(stderr,
                     "usage: fake-reflector [--port <port>] [--web-port <port>] [--transmitter-port <port>]"
                     " [--request-log <file>]\n");
        return 2;
    }
    const DemoSites sites{"http://127.0.0.1:" + QByteArray::number(*webPort),
                          "http://127.0.0.1:" + QByteArray::number(*transmitterPort)};

    RequestLog requestLog;
    if (!requestLog.open(app.arguments())) {
        std::fprintf(stderr, "fake-reflector cannot write %s\n", qPrintable(requestLog.fileName()));
        return 1;
    }

    FakeReflector reflector;
    reflector.setResponder([sites](const QByteArray& request) { return answer(request, sites); });
    QObject::connect(&reflector, &FakeReflector::requestReceived, [&reflector, &requestLog](int index) {
        const FakeReflector::Request& request = reflector.requests()[index];
        requestLog.record(index, request.connection, request.text);
    });
    if (!reflector.listen(*port)) {
        std::fprintf(stderr, "fake-reflector cannot listen: %s\n", qPrintable(reflector.errorString()));
        return 1;
    }
    std::printf("fake-reflector listening on 127.0.0.1:%u\n", unsigned(reflector.port()));
    std::fflush(stdout);
    return app.exec();
}
