#include "ReplyParser.h"

#include "AdvertPage.h"
#include "LocatorResults.h"
#include "MainStatus.h"
#include "ReplyFields.h"
#include "ServerSettingsFile.h"
#include "ui/TrafficMarker.h"
#include "UserSettingsFile.h"
#include "common/Globals.h"
#include "directory/MainVODA.h"
#include "ui/PanelStatusBar.h"
#include "directory/WebCamLoading.h"
#include "frmClient.h"
#include "linkwindows/frmServerSettings.h"
#include "linkwindows/frmSystemStatus.h"
#include "linkwindows/frmUserSettings.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "ui/Forms.h"
#include "platform/ProcessEnd.h"
#include "tools/frmSummary.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>

using ui::form;

namespace {

constexpr int kNoDataClearMs = 2000;
constexpr int kLoadedClearMs = 4000;
// "/NDF/" replies in a row that bring the hint to use the locator.
constexpr int kNoDataRepliesForHint = 3;

void appendLogLine(const QByteArray& line)
{
    form<frmSystemStatus>().appendLogLine(line);
}

// Writes a value into a box, unless the value is empty: a reply without the value
// keeps what the box holds.
void keepNonEmpty(QLineEdit* box, const QByteArray& value)
{
    const QString text = platform::fromCp1252(value);
    if (!value.isEmpty() && box->text() != text)
        box->setText(text);
}

// The user ID that the reflector confirmed: between "," and "\" after the tag. An ID
// that UserSettings.txt could not hold is not taken, or every later save would fail.
void keepConfirmedUserId(const QByteArray& chunk)
{
    const QByteArray userId = platform::trimBlanks(pluckBetween(fromTag(chunk, "/Login Successful/"), ",", "\\"));
    if (!fitsInRecord(userId)) {
        appendLogLine("User ID from the reflector not taken: it holds a double quote or a line break");
        return;
    }
    keepNonEmpty(form<frmUserSettings>().txtUserID, userId);
}

QByteArray outsideAddressOf(const QByteArray& chunk)
{
    return cleanValue(afterTag(chunk, "/IP/"));
}

// --- Locator -----------------------------------------------------------------------------

QByteArray topicSentence(const QByteArray& count)
{
    const QByteArray topic = platform::toCp1252(form<frmSummary>().cmbTopics->currentText());
    return "For the Topic = " + topic + " there are " + count + " webcams located at these nodes. ";
}

void showLocator(const QByteArray& status, const QByteArray& sentence)
{
    frmSummary& locator = form<frmSummary>();
    locator.StatusBar1->setPanelText(1, status);
    locator.Label2->setText(platform::fromCp1252(sentence));
}

void listLocatorEntries(const QList<QByteArray>& entries)
{
    QListWidget* list = form<frmSummary>().List1;
    list->clear();
    for (const QByteArray& entry : entries)
        list->addItem(platform::fromCp1252(entry));
}

void showNoTopicResult()
{
    showLocator("No Webcams for this Topic ...", topicSentence("0"));
}

void showNoSearchResult()
{
    const QByteArray search = platform::toCp1252(form<frmSummary>().Text1->text());
    showLocator("No Webcams Descriptions contain the Search String ...",
                "For the Search String " + search + " there are 0 webcams located at these nodes. ");
}

void showTopicResult(const QByteArray& chunk)
{
    const LocatorResult result = topicResultOf(chunk);
    listLocatorEntries(result.entries);
    if (result.listsLaterEntries)
        gSummaryHasEntries = true;
    showLocator("Webcam Data returned OK ...", topicSentence(result.count));
}

void showSearchResult(const QByteArray& chunk)
{
    const LocatorResult result = searchResultOf(chunk);
    listLocatorEntries(result.entries);
    const QByteArray search = platform::toCp1252(form<frmSummary>().Text1->text());
    showLocator("Webcam Data returned OK ...", "For the Search String = \"" + search + "\" there are " + result.count
                                                   + " webcams located at these nodes. ");
}

void openLocator()
{
    frmSummary& locator = form<frmSummary>();
    locator.cmbTopics->setEnabled(true);
    locator.hide();
    locator.setWindowState(Qt::WindowNoState);
    locator.show();
}

// --- Replies that end the handling of their chunk ----------------------------------------

void takeAdvert(const QByteArray& chunk)
{
    // An advert without an address leaves the one pending.
    const QByteArray address = cleanValue(afterTag(chunk, "/Adver/"));
    if (address.isEmpty())
        return;
    platform::OneShotTimer& timer = *form<frmClient>().Timer1;
    timer.setEnabled(true);
    timer.setInterval(kAdvertDelayMs);
    gAdvertUrl = address;
}

void endForSecondLogin()
{
    frmClient& client = form<frmClient>();
    if (client.endingForSecondLogin)
        return;
    client.endingForSecondLogin = true;
    platform::dialogs().messageBox(QStringLiteral("The same User is Logged in from Different Locations....\r\n"
                                                  "Disconnecting from the Server...\r\n"
                                                  "System Shutdown..."));
    form<MainVODA>().mnuDisconnect_Click();
    platform::endProcess(0);
}

// New reflector addresses, for the next start. A missing address keeps its line.
void storeReflectorAddresses(const QByteArray& chunk)
{
    const QByteArray text = fromTag(chunk, "\\LoadIP\\");
    const QByteArray primary = cleanValue(pluckBetween(text, "[", "]"));
    const QByteArray backup = cleanValue(pluckBetween(text, "{", "}"));
    if (!primary.isEmpty() || !backup.isEmpty()) {
        ServerAddresses addresses = readServerSettingsFile();
        if (!primary.isEmpty())
            addresses.primary = primary;
        if (!backup.isEmpty())
            addresses.backup = backup;
        const platform::FileWriteResult written = writeServerSettingsFile(addresses);
        if (!written)
            appendLogLine("Could not save the new reflector addresses: "
                          + platform::toCp1252(written.errorDescription));
    }
    form<frmServerSettings>().hide();
}

void showWebCamsOnLine(const QByteArray& chunk)
{
    const QByteArray count = cleanValue(delimitedField(fromTag(chunk, "/Count/"), 2, ","));
    if (!count.isEmpty())
        showMainStatusPanel(2, "Total # of Webcams on Line = " + count);
}

void takeLoginFailed()
{
    gLoginFailed = true;
    showMainStatus("Login Failed...");
    appendLogLine("Login Failed...");
    frmUserSettings& settings = form<frmUserSettings>();
    settings.lblWarning->setVisible(true);
    settings.cmdRetry->setVisible(true);
    settings.show();
    // A rejected login logs the client out again.
    form<MainVODA>().mnuDisconnect_Click();
}

void takeLoginSuccessful(const QByteArray& chunk)
{
    gLoginFailed = false;
    keepConfirmedUserId(chunk);
    showMainStatus("Login Successful...");
    appendLogLine("Login Successful...");
    form<frmUserSettings>().Command1_Click();
}

void takePasswordChange(const QByteArray& outcome, const QByteArray& newPassword)
{
    showMainStatus(outcome);
    appendLogLine(outcome);
    frmUserSettings& settings = form<frmUserSettings>();
    if (passwordRestorable(newPassword))
        keepNonEmpty(settings.txtPassword, newPassword);
    else
        appendLogLine("New password from the reflector not taken: it holds code 255, "
                      "which the settings file cannot give back");
    settings.Command1_Click();
}

// Offers the locator in the "Helpful Hint" box. Replies still come while the box waits
// for its answer; none of them opens another box.
void offerLocator(frmClient& client)
{
    if (client.hintOpen)
        return;
    const QScopedValueRollback<bool> open(client.hintOpen, true);
    const platform::MessageAnswer answer = platform::dialogs().messageBox(
        QStringLiteral("Please use Cam Locator to help you find Webcams. Click the YES button to use Cam Locator."),
        platform::MessageButtons::YesNoCancel, platform::MessageIcon::None, QStringLiteral("Helpful Hint"));
    if (answer == platform::MessageAnswer::Yes)
        openLocator();
}

// The third "/NDF/" in a row offers the locator.
void takeNoData()
{
    showMainStatus("No Data found at this node..");
    frmClient& client = form<frmClient>();
    if (++client.noDataCount >= kNoDataRepliesForHint) {
        client.noDataCount = 0;
        offerLocator(client);
    }
    if (!gSummaryHasEntries && gSummaryOpen)
        form<frmSummary>().Label2->setText(platform::fromCp1252(topicSentence("0")));
    clearMainStatusAfter(kNoDataClearMs);
    gSummaryHasEntries = false;
}

void handOver(const WebCamReplyCollector::Step& step)
{
    if (step.dropped)
        appendLogLine("Webcam reply too long, dropped");
    if (step.complete)
        LoadWebCams(*step.complete);
}

// Node data: the client's outside address, or a webcam reply or a piece of one.
void takeNodeData(const QByteArray& chunk)
{
    const bool holdsAddress = chunk.contains("/IP/");
    const bool startsWebCams = chunk.contains("/WC/");
    if (holdsAddress) {
        const QByteArray address = outsideAddressOf(chunk);
        if (!address.isEmpty()) {
            form<frmSystemStatus>().lblDBServerIPAddr->setText(platform::fromCp1252(address));
            keepNonEmpty(form<frmUserSettings>().txtIPAddress, address);
        }
    }
    frmClient& client = form<frmClient>();
    if (startsWebCams) {
        showMainStatus("Data found at this node...!!!");
        client.noDataCount = 0;
        handOver(client.webCamReply.start(chunk));
    } else if (!holdsAddress) {
        handOver(client.webCamReply.append(chunk));
    }
    showMainStatus("Webcam Locations load complete...!!!");
    clearMainStatusAfter(kLoadedClearMs);
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
    } else if (chunk.contains("/NDF/")) {
        showMainStatus("No Data found at this node..");
        clearMainStatusAfter(kNoDataClearMs);
    } else if (chunk.contains("/IP/")) {
        const QByteArray address = outsideAddressOf(chunk);
        if (!address.isEmpty())
            form<frmSystemStatus>().lblDBServerIPAddr->setText(platform::fromCp1252(address));
    }
}

