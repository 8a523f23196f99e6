#pragma once
// The pages of the demo's product web server (fake-webserver): the reflector's address,
// the server status page, the tip of the day's picture, a picture and a page for the
// sample webcams, and the update check's version text. The version text names the
// program's own version, so the update check finds the program up to date; with an
// offered executable it names the next revision and serves that file as the download.
#include <QByteArray>

class FakeWebServer;

inline constexpr char kTipPicturePage[] = "/ToolTips/WCradiotowerMessage.gif";

void serveDemoPages(FakeWebServer& server, const QByteArray& offeredExecutable = {});

// The tip of the day's picture: a radio tower with a tip beside it, as a GIF.
QByteArray tipPicture();
