#include "directory/WebCamOpening.h"

#include "common/Lexmara.h"
#include "directory/NodeClick.h"
#include "directory/PlayerStart.h"
#include "directory/ProgramWindows.h"
#include "directory/SnapshotWindows.h"
#include "directory/TreeNodes.h"
#include "directory/WebCamRecord.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/LetterCase.h"
#include "platform/OneShotTimer.h"
#include "platform/RuntimeError.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QUrl>

using platform::fromCp1252;

namespace {

constexpr int kPlayerStartMarkMs = 3000; // Timer1 after a media player start for an "asx" address
constexpr int kBrowserMarkMs = 3000;     // Timer12 once a webcam gets past its password

// The reflector relays the camera on its port 81: "http://<main reflector>:81/?go=<camera host>".
void showRelayAddress(ProgramWindows& windows, const QByteArray& address)
{
    MainWindow& main = windows.main();
    const QString reflector = windows.link.serverSettings().primaryAddress();
    main.relayAddressBox->setEditText(QStringLiteral("http://") + reflector + QStringLiteral(":81/?go=")
                                      + fromCp1252(gLexmara.GetDelimited(address, 3, "/")));
}

// Marks the time a webcam opened. Pages open through the launcher, so nothing needs
// preparing for the browser here.
void markWebCamOpened(MainWindow& main)
{
    main.browserOpened->setEnabled(true);
    main.browserOpened->setInterval(kBrowserMarkMs);
}

// A stream whose address names a transmitter by a dotted address and a port
// (http://10.1.2.3:8080/) puts that address into the transmitter box.
void fillTransmitterAddress(MainWindow& main, const QByteArray& address)
{
    if (gLexmara.ItemCount(address, ":") != 2 || gLexmara.ItemCount(address, ".") != 3)
        return;
    main.transmitterAddressBox->setText(
        fromCp1252(gLexmara.StripCharacter(gLexmara.GetDelimited(address, 2, ":"), "/")));
}

// A player that did not start: a missing one opens the player search window, one that
// is there but failed is reported with the reason.
void reportPlayerNotStarted(ProgramWindows& windows, PlayerKind kind, const std::optional<QByteArray>& path,
                            const platform::StartResult& start)
{
    if (start.programMissing)
        openPlayerSearch(windows.tools.playerSearch(), kind);
    else
        showPlayerStartFailure(path.value_or(QByteArray()), start);
}

void openInRealPlayer(ProgramWindows& windows, const QByteArray& address)
{
    const std::optional<QByteArray> path = readPlayerPath(PlayerKind::RealPlayer);
    if (const platform::StartResult start = startPlayer(path.value_or(QByteArray()), address); !start)
        reportPlayerNotStarted(windows, PlayerKind::RealPlayer, path, start);
    if (!path)
        raisePlayerPathFileMissing(PlayerKind::RealPlayer);
}

// The address "n" starts nothing.
void openInMediaPlayer(ProgramWindows& windows, const QByteArray& address, bool markStart)
{
    MainWindow& main = windows.main();
    const std::optional<QByteArray> path = readPlayerPath(PlayerKind::MediaPlayer);
    if (address != "n") {
        if (const platform::StartResult start = startPlayer(path.value_or(QByteArray()), address); !start) {
            reportPlayerNotStarted(windows, PlayerKind::MediaPlayer, path, start);
            if (!path)
                raisePlayerPathFileMissing(PlayerKind::MediaPlayer);
            return;
        }
    }
    if (markStart) {
        main.mediaPlayerStarted->setEnabled(true);
        main.mediaPlayerStarted->setInterval(kPlayerStartMarkMs);
    }
    fillTransmitterAddress(main, address);
    if (!path)
        raisePlayerPathFileMissing(PlayerKind::MediaPlayer);
}

// A page address as the browser gets it. One without a scheme ("www.host/cam.html",
// "host:8080/cam.html": a colon before a port starts no scheme) is a web address; one
// with a scheme keeps it, and the launcher opens only http and https.
QUrl webPageOf(const QByteArray& address)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?!\\d+(/|$))"));
    const QString text = fromCp1252(address);
    return QUrl(scheme.match(text).hasMatch() ? text : QStringLiteral("http://") + text, QUrl::StrictMode);
}

