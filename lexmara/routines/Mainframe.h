#pragma once
// Mainframe record data: EBCDIC translation through a table of 512 hexadecimal digits,
// packed decimal (two digits a byte, the sign in the last half-byte), zoned decimal
// (a digit a byte, the sign in the last byte's zone) and PIC fields addressed by
// half-byte offsets. Each character stands for the byte of its code.
#include <cstdint>
#include <string>
#include <string_view>

namespace lexmara {

// Each code c replaced by the byte that digits 2c + 1 and 2c + 2 of `table` give.
// More than 65526 characters raise error 5.
std::string translateCodes(std::string_view text, std::string_view table);

// The number that one packed field holds, its leading zeros kept ('01 23 4D' gives
// '-01234'); "Invalid" for an empty field, one of 64 bytes or more, a half-byte above
// 9 in a digit position, or a sign half-byte of 0 to 9.
std::string packedToString(std::string_view field);

// The packed field of the digits and "-" of `text` (an odd count of digits, sign C or
// D); "Invalid" unless they make an optional "-" and at least one digit. More than 63
// digits raise error 5.
std::string stringToPacked(std::string_view text);

// The same, zero-padded to exactly `byteLength` bytes: "Invalid Length" outside 0 to
// 15, "Length too short for result" when the digits (the sign not counted) do not fit
// in 2 x `byteLength` - 1; a length of 0 raises error 5.
std::string stringToPackedWithLength(std::string_view text, int16_t byteLength);

// Packed fields in a record run from just after the previous sign byte (a byte with a
// low half-byte of A to F and a high one of 0 to 9) or break byte (high half-byte A to
// F), or from the start, up to and including a sign byte; they count from 1.
//
// The number in field `field`; "" when there is no such field or it does not convert.
std::string packedFieldNumber(int32_t field, std::string_view record);
// The position where field `field` begins, 0 when there are fewer fields; a position
// above 32767 raises error 6.
int16_t packedFieldPosition(int32_t field, std::string_view record);
// The characters from `start` up to and including the first sign byte from there, when
// that is at most 16 and within the record's length; else -1. 0 for an empty record or
// a start below 1.
int16_t packedFieldLength(int32_t start, std::string_view record);

// The number of a zoned field (F0-F9 for each digit, C0-C9 or D0-D9 for the signed
// last); "invalid" for any other byte; "" for an empty field. More than 32767 bytes
// raise error 6.
std::string zonedToString(std::string_view field);
// The zoned field of an optional sign and digits; "invalid" for anything else.
std::string stringToZoned(std::string_view text);

// The `length` half-bytes of `data` from half-byte `offset` (from 0), read as a
// decimal number without leading zeros: "Invalid PICLength" for a length of 0, "Field
// is not valid PIC decimal" when a half-byte is above 9. A negative length or offset
// raises error 5, half-bytes wholly beyond the data error 13, a value above
// 2147483647 error 6.
std::string picToString(int32_t offset, int16_t length, std::string_view data);

} // namespace lexmara
