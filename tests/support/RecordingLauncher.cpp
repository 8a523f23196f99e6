#include "RecordingLauncher.h"

platform::StartResult RecordingLauncher::startProgram(const QString& program, const QStringList& arguments,
                                                      const QString& workingFolder)
{
    starts_ << Start{program, arguments, workingFolder};
    if (!startsSucceed_)
        return {};
    return {true, nextProcessId_++};
}

bool RecordingLauncher::openPage(const QUrl& page)
{
    pages_ << page;
    return pagesOpen_ && platform::isWebPage(page);
}
