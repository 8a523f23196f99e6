#include "UpdaterWindow.h"

#include "DownloadListing.h"
#include "SafeReplace.h"
#include "TimeScale.h"
#include "UpdaterDialogs.h"
#include "update/ExecutableCheck.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QtDebug>

namespace updater {
namespace {

const QString kFailedText = QStringLiteral("Update Failed...");

} // namespace

UpdaterWindow::UpdaterWindow(UpdaterSetup setup, QWidget* parent)
    : QWidget(parent), setup_(std::move(setup)), label_(new QLabel(QStringLiteral("Updating Larkspire Vistrel"), this)),
      progressBar_(new QProgressBar(this))
{
    setWindowTitle(QStringLiteral("Auto Update"));
    label_->setObjectName(QStringLiteral("Label3"));
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setRange(0, kProgressSteps);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(progressBar_);
    setMinimumWidth(320);

    for (QTimer* timer : {&checkTimer_, &progressTimer_, &endTimer_})
        timer->setTimerType(Qt::PreciseTimer);
    checkTimer_.setSingleShot(true);
    endTimer_.setSingleShot(true);
    connect(&checkTimer_, &QTimer::timeout, this, &UpdaterWindow::check);
    connect(&progressTimer_, &QTimer::timeout, this, &UpdaterWindow::advanceProgress);
    connect(&endTimer_, &QTimer::timeout, this, [this] { setup_.end(0); });
}

void UpdaterWindow::start()
{
    startWait();
}

// The bar starts again from 0 with every wait, so it stays in step with the check
// even when the check's tick comes before the bar's last one.
void UpdaterWindow::startWait()
{
    progressTicks_ = 0;
    progressBar_->setValue(0);
    checkTimer_.start(scaledMs(kCheckIntervalMs));
    progressTimer_.start(scaledMs(kProgressStepMs));
}

// The bar climbs one step a second and drops to 0 at the end of the wait.
void UpdaterWindow::advanceProgress()
{
    if (++progressTicks_ >= kProgressSteps) {
        progressTicks_ = 0;
        progressTimer_.stop();
    }
    progressBar_->setValue(progressTicks_);
}

void UpdaterWindow::check()
{
    const DownloadListing listing = listDownloadedFile(setup_.downloadedFile);
    if (!listing.error.isEmpty()) {
        setup_.dialogs->message(listing.error);
        fail(listing.error);
        return;
    }
    if (listing.found) {
        replace();
        return;
    }
    ++missedChecks_;
    if (missedChecks_ < kChecks) {
        emit downloadMissed(missedChecks_);
        startWait();
        return;
    }
    setup_.dialogs->message(QStringLiteral("File is missing on root."));
    fail(QStringLiteral("no download at %1 after %2 checks").arg(setup_.downloadedFile).arg(kChecks));
}

// Only a whole executable for this computer is installed: a download that merely
// starts like one (cut short, or the magic followed by anything) would leave a
// program that does not run. It is refused before anything is touched. The backup
// is made next and the same safe way; without it nothing is replaced.
void UpdaterWindow::replace()
{
    const ExecutableCheck download = checkExecutableFile(QFile::encodeName(setup_.downloadedFile).constData());
    if (!download.passed()) {
        const QString error = QStringLiteral("The downloaded file %1 is not a whole program for this computer: %2")
                                  .arg(setup_.downloadedFile, QString::fromLocal8Bit(download.description()));
        setup_.dialogs->message(error);
        fail(error);
        return;
    }
    const QString& installed = setup_.installedFile;
    QString error = replaceFileSafely(installed, installed + QStringLiteral(".old"), installed, *setup_.fileSteps);
    if (error.isEmpty())
        error = replaceFileSafely(setup_.downloadedFile, installed, installed, *setup_.fileSteps);
    if (!error.isEmpty()) {
        fail(error);
        return;
    }
    label_->setText(QStringLiteral("Auto Update Complete ....."));
    label_->repaint();
    endTimer_.start(scaledMs(kEndDelayMs));
}

void UpdaterWindow::fail(const QString& reason)
{
    qWarning().noquote() << "update failed:" << reason;
    checkTimer_.stop();
    progressTimer_.stop();
    setup_.dialogs->message(kFailedText);
    setup_.end(1);
}

} // namespace updater
