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

QList<int> StartupSequence::run(const QList<Step>& steps)
{
    steps_ = steps;
    completed_.clear();
    next_ = 0;
    paused_ = false;
    return resume();
}

QList<int> StartupSequence::resume()
{
    paused_ = false;
    while (next_ < steps_.size()) {
        const Step& step = steps_[next_];
        try {
            const int goTo = step.run();
            completed_ << step.number;
            if (goTo == kPause) {
                ++next_;
                paused_ = true;
                break;
            }
            next_ = goTo == 0 ? next_ + 1 : indexOfStep(steps_, goTo);
            continue;
        } catch (const platform::RuntimeError& error) {
            if (onFailure)
                onFailure();
            const bool notFound = error.number() == platform::errors::kFileNotFound;
            if (error.number() == kFileAlreadyOpen) {
                next_ = steps_.size();
                break;
            }
            if (error.number() == platform::errors::kBadFileNameOrNumber || (notFound && step.region == Region::A)) {
                next_ = std::max(next_ + 1, firstFinalStep(steps_));
                continue;
            }
            if (notFound && step.region == Region::B && onFirstRun)
                onFirstRun();
            ++next_;
        }
    }
    return completed_;
}
