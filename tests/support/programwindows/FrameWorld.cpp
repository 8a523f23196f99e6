#include "FrameWorld.h"

#include "TestWindows.h"
#include "link/ReflectorSession.h"
#include "platform/TimeScale.h"
#include "ui/Gradient.h"
#include "ui/ToolbarState.h"

#include <QFile>

FrameWorld::FrameWorld(const QString& webServerBase)
{
    if (!webServerBase.isEmpty())
        platform::services().webServerBase = webServerBase;
    platform::setTimeScale(kTimeScale);
    // The toolbar's and the gradient's state as the program starts with them.
    ui::toolbarState() = {};
    gradientSettings() = {};
    // The support chat listens from start-up on: on a port the system chooses, so that
    // tests running side by side do not meet on the usual one.
    folder_.settings().save("Vistrel", "SupportChat", "ListenPort", "0");
}

FrameWorld::~FrameWorld()
{
    // The session first, so that nothing it still reports loads a window again.
    endReflectorSession();
    testWindows().destroyAll();
    platform::setTimeScale(1);
}

void FrameWorld::writeProgramFile(const QString& name, const QByteArray& content)
{
    QFile file(folder_.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}
