#include "WindowOwner.h"

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QTest>

namespace {

// Generous, for a busy machine; the waits end as soon as the helper has answered.
// They are real times, not shortened by the time scale that a test may set.
constexpr int kAnswerLimitMs = 30000;

} // namespace

WindowOwner::WindowOwner(const QByteArray& display, const QStringList& options)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QString::fromLocal8Bit(display));
    process_.setProcessEnvironment(environment);
    // The test programs and the helper are built into the same folder.
    process_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/window-owner"), options);
    bool isNumber = false;
    window_ = nextLine().trimmed().toUInt(&isNumber);
    ready_ = isNumber;
    if (!ready_)
        failure_ = QStringLiteral("window-owner did not come up: %1 %2")
                       .arg(process_.errorString(), QString::fromLocal8Bit(process_.readAllStandardError()));
}

WindowOwner::~WindowOwner()
{
    if (!end()) {
        process_.kill();
        process_.waitForFinished();
    }
}

bool WindowOwner::closeWindow()
{
    process_.write("close\n");
    return nextLine() == "closed\n";
}

QByteArray WindowOwner::nextLine()
{
    const bool answered = QTest::qWaitFor(
        [this] { return process_.canReadLine() || process_.state() == QProcess::NotRunning; }, kAnswerLimitMs);
    return answered ? process_.readLine() : QByteArray();
}

bool WindowOwner::end()
{
    if (process_.state() == QProcess::NotRunning)
        return true;
    process_.closeWriteChannel();
    return QTest::qWaitFor([this] { return process_.state() == QProcess::NotRunning; }, kAnswerLimitMs);
}