void ParseReply(const QByteArray& chunk)
{
    if (chunk.isEmpty())
        return;
    if (chunk.contains("/Adver/")) {
        takeAdvert(chunk);
        return;
    }
    if (chunk.contains("/Multi Login/")) {
        endForSecondLogin();
        return;
    }
    if (chunk.contains("\\LoadIP\\"))
        storeReflectorAddresses(chunk);
    if (chunk.contains("/SumReqNDF/"))
        showNoTopicResult();
    if (chunk.contains("/SumReqNDFText/"))
        showNoSearchResult();

    if (chunk.contains("/SumReqRet/")) {
        showTopicResult(chunk);
        return;
    }
    if (chunk.contains("/SumReqRetText/")) {
        showSearchResult(chunk);
        return;
    }
    if (chunk.contains("/Count/")) {
        showWebCamsOnLine(chunk);
        return;
    }

    frmSystemStatus& status = form<frmSystemStatus>();
    status.cmdGreen2_Click();
    status.imgSegment2SendData->setVisible(!form<frmClient>().txtReceive->text().isEmpty());

    if (chunk.contains("/Login Failed/")) {
        takeLoginFailed();
        return;
    }
    if (chunk.contains("/Login Successful/")) {
        takeLoginSuccessful(chunk);
        return;
    }
    if (chunk.contains("/PasswordUpdated/")) {
        takePasswordChange("Password Update was successful...",
                           withoutLineBreaks(delimitedField(fromTag(chunk, "/PasswordUpdated/"), 2, ",")));
        return;
    }
    if (chunk.contains("/PasswordUpdatedFailed/")) {
        takePasswordChange("Password Update was NOT successful...", {});
        return;
    }
    status.imgSegment4aSendData->setVisible(false);
    status.imgSegment4bSendData->setVisible(false);

    if (chunk.size() > 10)
        appendLogLine(" Data Retrieved Successfully");
    if (chunk.contains("/NDF/")) {
        takeNoData();
        return;
    }
    takeNodeData(chunk);
}
