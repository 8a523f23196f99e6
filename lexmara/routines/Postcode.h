#pragma once
// The UK postcode check: a scanner with one step per position of a postcode (area
// letters, district digits, an optional sub-district letter, up to two spaces, the
// inward digit and two letters) that restarts one character further on whenever a
// step fails, so a postcode is also found inside an address line. Texts of two to
// five characters are checked for an outward code alone.
#include "ObjectState.h"

#include <string_view>

namespace lexmara {

// True when `text` is or holds a postcode (or, when short, an outward code). Works in
// the object's `state`, which it resets first. The scan positions are 16-bit: a text
// of more than 32767 characters without an earlier postcode raises error 6.
bool isPostcodeUK(PostcodeState& state, std::string_view text);

} // namespace lexmara
