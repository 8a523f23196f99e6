#include "FrameWorld.h"

#include "platform/Forms.h"
#include "platform/TimeScale.h"

#include <QFile>
#include <QTcpServer>

FrameWorld::FrameWorld(const QString& webServerBase)
{
    platform::services().webServerBase = webServerBase.isEmpty() ? unreachableServer() : webServerBase;
    platform::setTimeScale(kTimeScale);
}

FrameWorld::~FrameWorld()
{
    platform::destroyAllForms();
    platform::setTimeScale(1);
}

void FrameWorld::writeProgramFile(const QString& name, const QByteArray& content)
{
    QFile file(folder_.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

QString FrameWorld::unreachableServer()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}
