#pragma once
// The state that each Lexmara object holds for its life, as its creation sets it up.
// The members that work on it (the fast concatenation, the mainframe conversions,
// proper case, the postcode check) find it ready.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lexmara {

struct PostcodeState {
    int16_t ScanStart = 0;
    int16_t CharIndex = 0;
    int16_t ScanComplete = 0;
    std::string ScanWindow;
    std::array<int16_t, 7> StepDone{};
    std::string AcceptedText;
};

struct LexmaraState {
    LexmaraState();

    // The working area of the fast concatenation: 500000 characters of code 0.
    std::string ConcatBuffer;
    // 512 upper-case hexadecimal digits each, two per character code from 0 to 255.
    std::string AsciiToEbcdicTable;
    std::string EbcdicToAsciiTable;
    // Column 0 the match, column 1 the replacement, rows from 0; rows 0 and 1 empty
    // until proper case loads its rules.
    std::array<std::vector<std::string>, 2> ProperCaseRules;
    PostcodeState Postcode;
};

} // namespace lexmara
