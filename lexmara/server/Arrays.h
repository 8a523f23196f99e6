#pragma once
// The arrays that members take by reference, as the members see them.
#include "lexmara/Automation.h"

#include <span>

namespace lexmara::server {

// `array` when it has a dimension, null when it has none; an array of more dimensions
// or of another element type raises error 13.
const LxSAFEARRAY* dimensioned(const LxSAFEARRAY* array, LxVarType elementType);

// The elements of an array of `Element` (LxBSTR or LxVARIANT); an array without a
// dimension raises error 9.
template <class Element>
std::span<Element> elementsOf(LxSAFEARRAY* array, LxVarType elementType);

} // namespace lexmara::server
