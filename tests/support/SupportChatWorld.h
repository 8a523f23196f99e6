#pragma once
// A support chat test's world: the frame tests' world (program folder, services,
// short limits, windows destroyed at the end), a fake support side listening for the
// four channels and the offline message, the chat's ports pointed at it, and the chat
// window loaded (its listener on a port the system chose). The user is "ann".
#include "FakeSupportPeer.h"
#include "FrameWorld.h"
#include "RealTimeWait.h"

#include "chat/SupportChatPorts.h"
#include "chat/SupportChatWindow.h"
#include "linkwindows/UserSettingsWindow.h"
#include "platform/SocketControl.h"
#include "platform/Wait.h"
#include "ui/Forms.h"

#include <QLineEdit>
#include <QTest>

struct SupportChatWorld {
    static constexpr int kLimitMs = 5000;

    FrameWorld world;
    FakeSupportPeer support;

    explicit SupportChatWorld(const QByteArray& listenPort = "0")
    {
        platform::SettingsStore& settings = world.folder().settings();
        const auto save = [&settings](const QByteArray& key, int port) {
            settings.save(chat::kSettingsApplication, chat::kSettingsSection, key, QByteArray::number(port));
        };
        settings.save(chat::kSettingsApplication, chat::kSettingsSection, chat::kListenPortKey, listenPort);
        if (support.listen()) {
            for (int channel = 1; channel <= 4; ++channel)
                save(QString::fromLatin1(chat::kChannelPortKeyPattern).arg(channel).toLatin1(),
                     support.port(FakeSupportPeer::channel(channel)));
            save(chat::kOfflineMessagePortKey, support.port(FakeSupportPeer::OfflineMessage));
        }
        ui::form<UserSettingsWindow>().userNameBox->setText(QStringLiteral("ann"));
        window().supportHostBox->setText(QStringLiteral("127.0.0.1"));
        // After the window's own handler, which has read the chunk by then.
        QObject::connect(&window().supportConnection(), &platform::SocketControl::dataArrival,
                         [this] { ++chunksRead; });
    }

    int chunksRead = 0;

    SupportChatWindow& window() { return ui::form<SupportChatWindow>(); }
    quint16 listenPort() { return quint16(window().listenPort()); }

    // Connects the fake's support host and waits until the chat has taken it.
    bool connectSupport()
    {
        support.connectToProgram(listenPort());
        return support.waitForSupportConnection()
            && waitRealTime(
                   [this] { return window().supportConnection().State() == platform::SocketControl::StateConnected; },
                   kLimitMs);
    }

    // Sends one chunk and waits until the chat has read it.
    bool sendChunk(const QByteArray& chunk)
    {
        const int before = chunksRead;
        return support.sendToProgram(chunk) && waitRealTime([&] { return chunksRead > before; }, kLimitMs);
    }
};
