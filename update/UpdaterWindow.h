#pragma once
// The updater's one window, "Auto Update". Once started it waits 30 s with its
// progress bar running, then looks for the downloaded executable; when it is there
// it keeps a backup of the installed executable (".old" appended), puts the new one
// in its place, shows the completion text and ends 2 s later. A download that is not
// a whole executable for this computer is refused with its reason before anything is
// touched. A missing download is looked for again every 30 s, six times in all,
// before the updater gives up.
// Every failure shows "Update Failed..." and ends with the installed executable as
// it was.
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;

namespace updater {

class FileSteps;
class UpdaterDialogs;

struct UpdaterSetup {
    QString downloadedFile;
    QString installedFile;
    UpdaterDialogs* dialogs = nullptr;
    FileSteps* fileSteps = nullptr;
    // Ends the updater with an exit code: 0 after a replacement, 1 after a failure.
    std::function<void(int)> end;
};

class UpdaterWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kCheckIntervalMs = 30000;
    static constexpr int kProgressStepMs = 1000;
    static constexpr int kProgressSteps = 30;
    static constexpr int kChecks = 6;
    static constexpr int kEndDelayMs = 2000;

    explicit UpdaterWindow(UpdaterSetup setup, QWidget* parent = nullptr);

    // Starts the first wait.
    void start();

    // Checks that did not find the download so far.
    int missedChecks() const { return missedChecks_; }

signals:
    // After a check that did not find the download, before the next wait.
    void downloadMissed(int missedChecks);

private:
    void startWait();
    void check();
    void replace();
    void advanceProgress();
    void fail(const QString& reason);

    UpdaterSetup setup_;
    QLabel* label_;
    QProgressBar* progressBar_;
    QTimer checkTimer_;
    QTimer progressTimer_;
    QTimer endTimer_;
    int missedChecks_ = 0;
    int progressTicks_ = 0;
};

} // namespace updater
