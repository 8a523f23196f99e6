#include "lexmara/Component.h"

#include <cstdio>

namespace lexmara {

std::string formatGuid(const GUID& id)
{
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(id.data1), id.data2, id.data3, id.data4[0], id.data4[1], id.data4[2],
                  id.data4[3], id.data4[4], id.data4[5], id.data4[6], id.data4[7]);
    return text;
}

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::optional<GUID> parseGuid(std::string_view text)
{
    // Positions of the hexadecimal digit pairs in "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
    static constexpr int kPairs[16] = {1, 3, 5, 7, 10, 12, 15, 17, 20, 22, 25, 27, 29, 31, 33, 35};
    if (text.size() != 38 || text[0] != '{' || text[37] != '}' || text[9] != '-' || text[14] != '-' || text[19] != '-'
        || text[24] != '-')
        return std::nullopt;
    uint8_t bytes[16];
    for (int i = 0; i < 16; ++i) {
        const int high = hexDigit(text[kPairs[i]]);
        const int low = hexDigit(text[kPairs[i] + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes[i] = static_cast<uint8_t>(high * 16 + low);
    }
    GUID id{};
    id.data1 = uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
    id.data2 = static_cast<uint16_t>(bytes[4] << 8 | bytes[5]);
    id.data3 = static_cast<uint16_t>(bytes[6] << 8 | bytes[7]);
    for (int i = 0; i < 8; ++i)
        id.data4[i] = bytes[8 + i];
    return id;
}

} // namespace lexmara
