#include "ReplyParser.h"

#include "common/Globals.h"
#include "common/Lexmara.h"
#include "directory/MainVODA.h"
#include "frmClient.h"
#include "frmSystemStatus.h"
#include "frmUserSettings.h"
#include "platform/Codec.h"
#include "platform/Forms.h"
#include "platform/RuntimeError.h"
#include "LampPiece.h"
#include "MainStatus.h"
#include "TrafficMarker.h"

#include <QLabel>
#include <QPushButton>

using platform::form;

namespace {

void appendLogLine(const QByteArray& line)
{
    form<frmSystemStatus>().appendLogLine(line);
}

// Writes the user ID that the reflector confirmed into the user settings, when it
// differs from the one held. A reply too garbled to cut leaves the held ID alone.
void keepConfirmedUserId(const QByteArray& chunk)
{
    QByteArray userId;
    try {
        userId = platform::trimBlanks(gLexmara.Pluck(chunk, ",", "\\"));
    } catch (const platform::RuntimeError&) {
        return;
    }
    QLineEdit* box = form<frmUserSettings>().txtUserID;
    const QString text = platform::fromCp1252(userId);
    if (box->text() != text)
        box->setText(text);
}

// A rejected login logs the client out again.
void runDisconnectCommand()
{
    form<MainVODA>().mnuDisconnect_Click();
}

} // namespace

void ParseReplyEarly(const QByteArray& chunk)
{
    form<frmUserSettings>().setVisible(false);
    if (chunk.isEmpty())
        return;
    if (chunk.contains("/Login Successful/")) {
        keepConfirmedUserId(chunk);
        showMainStatus("Login Successful...");
        appendLogLine("Login Successful...");
        form<frmClient>().tcpClient->Close();
        form<frmUserSettings>().Command1_Click();
    }
}

void ParseReply(const QByteArray& chunk)
{
    if (chunk.isEmpty())
        return;

    frmSystemStatus& status = form<frmSystemStatus>();
    status.cmdGreen2_Click();
    status.imgSegment2SendData->setVisible(!form<frmClient>().txtReceive->text().isEmpty());

    if (chunk.contains("/Login Failed/")) {
        gLoginFailed = true;
        showMainStatus("Login Failed...");
        appendLogLine("Login Failed...");
        frmUserSettings& settings = form<frmUserSettings>();
        settings.lblWarning->setVisible(true);
        settings.cmdRetry->setVisible(true);
        settings.show();
        runDisconnectCommand();
    } else if (chunk.contains("/Login Successful/")) {
        gLoginFailed = false;
        keepConfirmedUserId(chunk);
        showMainStatus("Login Successful...");
        appendLogLine("Login Successful...");
        form<frmUserSettings>().Command1_Click();
    }
}
