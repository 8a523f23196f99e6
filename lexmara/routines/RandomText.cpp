#include "RandomText.h"

#include "Random.h"
#include "Text.h"
#include "VbError.h"

namespace lexmara {

namespace {

// The code `first` + the next random number × `span`, rounded halves to even.
char drawCharacter(int first, int span)
{
    return static_cast<char>(first + static_cast<int>(strings::roundHalfEven(nextRandom() * span)));
}

char drawDigit() { return drawCharacter('0', 9); }
char drawLetter() { return drawCharacter('A', 25); }

template <class Draw>
std::string randomText(int16_t count, Draw&& draw)
{
    // The routine's 16-bit loop counter would pass 32767: overflow.
    if (count == INT16_MAX)
        raise(kOverflow);
    std::string text;
    for (int16_t i = 0; i < count; ++i)
        text += draw();
    return text;
}

} // namespace

std::string randomNumerics(int16_t count) { return randomText(count, drawDigit); }

std::string randomAlpha(int16_t count) { return randomText(count, drawLetter); }

std::string randomAlphaNumerics(int16_t count)
{
    return randomText(count, [] {
        // All three numbers are drawn for every character.
        const bool digitWins = nextRandom() >= 0.5;
        const char digit = drawDigit();
        const char letter = drawLetter();
        return digitWins ? digit : letter;
    });
}

} // namespace lexmara
