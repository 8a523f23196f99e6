#include "platform/StandardErrors.h"

namespace platform {

RuntimeError standardError(int number)
{
    switch (number) {
    case errors::kInvalidProcedureCall: return {number, QStringLiteral("Invalid procedure call or argument")};
    case errors::kOverflow: return {number, QStringLiteral("Overflow")};
    case errors::kSubscriptOutOfRange: return {number, QStringLiteral("Subscript out of range")};
    case errors::kTypeMismatch: return {number, QStringLiteral("Type mismatch")};
    case errors::kBadFileNameOrNumber: return {number, QStringLiteral("Bad file name or number")};
    case errors::kFileNotFound: return {number, QStringLiteral("File not found")};
    case errors::kInputPastEndOfFile: return {number, QStringLiteral("Input past end of file")};
    case errors::kPathFileAccessError: return {number, QStringLiteral("Path/File access error")};
    case errors::kPathNotFound: return {number, QStringLiteral("Path not found")};
    default: return {number, QStringLiteral("Application-defined or object-defined error")};
    }
}

} // namespace platform
