#include "link/ReflectorSession.h"

#include "link/AdvertPage.h"
#include "link/ReflectorSessionJobs.h"
#include "link/ReflectorSettings.h"
#include "platform/OneShotTimer.h"

#include <QPointer>

#include <functional>
#include <utility>

using Lamp = ReflectorSession::Lamp;

namespace {

// Settings that give the empty text for every value, until the windows provide theirs.
class NoSettings final : public ReflectorSettings {
public:
    QString primaryAddress() const override { return {}; }
    QString backupAddress() const override { return {}; }
    QString portText() const override { return {}; }
    QByteArray userId() const override { return {}; }
    QByteArray userName() const override { return {}; }
    QByteArray password() const override { return {}; }
    QByteArray outsideAddress() const override { return {}; }
};

QPointer<ReflectorSession>& sessionSlot()
{
    static QPointer<ReflectorSession> session;
    return session;
}

std::function<void(ReflectorSession&)>& sessionObserver()
{
    static std::function<void(ReflectorSession&)> observe;
    return observe;
}

} // namespace

ReflectorSession::ReflectorSession(QObject* parent)
    : QObject(parent), connection_(new ReflectorConnection(state_, this)),
      advertTimer_(new platform::OneShotTimer(this)), loginConnectLimit_(new platform::OneShotTimer(this)),
      loginSendLimit_(new platform::OneShotTimer(this)), rejectionWindow_(new platform::OneShotTimer(this)),
      logoutConnectLimit_(new platform::OneShotTimer(this)), logoutSendLimit_(new platform::OneShotTimer(this)),
      requestConnectLimit_(new platform::OneShotTimer(this)), requestSendLimit_(new platform::OneShotTimer(this)),
      settings_(std::make_unique<NoSettings>())
{
    for (platform::OneShotTimer* timer :
         {advertTimer_, loginConnectLimit_, loginSendLimit_, rejectionWindow_, logoutConnectLimit_, logoutSendLimit_,
          requestConnectLimit_, requestSendLimit_}) {
        timer->stop();
    }
    QObject::connect(advertTimer_, &platform::Timer::tick, this, [this] { openAdvertisedPage(state_.advertUrl); });
    // The lamps first: the jobs, joined after them, take each event once it is shown.
    QObject::connect(connection_, &ReflectorConnection::connected, this, [this] { emit lampShown(1, Lamp::Green); });
    QObject::connect(connection_, &ReflectorConnection::closedByPeer, this, [this] { emit lampShown(1, Lamp::Red); });
    QObject::connect(connection_, &ReflectorConnection::chunkReceived, this, &ReflectorSession::handleChunk);
    login_ = std::make_unique<Login>(*this);
    logout_ = std::make_unique<Logout>(*this);
    requests_ = std::make_unique<Requests>(*this);
}

ReflectorSession::~ReflectorSession() = default;

bool ReflectorSession::busy() const
{
    return status_ != Status::LoggedOut && status_ != Status::LoggedIn;
}

void ReflectorSession::setStatus(Status status)
{
    if (status == status_)
        return;
    status_ = status;
    emit statusChanged(status);
    if (!busy())
        requests_->startNext();
}

void ReflectorSession::setSettings(std::unique_ptr<ReflectorSettings> settings)
{
    settings_ = settings ? std::move(settings) : std::make_unique<NoSettings>();
}

const ReflectorSettings& ReflectorSession::settings() const
{
    return *settings_;
}

// --- The program's session ------------------------------------------------------------------

void observeReflectorSessions(std::function<void(ReflectorSession&)> observe)
{
    sessionObserver() = std::move(observe);
}

ReflectorSession& reflectorSession()
{
    QPointer<ReflectorSession>& session = sessionSlot();
    if (!session) {
        session = new ReflectorSession();
        if (sessionObserver())
            sessionObserver()(*session);
    }
    return *session;
}

void endReflectorSession()
{
    delete sessionSlot().data();
}
