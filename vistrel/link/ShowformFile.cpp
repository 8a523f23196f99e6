#include "link/ShowformFile.h"

#include "link/SettingsFileLines.h"
#include "platform/ProgramFolder.h"

namespace {

QString showformPath()
{
    return platform::programFile(QStringLiteral("Showform.txt"));
}

} // namespace

platform::FileWriteResult writeShowformFile(bool showAtStartUp)
{
    return platform::writeRawLines(showformPath(), {showAtStartUp ? QByteArray("1") : QByteArray("0")});
}

QByteArray readShowformFile()
{
    return readFirstValueOfLines(showformPath(), 1).first();
}
