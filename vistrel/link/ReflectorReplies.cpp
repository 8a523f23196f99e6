#include "link/AdvertPage.h"
#include "link/ReflectorSession.h"
#include "link/ServerSettingsFile.h"
#include "link/UserSettingsFile.h"
#include "platform/Codec.h"
#include "platform/OneShotTimer.h"

using Lamp = ReflectorSession::Lamp;
using Marker = ReflectorSession::Marker;
using Window = ReflectorSession::Window;

namespace {

constexpr int kNoDataClearMs = 2000;
constexpr int kLoadedClearMs = 4000;
// "/NDF/" replies in a row that bring the hint to use the locator.
constexpr int kNoDataRepliesForHint = 3;

} // namespace

void ReflectorSession::handleChunk(const QByteArray& chunk)
{
    emit windowHideDue(Window::UserSettings);
    for (const Reply& reply : replies_.read(chunk))
        handle(reply);
}

void ReflectorSession::handle(const Reply& reply)
{
    using Kind = Reply::Kind;
    switch (reply.kind) {
    case Kind::EarlyLoginAccepted:
        takeConfirmedUserId(reply.text);
        emit statusText("Login Successful...");
        emit logLine("Login Successful...");
        connection_->socket().close();
        emit settingsSaveDue();
        break;
    case Kind::EarlyNoData:
        emit statusText("No Data found at this node..");
        emit statusClearDue(kNoDataClearMs);
        break;
    case Kind::EarlyOutsideAddress:
        if (!reply.text.isEmpty())
            emit outsideAddressSeen(reply.text);
        break;
    case Kind::Advert: takeAdvert(reply.text); break;
    case Kind::MultiLogin: endForSecondLogin(); break;
    case Kind::ServerAddresses: storeReflectorAddresses(reply); break;
    case Kind::LocatorNoTopicResult: emit locatorResult(LocatorOutcome::NoTopicResult, {}); break;
    case Kind::LocatorNoSearchResult: emit locatorResult(LocatorOutcome::NoSearchResult, {}); break;
    case Kind::LocatorTopicResult: emit locatorResult(LocatorOutcome::TopicResult, reply.locator); break;
    case Kind::LocatorSearchResult: emit locatorResult(LocatorOutcome::SearchResult, reply.locator); break;
    case Kind::WebCamsOnLine:
        if (!reply.text.isEmpty())
            emit webCamsOnLine(reply.text);
        break;
    case Kind::ReflectorAnswered:
        emit lampShown(2, Lamp::Green);
        emit markerShown(Marker::Segment2, !connection_->lastChunk().isEmpty());
        break;
    case Kind::LoginRejected:
        state_.loginFailed = true;
        emit statusText("Login Failed...");
        emit logLine("Login Failed...");
        emit loginRejected();
        // A rejected login logs the client out again.
        emit logoutDue();
        break;
    case Kind::LoginAccepted:
        state_.loginFailed = false;
        takeConfirmedUserId(reply.text);
        emit statusText("Login Successful...");
        emit logLine("Login Successful...");
        emit settingsSaveDue();
        break;
    case Kind::PasswordUpdated: takePasswordChange("Password Update was successful...", reply.text); break;
    case Kind::PasswordNotUpdated: takePasswordChange("Password Update was NOT successful...", {}); break;
    case Kind::NodeData:
        emit markerShown(Marker::Segment4Left, false);
        emit markerShown(Marker::Segment4Up, false);
        break;
    case Kind::DataRetrieved: emit logLine(" Data Retrieved Successfully"); break;
    case Kind::NoData: takeNoData(); break;
    case Kind::OutsideAddress:
        if (!reply.text.isEmpty()) {
            emit outsideAddressSeen(reply.text);
            emit outsideAddressConfirmed(reply.text);
        }
        break;
    case Kind::WebCamsFound:
        emit statusText("Data found at this node...!!!");
        noDataCount_ = 0;
        break;
    case Kind::WebCamReplyDropped: emit logLine("Webcam reply too long, dropped"); break;
    case Kind::WebCamReply: emit webCamReply(reply.text); break;
    case Kind::NodeDataEnd:
        emit statusText("Webcam Locations load complete...!!!");
        emit statusClearDue(kLoadedClearMs);
        break;
    }
}

// An ID that UserSettings.txt could not hold is not taken, or every later save would fail.
void ReflectorSession::takeConfirmedUserId(const QByteArray& userId)
{
    if (!fitsInRecord(userId)) {
        emit logLine("User ID from the reflector not taken: it holds a double quote or a line break");
        return;
    }
    if (!userId.isEmpty())
        emit userIdConfirmed(userId);
}

void ReflectorSession::takeAdvert(const QByteArray& address)
{
    // An advert without an address leaves the one pending.
    if (address.isEmpty())
        return;
    advertTimer_->setEnabled(true);
    advertTimer_->setInterval(kAdvertDelayMs);
    state_.advertUrl = address;
}

void ReflectorSession::endForSecondLogin()
{
    // The program is ending: later reports of the second login are ignored.
    if (endingForSecondLogin_)
        return;
    endingForSecondLogin_ = true;
    emit secondLoginReported();
}

// New reflector addresses, for the next start. A missing address keeps its line.
void ReflectorSession::storeReflectorAddresses(const Reply& reply)
{
    const QByteArray& primary = reply.text;
    const QByteArray& backup = reply.second;
    if (!primary.isEmpty() || !backup.isEmpty()) {
        ServerAddresses addresses = readServerSettingsFile();
        if (!primary.isEmpty())
            addresses.primary = primary;
        if (!backup.isEmpty())
            addresses.backup = backup;
        const platform::FileWriteResult written = writeServerSettingsFile(addresses);
        if (!written)
            emit logLine("Could not save the new reflector addresses: " + platform::toCp1252(written.errorDescription));
    }
    emit windowHideDue(Window::ServerSettings);
}

void ReflectorSession::takePasswordChange(const QByteArray& outcome, const QByteArray& newPassword)
{
    emit passwordChangeAnswered(outcome);
    emit statusText(outcome);
    emit logLine(outcome);
    if (!passwordRestorable(newPassword))
        emit logLine("New password from the reflector not taken: it holds code 255, "
                     "which the settings file cannot give back");
    else if (!newPassword.isEmpty())
        emit passwordConfirmed(newPassword);
    emit settingsSaveDue();
}

// The third "/NDF/" in a row offers the locator.
void ReflectorSession::takeNoData()
{
    emit statusText("No Data found at this node..");
    if (++noDataCount_ >= kNoDataRepliesForHint) {
        noDataCount_ = 0;
        emit locatorHintDue();
    }
    emit noDataAtPlace();
    emit statusClearDue(kNoDataClearMs);
}