// Opens the page in the browser; a page that does not open is told with the reason.
void openWebPage(const QByteArray& address)
{
    const QUrl page = webPageOf(address);
    if (const platform::PageResult opened = platform::launcher().openPage(page); !opened)
        platform::dialogs().messageBox(
            platform::pageFailureMessage(page.isValid() ? page.toString() : fromCp1252(address), opened));
}

// Web pages open in the browser, still pictures in a snapshot window, other addresses
// in the media player. A missing media player ends the click without a message.
void openPageOrPicture(ProgramWindows& windows, const QByteArray& nodeText, const QByteArray& address,
                       const QByteArray& kind)
{
    if (kind.contains("IEStream")) {
        openWebPage(address);
        return;
    }
    if (nodeText.contains("NoStream")) {
        snapshotWindows().open(windows.snapshot, nodeText, address);
        return;
    }
    if (address.isEmpty())
        return;
    const std::optional<QByteArray> path = readPlayerPath(PlayerKind::MediaPlayer);
    if (!path) {
        openPlayerSearch(windows.tools.playerSearch(), PlayerKind::MediaPlayer);
        return;
    }
    if (const platform::StartResult start = startPlayer(*path, address); !start && !start.programMissing)
        showPlayerStartFailure(*path, start);
}

// Position of the first occurrence, from 1; 0 when absent.
qsizetype positionOf(const QByteArray& text, const char* sought)
{
    return text.indexOf(sought) + 1;
}

QByteArray& chosenStream()
{
    static QByteArray address;
    return address;
}

// Opens a webcam that may open: it needs no password, or the right one was given.
void openWebCam(ProgramWindows& windows, const WebCamRecord& webCam, const QByteArray& nodeText)
{
    const QByteArray& address = webCam.streamAddress;
    showRelayAddress(windows, address);
    markWebCamOpened(windows.main());

    if (positionOf(address, ".rm") > 1 || positionOf(address, ".ram") > 1 || positionOf(address, ".ssf") > 1)
        openInRealPlayer(windows, address);
    else if (address.contains("asx") || address.contains("ASX"))
        openInMediaPlayer(windows, address, true);
    else if (webCam.kind == "IEStream" || webCam.kind == "NoStream")
        openPageOrPicture(windows, nodeText, address, webCam.kind);
    else
        openInMediaPlayer(windows, address, false);
}

// The click whose webcam waits for the password prompt's answer.
QMetaObject::Connection& clickAwaitingPassword()
{
    static QMetaObject::Connection click;
    return click;
}

// Shows the password prompt; the webcam opens on OK with the right password in the box.
// Cancel, closing the prompt, or the prompt going away for another click's answer ends
// the click: a later click's prompt takes the answer over. The rest of the click runs
// from the prompt's answer, so its failures go to the click's error report from there.
void askPasswordThenOpen(ProgramWindows& windows, const WebCamRecord& webCam, const QByteArray& nodeText)
{
    WebCamPasswordPrompt& prompt = windows.webCamPasswordPrompt();
    QObject::disconnect(clickAwaitingPassword());
    clickAwaitingPassword() = QObject::connect(
        &prompt, &WebCamPasswordPrompt::answered, &prompt,
        [&windows, &prompt, webCam, nodeText](bool ok) {
            if (!ok)
                return;
            if (platform::toCp1252(prompt.password()) != webCam.password) {
                platform::dialogs().messageBox(QStringLiteral("Password is incorrect"));
                return;
            }
            try {
                openWebCam(windows, webCam, nodeText);
            } catch (const platform::RuntimeError& error) {
                reportNodeClickError(error.number());
            }
        },
        Qt::SingleShotConnection);
    prompt.show();
    prompt.raise();
    prompt.activateWindow();
}

} // namespace

const QByteArray& chosenStreamAddress()
{
    return chosenStream();
}

void openWebCamOfNode(ProgramWindows& windows, TreeNode& node)
{
    if (!node.webCam) {
        chosenStream().clear();
        return;
    }
    // The password prompt's answer comes from the event loop, and the tree may be
    // emptied meanwhile: everything the click needs of the node is taken now.
    const WebCamRecord webCam = *node.webCam;
    const QByteArray nodeText = node.nodeText();
    chosenStream() = webCam.streamAddress;
    if (platform::upperCase(webCam.passwordNeeded) != "Y") {
        openWebCam(windows, webCam, nodeText);
        return;
    }
    askPasswordThenOpen(windows, webCam, nodeText);
}
