#include "lexmara/ErrorNumbers.h"

namespace lexmara {

std::string_view standardDescription(int number)
{
    switch (number) {
    case kInvalidCall: return "Invalid procedure call or argument";
    case kOverflow: return "Overflow";
    case kOutOfMemory: return "Out of memory";
    case kSubscriptOutOfRange: return "Subscript out of range";
    case kTypeMismatch: return "Type mismatch";
    case kInternalError: return "Internal error";
    case kPathFileAccess: return "Path/File access error";
    case kCannotCreateObject: return "ActiveX component can't create object";
    case kNotSupported: return "Object doesn't support this action";
    default: return "Application-defined or object-defined error";
    }
}

} // namespace lexmara
