#include "ProperCase.h"

#include "Edit.h"
#include "Text.h"
#include "Words.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace lexmara {

using namespace strings;

namespace {

// The built-in rows 1 to 93, each its own replacement unless it names one. Each row
// works on the result of the rows before it.
struct BuiltInRule {
    const char* match;
    const char* replacement = nullptr;
};

constexpr BuiltInRule kBuiltInRules[] = {
    {"(GB)"},
    {"(UK)"},
    {"AA", " AA"},
    {"AFC", " AFC"},
    {"AMIEE"},
    {"AND", "and"},
    {"Appt"},
    {"Appts"},
    {"ATE"},
    {"BA"},
    {"BBC"},
    {"BDS"},
    {"BICC"},
    {"BIS"},
    {"Bldgs"},
    {"Blvd"},
    {"BMA"},
    {"BSc"},
    {"CBE"},
    {"Cl"},
    {"CMG"},
    {"Ct"},
    {"DBE"},
    {"DECD"},
    {"DECEASED"},
    {"DFM"},
    {"Dr"},
    {"Eng"},
    {"Fl"},
    {"Flt"},
    {"Fm"},
    {"FRICS"},
    {"FRM"},
    {"GB"},
    {"Gdns"},
    {"Gds"},
    {"Grdns"},
    {"GRA"},
    {"HNRS"},
    {"HONS"},
    {"IBM"},
    {"ICI"},
    {"IT"},
    {"KBE"},
    {"Ltd"},
    {"MA"},
    {"MBE"},
    {"Mktg"},
    {"Mngt"},
    {"MP"},
    {"Miss"},
    {"Mr"},
    {"Mrs"},
    {"Ms"},
    {"MSc"},
    {"NEC"},
    {"Nr"},
    {"OBE"},
    {"of"},
    {"Phd"},
    {"Pk"},
    {"Pl"},
    {"plc"},
    {"PO"},
    {"Prk"},
    {"RAF"},
    {"Rd"},
    {"RETD"},
    {"RETIRED"},
    {"RGN"},
    {"RSPCA"},
    {"RTD"},
    {"SEN"},
    {"Son"},
    {"Sq"},
    {"SRN"},
    {"Srvcs"},
    {"St"},
    {"TD"},
    {"TENG"},
    {"TTO"},
    {"UK"},
    {"I"},
    {"II"},
    {"III"},
    {"IV"},
    {"V"},
    {"VI"},
    {"VII"},
    {"VIII"},
    {"VIIII"},
    // Two surnames that keep a small letter after "Mac", undoing the fix for them.
    {"Macey"},
    {"Macklin"},
};
static_assert(std::size(kBuiltInRules) == 93);

void storeBuiltInRules(ProperCaseRules& rules)
{
    for (auto& column : rules)
        column.assign(1, std::string());
    for (const BuiltInRule& rule : kBuiltInRules) {
        rules[0].emplace_back(rule.match);
        rules[1].emplace_back(rule.replacement ? rule.replacement : rule.match);
    }
}

bool readWholeFile(const std::string& path, std::string& contents)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    contents.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

// The rows of a rule file, or false at a line without "|". Lines end at CR LF, or at
// a CR or LF alone.
bool parseRuleFile(std::string_view contents, ProperCaseRules& rows)
{
    while (!contents.empty()) {
        const size_t end = std::min(contents.find_first_of("\r\n"), contents.size());
        const std::string_view line = contents.substr(0, end);
        contents.remove_prefix(end);
        if (contents.starts_with("\r\n"))
            contents.remove_prefix(2);
        else if (!contents.empty())
            contents.remove_prefix(1);
        if (trimBlanks(line).empty())
            continue;
        const size_t bar = line.find('|');
        if (bar == std::string_view::npos)
            return false;
        const std::string_view rest = line.substr(bar + 1);
        rows[0].emplace_back(line.substr(0, bar));
        rows[1].emplace_back(rest.substr(0, rest.find('|')));
    }
    return true;
}

// The upper-case form of a Windows-1252 code: the inverse of foldCase.
unsigned char upperCase(unsigned char code)
{
    if ((code >= 'a' && code <= 'z') || (code >= 0xE0 && code <= 0xFE && code != 0xF7))
        return static_cast<unsigned char>(code - 0x20);
    switch (code) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return code;
    }
}

char upper(char c) { return static_cast<char>(upperCase(static_cast<unsigned char>(c))); }
char lower(char c) { return static_cast<char>(foldCase(static_cast<unsigned char>(c))); }

// After these a letter starts a word, as the platform's proper-case conversion has it;
// the punctuation marks count too.
bool startsAWordAfter(char c)
{
    switch (c) {
    case ' ':
    case '\t':
    case '\n':
    case '\v':
    case '\f':
    case '\r':
    case '\0':
    case '\'':
    case '(':
    case ')':
    case '.':
    case '-':
    case ',': return true;
    default: return false;
    }
}

void capitaliseWords(std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = i == 0 || startsAWordAfter(text[i - 1]) ? upper(text[i]) : lower(text[i]);
}

// A word that begins with `prefix` (any case) and is longer than `shortest` gets the
// prefix as written and a capital after it.
void capitaliseAfterPrefix(std::string& text, std::string_view prefix, Position shortest)
{
    for (const WordSpan& span : wordSpans(text)) {
        if (span.length <= shortest || compare(mid(text, span.start, length(prefix)), prefix, Compare::Text) != 0)
            continue;
        const size_t at = static_cast<size_t>(span.start - 1);
        text.replace(at, prefix.size(), prefix);
        text[at + prefix.size()] = upper(text[at + prefix.size()]);
    }
}

} // namespace

std::vector<std::string> properCaseRuleFiles() { return {"/etc/lm_decap.ini", "/etc/lexmara/lm_decap.ini"}; }

void loadProperCaseRules(ProperCaseRules& rules, const std::vector<std::string>& files)
{
    std::string contents;
    for (const std::string& path : files) {
        if (!readWholeFile(path, contents))
            continue;
        ProperCaseRules rows{{{std::string()}, {std::string()}}};
        if (contents.empty() || !parseRuleFile(contents, rows)) {
            storeBuiltInRules(rules);
            return;
        }
        // Row n + 1 stays empty after n rules.
        for (auto& column : rows)
            column.emplace_back();
        rules = std::move(rows);
        return;
    }
    storeBuiltInRules(rules);
}

std::string properCase(std::string_view text, ProperCaseRules& rules, const std::vector<std::string>& files)
{
    std::string result(trimBlanks(text));
    if (rules[0].size() < 2 || rules[0][1].empty())
        loadProperCaseRules(rules, files);
    capitaliseWords(result);
    capitaliseAfterPrefix(result, "Mc", 4);
    capitaliseAfterPrefix(result, "Mac", 5);
    const size_t lastRow = rules[0].size() - 1;
    for (size_t row = 1; row <= lastRow; ++row)
        if (findFrom(1, result, rules[0][row], Compare::Text) != 0)
            result = replaceCharsAll(result, rules[0][row], rules[1][row], Compare::Text, true);
    return result;
}

} // namespace lexmara
