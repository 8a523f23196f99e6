#include "RecordingLauncher.h"

platform::StartResult RecordingLauncher::startProgram(const QString& program, const QStringList& arguments,
                                                      const QString& workingFolder)
{
    starts_ << Start{program, arguments, workingFolder};
    if (startFailure_.fails)
        return {false, 0, startFailure_.programMissing,
                startFailure_.reason.isEmpty() ? missingProgramReason() : startFailure_.reason};
    return {true, nextProcessId_++, false, {}};
}

platform::PageResult RecordingLauncher::openPage(const QUrl& page)
{
    pages_ << page;
    if (!platform::isWebPage(page))
        return platform::refusedPage();
    if (!pagesOpen_)
        return {false, noBrowserReason()};
    return {true, {}};
}
