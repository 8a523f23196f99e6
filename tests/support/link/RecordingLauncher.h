#pragma once
// A launcher for tests: records every program start and page opened, and
// starts nothing. Starts and pages succeed unless a test says otherwise.
#include "platform/Launcher.h"

#include <QList>

class RecordingLauncher final : public platform::Launcher {
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };

    // The reasons the failures below give.
    static QString missingProgramReason() { return QStringLiteral("No such file or directory"); }
    static QString noBrowserReason() { return QStringLiteral("no web browser could be started"); }

    // false: every start fails as for a program that is not there.
    void setStartsSucceed(bool succeed) { startFailure_ = succeed ? Failure{} : Failure{true, true, {}}; }
    // Every start fails for the reason, with the program there (a file that cannot run).
    void setStartsFail(const QString& reason) { startFailure_ = {true, false, reason}; }
    // false: no page opens, as without a browser.
    void setPagesOpen(bool open) { pagesOpen_ = open; }

    const QList<Start>& starts() const { return starts_; }
    const QList<QUrl>& pages() const { return pages_; }

    // Each successful start gets the next made-up process id, from 1000 on.
    platform::StartResult startProgram(const QString& program, const QStringList& arguments,
                                       const QString& workingFolder = {}) override;
    // Records every page, also the ones the real launcher would refuse, and
    // answers as the real one would.
    platform::PageResult openPage(const QUrl& page) override;

private:
    struct Failure {
        bool fails = false;
        bool programMissing = false;
        QString reason; // empty: missingProgramReason()
    };

    Failure startFailure_;
    bool pagesOpen_ = true;
    qint64 nextProcessId_ = 1000;
    QList<Start> starts_;
    QList<QUrl> pages_;
};
