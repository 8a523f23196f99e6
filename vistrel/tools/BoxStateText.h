#pragma once
// The state of a check box (0 unticked, 1 ticked, 2 greyed) read back from the texts
// that keep it. A number is rounded to a whole number the way the box's value is set
// (halves to the even neighbour); a number outside 0 to 2 is no state, so the box keeps
// the one it has.
#include <QByteArray>

#include <optional>

// An item of a settings file read as a number from its start: leading blanks are
// skipped, and text without a leading number reads as 0 (" 1" is 1, "1x" is 1, "abc" is 0).
std::optional<int> boxStateFromLeadingNumber(const QByteArray& item);

// A stored value that must be a number as a whole, blanks around it allowed ("1", " 0 ");
// any other text is no state.
std::optional<int> boxStateFromWholeText(const QByteArray& text);
