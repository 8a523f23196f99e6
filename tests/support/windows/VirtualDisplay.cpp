#include "VirtualDisplay.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace {

// Generous, for a busy machine; the waits end as soon as the server has answered.
// They are real times, not shortened by the time scale that a test may set.
constexpr int kStartLimitMs = 30000;
constexpr int kStopLimitMs = 10000;

} // namespace

VirtualDisplay::VirtualDisplay()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        failure_ = QStringLiteral("Xvfb is not installed (scripts/install-deps installs it)");
        return;
    }
    // With -displayfd the server takes the first free display number and writes it,
    // once it accepts clients, to the descriptor given: here its standard output.
    server_.setProcessChannelMode(QProcess::SeparateChannels);
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start(xvfb,
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                   QStringLiteral("tcp"), QStringLiteral("-noreset"), QStringLiteral("-screen"), QStringLiteral("0"),
                   QStringLiteral("640x480x24")});
    const bool answered = QTest::qWaitFor(
        [this] { return server_.canReadLine() || server_.state() == QProcess::NotRunning; }, kStartLimitMs);
    const QByteArray number = server_.readLine().trimmed();
    if (!answered || number.isEmpty()) {
        failure_ = QStringLiteral("Xvfb did not report a display: %1").arg(server_.errorString());
        stop();
        return;
    }
    name_ = ':' + number;
}

VirtualDisplay::~VirtualDisplay()
{
    endServer();
    if (!heldLock_.isEmpty())
        QFile::remove(heldLock_);
}

void VirtualDisplay::stop()
{
    const QByteArray number = name_.mid(1);
    if (endServer() && !number.isEmpty())
        holdDisplayNumber(number);
}

bool VirtualDisplay::endServer()
{
    name_.clear();
    if (server_.state() == QProcess::NotRunning)
        return false;
    server_.terminate();
    if (!QTest::qWaitFor([this] { return server_.state() == QProcess::NotRunning; }, kStopLimitMs)) {
        server_.kill();
        server_.waitForFinished();
    }
    return true;
}

void VirtualDisplay::holdDisplayNumber(const QByteArray& number)
{
    // An X server skips a display whose lock file names a living process: the server
    // wrote its process id there in ten columns and a line end, and removed it on exit.
    QFile lock(QStringLiteral("/tmp/.X%1-lock").arg(QString::fromLatin1(number)));
    if (!lock.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return;
    lock.write(QByteArray::number(QCoreApplication::applicationPid()).rightJustified(10, ' ') + '\n');
    heldLock_ = lock.fileName();
}
