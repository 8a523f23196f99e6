#pragma once
// Runs numbered start-up steps with the start-up's error policy. A step fails by
// raising platform::RuntimeError with a file error number; what follows depends on
// the number and on the step's region:
//
//   53 file not found, region B   the first-run handling, then the next step
//   53 file not found, region C   the next step
//   53 file not found, region A   straight to the final steps
//   52 bad file name or number    straight to the final steps
//   55 file already open          the sequence ends at once, final steps included
//   any other failure             the next step
//
// Every failure is first reported to onFailure.
//
// A step that waits for something (a fetch) starts it and pauses the sequence; the
// one who gets the result resumes it, and the sequence goes on with the next step.
#include <QList>

#include <functional>

class StartupSequence {
public:
    enum class Region { A, B, C, Final };

    static constexpr int kFileAlreadyOpen = 55;
    // What a step returns to pause the sequence after it.
    static constexpr int kPause = -1;

    struct Step {
        int number = 0;
        Region region = Region::C;
        // Returns the number of the step to go on with, 0 for the next one, or kPause.
        std::function<int()> run;
    };

    std::function<void()> onFailure;
    std::function<void()> onFirstRun;

    // Runs the steps in order until the end or a pause. Returns the numbers of the
    // steps that ran to their end.
    QList<int> run(const QList<Step>& steps);
    // Goes on after the step that paused, until the end or the next pause. Returns the
    // numbers of the steps that ran to their end, from the first run on.
    QList<int> resume();
    // The steps have run: none is left, and none has paused the sequence.
    bool finished() const { return !paused_ && next_ >= steps_.size(); }

private:
    QList<Step> steps_;
    QList<int> completed_;
    qsizetype next_ = 0;
    bool paused_ = false;
};
