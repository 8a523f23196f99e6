#include "Postcode.h"

#include "Text.h"

#include <algorithm>
#include <string>

namespace lexmara {

namespace {

using strings::isDigit;

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }
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
            applyNextStep(s_.ScanWindow[s_.CharIndex - 1], 7);
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
                applyNextStep(s_.ScanWindow[s_.CharIndex - 1], 4);
            }
            // Steps 5 to 7 never run here: an outward code that passes step 4 is whole.
            if (done(3))
                s_.ScanComplete = -1;
        }
        if (s_.ScanComplete != -1)
            s_.AcceptedText.clear();
    }

private:
    bool done(size_t step) const { return s_.StepDone[step] != 0; }

    // Tests `c` with the first of the first `steps` steps that the candidate has not
    // passed yet; the step's answer becomes its flag. A scan ends once its last step is
    // done, so one is always left.
    void applyNextStep(char c, size_t steps)
    {
        size_t step = 0;
        while (step + 1 < steps && done(step))
            ++step;
        s_.StepDone[step] = applyStep(step, c) ? -1 : 0;
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
            if (isDigit(c) || (isOneOf(c, "AEHMNPRTVXY") && isDigit(accepted(2)))
                || (c == 'R' && s_.AcceptedText == "GI"))
                return accept(c);
            if (c == ' ' && isDigit(accepted(2))) {
                s_.StepDone[3] = -1;
                return accept(c);
            }
            return restart();
        case 3: // the space after three characters, or the fourth outward character
            return c == ' '
                    || ((isDigit(c) || isOneOf(c, "ABEHMNPRVWXY")) && isLetter(accepted(2)) && isDigit(accepted(3)))
                ? accept(c)
                : restart();
        case 4: // an optional space, then the inward digit
            if (isDigit(c))
                return accept(c);
            if (c == ' ') {
                accept(c);
                const std::string_view rest = strings::mid(s_.ScanWindow, s_.CharIndex);
                return !rest.empty() && isDigit(rest.front()) ? accept(rest.front()) : restart();
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
