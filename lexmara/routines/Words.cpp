#include "Words.h"

#include "Edit.h"
#include "VbError.h"

#include <algorithm>

namespace lexmara {

using namespace strings;

namespace {

// The text as the whole-word searches see it: every full stop a space.
std::string spacedText(std::string_view text)
{
    std::string spaced(text);
    std::replace(spaced.begin(), spaced.end(), '.', ' ');
    return spaced;
}

// True when `sought` stands at `position` of the spaced text bounded by spaces or ends.
bool wholeWordAt(std::string_view spaced, Position position, std::string_view sought, Compare mode)
{
    const Position end = position + length(sought) - 1;
    if (position < 1 || end > length(spaced))
        return false;
    if (compare(spaced.substr(static_cast<size_t>(position - 1), sought.size()), sought, mode) != 0)
        return false;
    const bool openLeft = position == 1 || spaced[static_cast<size_t>(position - 2)] == ' ';
    const bool openRight = end == length(spaced) || spaced[static_cast<size_t>(end)] == ' ';
    return openLeft && openRight;
}

// True when character `i` (0-based) is the first of a word.
bool startsWord(std::string_view text, size_t i)
{
    return !isWordSeparator(text[i]) && (i == 0 || isWordSeparator(text[i - 1]));
}

} // namespace

std::vector<WordSpan> wordSpans(std::string_view text)
{
    std::vector<WordSpan> spans;
    for (size_t i = 0; i < text.size(); ++i) {
        if (startsWord(text, i))
            spans.push_back({static_cast<Position>(i) + 1, 0});
        if (!isWordSeparator(text[i]))
            ++spans.back().length;
    }
    return spans;
}

int32_t wordCount(std::string_view text)
{
    int32_t count = 0;
    for (size_t i = 0; i < text.size(); ++i)
        if (startsWord(text, i))
            ++count;
    return count;
}

int32_t wordPos(std::string_view text, int32_t number)
{
    if (number < 1)
        return 0;
    int32_t seen = 0;
    for (size_t i = 0; i < text.size(); ++i)
        if (startsWord(text, i) && ++seen == number)
            return static_cast<int32_t>(i + 1);
    return 0;
}

int16_t wordPosLen(std::string_view text, int32_t number)
{
    if (number < 1)
        return 0;
    int32_t seen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!startsWord(text, i))
            continue;
        // The count and the start are held in 16 bits.
        toInteger(++seen);
        toInteger(static_cast<int64_t>(i) + 1);
        if (seen == number) {
            size_t end = i;
            while (end < text.size() && !isWordSeparator(text[end]))
                ++end;
            return toInteger(static_cast<int64_t>(end - i));
        }
    }
    return 0;
}

std::string word(std::string_view text, int32_t number)
{
    if (text.empty() || number < 1)
        return {};
    const std::string pieces = deDuplicate(spacedText(text), " ", Compare::Binary);
    size_t from = 0;
    for (int32_t piece = 1; piece < number; ++piece) {
        from = pieces.find(' ', from);
        if (from == std::string::npos)
            return {};
        ++from;
    }
    return pieces.substr(from, pieces.find(' ', from) - from);
}

std::string wordDelete(std::string_view text, int32_t number, bool removeDoubleBlanks)
{
    if (text.empty() || number < 1 || wordCount(text) < number)
        return {};
    const Position start = wordPos(text, number);
    const Position size = wordPosLen(text, number);
    std::string rest = std::string(left(text, start - 1)) + std::string(mid(text, start + size));
    return removeDoubleBlanks ? deDuplicate(rest, " ", Compare::Binary) : rest;
}

int32_t wordFind(std::string_view text, std::string_view sought)
{
    if (text.empty() || sought.empty())
        return 0;
    const std::string framed = " " + spacedText(text) + " ";
    return toLong(findFrom(1, framed, " " + std::string(sought) + " "));
}

int32_t instrWord(int32_t start, std::string_view text, std::string_view sought, Compare mode)
{
    if (start < 1)
        raise(kInvalidCall);
    if (sought.empty())
        return 0;
    const std::string spaced = spacedText(text);
    for (Position hit = start; (hit = findFrom(hit, spaced, sought, mode)) != 0; ++hit)
        if (wholeWordAt(spaced, hit, sought, mode))
            return toLong(hit);
    return 0;
}

int32_t instrWordRev(std::string_view text, std::string_view sought, int32_t end, Compare mode)
{
    if (end == 0 || end < -1)
        raise(kInvalidCall);
    if (sought.empty() || text.empty() || end > length(text))
        return 0;
    const std::string spaced = spacedText(text);
    // The last occurrence that ends within `end`, then each earlier one.
    for (Position within = end == -1 ? length(spaced) : end; within >= length(sought);) {
        const Position hit = findBack(spaced, sought, within, mode);
        if (hit == 0)
            return 0;
        if (wholeWordAt(spaced, hit, sought, mode))
            return toLong(hit);
        within = hit + length(sought) - 2;
    }
    return 0;
}

std::vector<std::string> wrapLines(std::string_view text, int32_t width, bool hyphen)
{
    // The first line starts empty and each word joins it after a space, so the first
    // line takes words only while they fit in width - 1 characters; the space is dropped
    // when the line is written. A line that is written empty is no line.
    const int64_t lineWidth = width;
    const int64_t pieceWidth = hyphen ? lineWidth - 1 : lineWidth;
    std::vector<std::string> lines;
    const auto write = [&lines](std::string_view line) {
        while (!line.empty() && line.front() == ' ')
            line.remove_prefix(1);
        if (!line.empty())
            lines.emplace_back(line);
    };
    std::string line;
    size_t from = 0;
    while (from < text.size()) {
        size_t to = text.find(' ', from);
        if (to == std::string_view::npos)
            to = text.size();
        std::string_view next = text.substr(from, to - from);
        from = to + 1;
        if (next.empty())
            continue;
        if (static_cast<int64_t>(line.size() + 1 + next.size()) <= lineWidth) {
            line += ' ';
            line += next;
            continue;
        }
        write(line);
        // A word longer than a line goes out in pieces; its rest starts the next line.
        // Too narrow a line cannot shorten it at all.
        if (static_cast<int64_t>(next.size()) > lineWidth && pieceWidth < 1)
            raise(kInvalidCall);
        for (; static_cast<int64_t>(next.size()) > lineWidth; next.remove_prefix(static_cast<size_t>(pieceWidth)))
            lines.push_back(std::string(next.substr(0, static_cast<size_t>(pieceWidth))) + (hyphen ? "-" : ""));
        line = next;
    }
    write(line);
    return lines;
}

} // namespace lexmara
