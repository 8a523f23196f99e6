#pragma once
// Word routines. Two characters separate words, the space and the full stop; every
// other character (tab, CR and LF included) belongs to a word. A word is a maximal
// run of non-separators, numbered from 1 from the left.
#include "Text.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lexmara {

inline bool isWordSeparator(char c) { return c == ' ' || c == '.'; }

// Where a word begins and how long it is (1-based).
struct WordSpan {
    strings::Position start = 0;
    strings::Position length = 0;
};

// Every word of the text, in order.
std::vector<WordSpan> wordSpans(std::string_view text);

int32_t wordCount(std::string_view text);

// The start of word `number`; 0 below 1 or past the last word.
int32_t wordPos(std::string_view text, int32_t number);

// The length of word `number`, 0 below 1 or past the last word. Counted in 16 bits as
// the interface gives it: a word start or length above 32767, or more than 32767 words
// scanned, raises error 6.
int16_t wordPosLen(std::string_view text, int32_t number);

// Piece `number` of the text once every full stop is a space and every run of spaces
// one space, cut at the spaces; "" below 1 or past the last piece. A text that begins
// with a separator has an empty first piece.
std::string word(std::string_view text, int32_t number);

// The text without word `number`, the separators on both sides kept; "" for an empty
// text or a word that does not exist. `removeDoubleBlanks` then reduces every run of
// spaces to one.
std::string wordDelete(std::string_view text, int32_t number, bool removeDoubleBlanks);

// The first place where `sought` stands as a whole word, bounded by separators or the
// ends of the text (binary comparison, `sought` matched literally); 0 when there is
// none or either text is empty.
int32_t wordFind(std::string_view text, std::string_view sought);

// The first whole-word occurrence of `sought` that begins at or after `start`; 0 when
// there is none. A start below 1 raises error 5.
int32_t instrWord(int32_t start, std::string_view text, std::string_view sought, strings::Compare mode);

// The last whole-word occurrence of `sought` that ends within the first `end`
// characters (-1: the whole text); 0 when there is none or `end` is past the text. An
// end of 0 or below -1 raises error 5.
int32_t instrWordRev(std::string_view text, std::string_view sought, int32_t end, strings::Compare mode);

// The text wrapped into lines of at most `width` characters (the first line at most
// width - 1), words joined by one space. A word longer than a line is split: with
// `hyphen`, into pieces of width - 1 characters each followed by "-"; without, into
// pieces of `width`. A word to be split with a width too small to hold a piece (below
// 2 with `hyphen`, below 1 without) raises error 5.
std::vector<std::string> wrapLines(std::string_view text, int32_t width, bool hyphen);

} // namespace lexmara
