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
#include <QList>

#include <functional>

class StartupSequence {
public:
    enum class Region { A, B, C, Final };

    static constexpr int kFileAlreadyOpen = 55;

    struct Step {
        int number = 0;
        Region region = Region::C;
        // Returns the number of the step to go on with, or 0 for the next one.
        std::function<int()> run;
    };

    std::function<void()> onFailure;
    std::function<void()> onFirstRun;

    // Runs the steps in order. Returns the numbers of the steps that ran to their end.
    QList<int> run(const QList<Step>& steps) const;
};
