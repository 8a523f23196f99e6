#pragma once
// Proper case for names and addresses: every word starts with a capital and goes on in
// small letters, "Mc" and "Mac" get a capital after them, and a table of words with a
// fixed spelling (titles, qualifications, abbreviations, acronyms, small words, Roman
// numerals) is applied last. The table comes from a rule file when one can be read,
// else from built-in rows.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace lexmara {

// Column 0 the match, column 1 the replacement; rows from 0, row 0 never used.
using ProperCaseRules = std::array<std::vector<std::string>, 2>;

// The places where the rule file is looked for, in order.
std::vector<std::string> properCaseRuleFiles();

// Fills `rules` from the first of `files` that can be read: one rule a line,
// "match|replacement", blank lines skipped. An empty file, none that can be read, or
// a line without "|" gives the built-in rows instead. A file of blank lines only
// leaves row 1 empty, so the next call reads it again.
void loadProperCaseRules(ProperCaseRules& rules, const std::vector<std::string>& files);

// The text in proper case, its leading and trailing spaces removed. Loads `rules`
// from `files` first while row 1 is empty.
std::string properCase(std::string_view text, ProperCaseRules& rules, const std::vector<std::string>& files);

} // namespace lexmara
