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

    void setStartsSucceed(bool succeed) { startsSucceed_ = succeed; }
    void setPagesOpen(bool open) { pagesOpen_ = open; }

    const QList<Start>& starts() const { return starts_; }
    const QList<QUrl>& pages() const { return pages_; }

    // Each successful start gets the next made-up process id, from 1000 on.
    platform::StartResult startProgram(const QString& program, const QStringList& arguments,
                                       const QString& workingFolder = {}) override;
    // Records every page, also the ones the real launcher would refuse, and
    // answers as the real one would.
    bool openPage(const QUrl& page) override;

private:
    bool startsSucceed_ = true;
    bool pagesOpen_ = true;
    qint64 nextProcessId_ = 1000;
    QList<Start> starts_;
    QList<QUrl> pages_;
};
