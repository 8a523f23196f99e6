#include "Postcode.h"

#include "Text.h"

#include <algorithm>
#include <string>

namespace lexmara {

namespace {

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }
using strings::isDigit;
bool isOneOf(char c, std::string_view list) { return list.find(c) != std::string_view::npos; }

class Scanner {
public:
    explicit Scanner(PostcodeState& state) : s_(state) {}

    void reset()
    {
        s_.StepDone.fill(0);
        s_.ScanComplete = 0;
        s_.CharIndex = 1;
        s_.AcceptedText.clear();
        s_.ScanStart = 1;
    }

    // The scan for a whole postcode (texts of 6 characters or more).
    void scanFullPostcode(std::string_view t)
    {
        reset();
        while (s_.ScanStart < strings::length(t) && s_.ScanComplete != -1) {
            s_.ScanWindow = strings::mid(t, s_.ScanStart, 8);
            if (s_.CharIndex > strings::length(s_.ScanWindow)) {
                s_.ScanStart = strings::toInteger(strings::length(t)); // ends the whole scan
                continue;
            }
            const char c = s_.ScanWindow[s_.CharIndex - 1];
            const size_t step = firstStepNotDone(7);
            s_.StepDone[step] = applyStep(step, c) ? -1 : 0;
        }
        if (s_.ScanComplete != -1)
            s_.AcceptedText.clear();
    }

    // The scan for an outward code alone (texts of 2 to 5 characters).
    void scanOutwardCode(std::string_view t)
    {
        reset();
        while (s_.ScanStart < strings::length(t) && s_.ScanComplete != -1) {
            s_.ScanWindow = strings::mid(t, s_.ScanStart, 8);
            const auto windowLength = strings::length(s_.ScanWindow);
            if (s_.CharIndex > windowLength) {
                s_.ScanStart = strings::toInteger(windowLength);
                if ((windowLength == 2 && done(0) && done(1)) || (windowLength == 3 && done(0) && done(1) && done(2)))
                    s_.ScanComplete = -1;
            } else {
                const char c = s_.ScanWindow[s_.CharIndex - 1];
                const size_t step = firstStepNotDone(3);
                if (step < 3)
                    s_.StepDone[step] = applyStep(step, c) ? -1 : 0;
                else if (done(3))
                    s_.ScanComplete = -1;
                else
                    s_.StepDone[3] = applyStep(3, c) ? -1 : 0;
            }
            if (done(3))
                s_.ScanComplete = -1;
        }
        if (s_.ScanComplete != -1)
            s_.AcceptedText.clear();
    }

private:
    bool done(size_t step) const { return s_.StepDone[step] != 0; }

    // The first of the steps below `limit` not yet done, else `limit`.
    size_t firstStepNotDone(size_t limit) const
    {
        size_t step = 0;
        while (step < limit && done(step))
            ++step;
        return step;
    }

    // The candidate's n-th character (from 1), or NUL past its end.
    char accepted(size_t n) const { return n <= s_.AcceptedText.size() ? s_.AcceptedText[n - 1] : '\0'; }

    bool accept(char c)
    {
        s_.AcceptedText += c;
        ++s_.CharIndex;
        return true;
    }

    // The next candidate begins one character further on.
    bool restart()
    {
        const int16_t nextStart = strings::toInteger(static_cast<int64_t>(s_.ScanStart) + 1);
        reset();
        s_.ScanStart = nextStart;
        return false;
    }

    bool applyStep(size_t step, char c)
    {
        switch (step) {
        case 0: // first area letter
            return isLetter(c) && !isOneOf(c, "QVX") ? accept(c) : restart();
        case 1: // second area letter or first district digit
            return (isLetter(c) && !isOneOf(c, "JZ")) || isDigit(c) ? accept(c) : restart();
        case 2: // district digit, sub-district letter, GIR, or the space after two characters
            if (isDigit(c) || (isOneOf(c, "AEHMNPRTVXY") && isDigit(accepted(2))) ||
                (c == 'R' && s_.AcceptedText == "GI"))
                return accept(c);
            if (c == ' ' && isDigit(accepted(2))) {
                s_.StepDone[3] = -1;
                return accept(c);
            }
            return restart();
        case 3: // the space after three characters, or the fourth outward character
            return c == ' ' || ((isDigit(c) || isOneOf(c, "ABEHMNPRVWXY")) && isLetter(accepted(2)) &&
                                isDigit(accepted(3)))
                       ? accept(c)
                       : restart();
        case 4: // an optional space, then the inward digit
            if (isDigit(c))
                return accept(c);
            if (c == ' ') {
                accept(c);
                const char next = s_.CharIndex <= strings::length(s_.ScanWindow) ? s_.ScanWindow[s_.CharIndex - 1] : '\0';
                return isDigit(next) ? accept(next) : restart();
            }
            return restart();
        case 5: // first inward letter
            return isLetter(c) && !isOneOf(c, "CIKMOV") ? accept(c) : restart();
        default: // second inward letter: the postcode is whole
            if (isLetter(c) && !isOneOf(c, "CIKMOV")) {
                s_.ScanComplete = -1;
                return accept(c);
            }
            return restart();
        }
    }

    PostcodeState& s_;
};

} // namespace

bool isPostcodeUK(PostcodeState& state, std::string_view text)
{
    state.AcceptedText.clear();
    std::string t(text);
    std::transform(t.begin(), t.end(), t.begin(), [](char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; });
    Scanner scanner(state);
    if (t.size() >= 6) {
        scanner.scanFullPostcode(t);
    } else if (t.size() > 1) {
        if (strings::trimBlanks(t).size() <= 4)
            scanner.scanOutwardCode(t);
    }
    return !state.AcceptedText.empty();
}

} // namespace lexmara
