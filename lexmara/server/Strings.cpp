#include "Strings.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

namespace lexmara::server {

LxBSTR allocString(const char* characters, uint32_t length) noexcept
{
    if (length > INT32_MAX)
        return nullptr;
    auto* block = static_cast<char*>(std::malloc(sizeof(uint32_t) + length + 1));
    if (!block)
        return nullptr;
    std::memcpy(block, &length, sizeof length);
    LxBSTR text = block + sizeof length;
    if (characters)
        std::memcpy(text, characters, length);
    else
        std::memset(text, 0, length);
    text[length] = '\0';
    return text;
}

void freeString(LxBSTR text) noexcept
{
    if (text)
        std::free(text - sizeof(uint32_t));
}

LxBSTR newString(std::string_view text)
{
    if (text.empty())
        return nullptr;
    if (text.size() > INT32_MAX)
        throw std::bad_alloc();
    LxBSTR copy = allocString(text.data(), static_cast<uint32_t>(text.size()));
    if (!copy)
        throw std::bad_alloc();
    return copy;
}

void replaceString(LxBSTR& target, std::string_view text)
{
    LxBSTR copy = newString(text);
    freeString(target);
    target = copy;
}

} // namespace lexmara::server
