#include "UpdateCheck.h"

#include "UpdateTransferTexts.h"
#include "UpdateVersion.h"
#include "platform/Services.h"

#include <utility>

UpdateCheck::UpdateCheck(QByteArray runningVersion, QString downloadPath, QObject* parent)
    : QObject(parent), runningVersion_(std::move(runningVersion)), downloadPath_(std::move(downloadPath))
{
    handOverTimer_.setEnabled(false);
    connect(&handOverTimer_, &platform::Timer::tick, this, [this] {
        end();
        emit handOverDue();
    });
}

UpdateCheck::~UpdateCheck()
{
    dropTransfer();
}

bool UpdateCheck::start()
{
    if (isRunning())
        return false;
    phase_ = Phase::FetchingVersion;
    fetch(kVersionPage, kVersionTextSizeCap);
    return true;
}

void UpdateCheck::cancel()
{
    end();
}

void UpdateCheck::fetch(const char* page, qint64 sizeCap)
{
    dropTransfer();
    transfer_ = new platform::HttpTransfer(this);
    transfer_->setSizeCap(sizeCap);
    connect(transfer_, &platform::HttpTransfer::stateChanged, this, &UpdateCheck::onStateChanged);
    connect(transfer_, &platform::HttpTransfer::finished, this, &UpdateCheck::onFinished);
    transfer_->start(platform::webServerPage(QString::fromLatin1(page)));
}

void UpdateCheck::onStateChanged(int state)
{
    for (const QString& text : transferStateTexts(state))
        emit statusTextChanged(text);
}

void UpdateCheck::onFinished(const platform::HttpTransfer::Result& result)
{
    if (!result.ok) {
        fail(result.errorDescription);
        return;
    }
    if (phase_ == Phase::FetchingVersion)
        onVersionFetched(result.body);
    else if (phase_ == Phase::Downloading)
        onExecutableFetched(result.body);
}

void UpdateCheck::onVersionFetched(const QByteArray& text)
{
    emit versionTextFetched(withoutLineEnds(text));
    if (!isRunning())
        return;
    if (isRunningVersion(text, runningVersion_)) {
        end();
        emit upToDate();
        return;
    }
    phase_ = Phase::Downloading;
    fetch(kExecutablePage, platform::HttpTransfer::kDefaultSizeCap);
}

void UpdateCheck::onExecutableFetched(const QByteArray& body)
{
    QString problem = executableProblem(body);
    if (problem.isEmpty())
        problem = writeUpdateDownload(downloadPath_, body);
    if (!problem.isEmpty()) {
        fail(problem);
        return;
    }
    phase_ = Phase::WaitingToHandOver;
    emit downloaded(downloadPath_);
    if (phase_ == Phase::WaitingToHandOver) {
        handOverTimer_.setEnabled(true);
        handOverTimer_.setInterval(kHandOverDelayMs);
    }
}

void UpdateCheck::end()
{
    phase_ = Phase::Idle;
    handOverTimer_.setEnabled(false);
    dropTransfer();
}

void UpdateCheck::fail(const QString& description)
{
    end();
    emit failed(description);
}

void UpdateCheck::dropTransfer()
{
    // The transfer may be the sender of the signal being handled: let it go later.
    if (platform::HttpTransfer* transfer = std::exchange(transfer_, nullptr)) {
        transfer->disconnect(this);
        transfer->deleteLater();
    }
}
