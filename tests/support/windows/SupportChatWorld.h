#pragma once
// A support chat test's world: the frame tests' world (program folder, services,
// short limits, windows destroyed at the end), a fake support side listening for the
// four channels and the offline message, the chat's ports pointed at it, and the chat
// window loaded (its listener on a port the system chose). The ports are written into
// the settings file by hand, as the README tells a user to. The user is "ann".
#include "Control.h"
#include "FakeSupportPeer.h"
#include "FrameWorld.h"
#include "RealTimeWait.h"

#include "TestWindows.h"
#include "chat/SupportChatPorts.h"
#include "chat/SupportChatWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/SocketControl.h"
#include "platform/Wait.h"

#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QTest>
#include <QTimer>

#include <utility>

// Adds a [SupportChat] section to the end of the settings file by hand, as a user
// copies the lines that fake-support prints: one "Key=value" line each.
inline bool addSupportChatSection(const QString& settingsFile, const QList<std::pair<QByteArray, QByteArray>>& values)
{
    QByteArray lines = QByteArray("\n[") + chat::kSettingsFileSection + "]\n";
    for (const auto& [key, value] : values)
        lines += key + '=' + value + '\n';
    QFile file(settingsFile);
    return file.open(QIODevice::Append) && file.write(lines) == lines.size();
}

struct SupportChatWorld {
    static constexpr int kLimitMs = 5000;

    FrameWorld world;
    FakeSupportPeer support;

    explicit SupportChatWorld(const QByteArray& listenPort = "0")
    {
        QList<std::pair<QByteArray, QByteArray>> ports{{chat::kListenPortKey, listenPort}};
        if (support.listen()) {
            for (int channel = 1; channel <= 4; ++channel)
                ports.append({QString::fromLatin1(chat::kChannelPortKeyPattern).arg(channel).toLatin1(),
                              QByteArray::number(support.port(FakeSupportPeer::channel(channel)))});
            ports.append(
                {chat::kOfflineMessagePortKey, QByteArray::number(support.port(FakeSupportPeer::OfflineMessage))});
        }
        addSupportChatSection(world.folder().settings().filePath(), ports);
        control<QLineEdit>(testWindows().link.userSettings(), "txtUserName")->setText(QStringLiteral("ann"));
        control<QLineEdit>(window(), "txtChatIP")->setText(QStringLiteral("127.0.0.1"));
        // After the window's own handler, which has read the chunk by then, and after the
        // program step it may have left to run from the event loop.
        QObject::connect(&window().supportConnection(), &platform::SocketControl::dataArrival,
                         [this] { QTimer::singleShot(0, &window(), [this] { ++chunksRead; }); });
    }

    int chunksRead = 0;

    SupportChatWindow& window() { return testWindows().chat.supportChat(); }
    quint16 listenPort() { return quint16(window().listenPort()); }

    // Connects the fake's support host and waits until the chat has taken it.
    bool connectSupport()
    {
        support.connectToProgram(listenPort());
        return support.waitForSupportConnection()
            && waitRealTime(
                   [this] { return window().supportConnection().state() == platform::SocketControl::State::Connected; },
                   kLimitMs);
    }

    // Sends one chunk and waits until the chat has read it.
    bool sendChunk(const QByteArray& chunk)
    {
        QCoreApplication::processEvents(); // the counts of chunks read before are due
        const int before = chunksRead;
        return support.sendToProgram(chunk) && waitRealTime([&] { return chunksRead > before; }, kLimitMs);
    }
};
