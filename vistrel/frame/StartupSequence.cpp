#include "frame/StartupSequence.h"

#include "platform/RuntimeError.h"
#include "platform/StandardErrors.h"

namespace {

qsizetype indexOfStep(const QList<StartupSequence::Step>& steps, int number)
{
    for (qsizetype i = 0; i < steps.size(); ++i)
        if (steps[i].number == number)
            return i;
    return steps.size();
}

qsizetype firstFinalStep(const QList<StartupSequence::Step>& steps)
{
    for (qsizetype i = 0; i < steps.size(); ++i)
        if (steps[i].region == StartupSequence::Region::Final)
            return i;
    return steps.size();
}

} // namespace

QList<int> StartupSequence::run(const QList<Step>& steps) const
{
    QList<int> completed;
    qsizetype i = 0;
    while (i < steps.size()) {
        const Step& step = steps[i];
        try {
            const int goTo = step.run();
            completed << step.number;
            i = goTo == 0 ? i + 1 : indexOfStep(steps, goTo);
            continue;
        } catch (const platform::RuntimeError& error) {
            if (onFailure)
                onFailure();
            const bool notFound = error.number() == platform::errors::kFileNotFound;
            if (error.number() == kFileAlreadyOpen)
                return completed;
            if (error.number() == platform::errors::kBadFileNameOrNumber || (notFound && step.region == Region::A)) {
                i = std::max(i + 1, firstFinalStep(steps));
                continue;
            }
            if (notFound && step.region == Region::B && onFirstRun)
                onFirstRun();
            ++i;
        }
    }
    return completed;
}
