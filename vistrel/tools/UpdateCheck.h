#pragma once
// The update check: fetches the version text the product web server offers, compares
// it with the running version and, when they differ, downloads the new executable to
// the updater's download path (UpdateDownload.h). The window that shows it reports
// the outcome and, when handOverDue comes, carries out the hand-over (UpdateHandOver.h).
//
// The hand-over only ever follows this check's own download, written completely and
// accepted as an executable; a failed fetch of either file ends the check with its
// error. While a check runs, every state of its transfers arrives as a status text.
#include "UpdateDownload.h"
#include "platform/HttpTransfer.h"
#include "platform/OneShotTimer.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class UpdateCheck : public QObject {
    Q_OBJECT
public:
    // Pages of the product web server (services().webServerBase).
    static constexpr char kVersionPage[] = "/updates/viewver.txt";
    static constexpr char kExecutablePage[] = "/updates/Vistrel.exe";
    // The pause between the written download and the hand-over, so the user can read
    // the last status text; real milliseconds, scaled by the time scale.
    static constexpr int kHandOverDelayMs = 9000;
    // The version text is one short line; anything longer is not one.
    static constexpr qint64 kVersionTextSizeCap = 4096;

    // runningVersion as versionText gives it; downloadPath where the new executable goes.
    explicit UpdateCheck(QByteArray runningVersion, QString downloadPath = updateDownloadPath(),
                         QObject* parent = nullptr);
    ~UpdateCheck() override;

    const QByteArray& runningVersion() const { return runningVersion_; }
    const QString& downloadPath() const { return downloadPath_; }

    // Starts a check; false, and nothing started, while one runs.
    bool start();
    // Ends the running check at once, also a pending hand-over; no signal follows.
    // The window calls it when it closes.
    void cancel();
    bool isRunning() const { return phase_ != Phase::Idle; }

signals:
    // The state of the current transfer, in the words of the status bar.
    void statusTextChanged(const QString& text);
    // The fetched version text with CR and LF removed.
    void versionTextFetched(const QByteArray& text);
    // The server offers the running version; the check has ended.
    void upToDate();
    // A fetch or the write failed; the check has ended, nothing is handed over.
    void failed(const QString& description);
    // The new executable is written to downloadPath(); handOverDue follows.
    void downloaded(const QString& path);
    // Time for the window to hand over; the check has ended.
    void handOverDue();

private:
    enum class Phase { Idle, FetchingVersion, Downloading, WaitingToHandOver };

    void fetch(const char* page, qint64 sizeCap);
    void onStateChanged(int state);
    void onFinished(const platform::HttpTransfer::Result& result);
    void onVersionFetched(const QByteArray& text);
    void onExecutableFetched(const QByteArray& body);
    void end();
    void fail(const QString& description);
    void dropTransfer();

    QByteArray runningVersion_;
    QString downloadPath_;
    Phase phase_ = Phase::Idle;
    // One transfer per check, so that a cancelled one can be let go while it runs.
    platform::HttpTransfer* transfer_ = nullptr;
    platform::OneShotTimer handOverTimer_;
};
