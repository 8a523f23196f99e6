#include "Cipher.h"

#include "Random.h"
#include "Text.h"

namespace lexmara {

namespace {

// Adds two values of 0..255 and takes 255 off a sum above 255.
int addModulo255(int a, int b)
{
    const int sum = a + b;
    return sum > 255 ? sum - 255 : sum;
}

int randomUpTo(int highest) { return static_cast<int>(strings::roundHalfEven(nextRandom() * highest)); }

} // namespace

int keyValue(std::string_view key)
{
    unsigned residue = 0;
    bool anyCode = false;
    for (size_t i = 0; i < key.size(); ++i) {
        const unsigned code = static_cast<unsigned char>(key[i]);
        residue = (residue + static_cast<unsigned>((i + 1) % 255) * code) % 255;
        anyCode = anyCode || code != 0;
    }
    if (!anyCode)
        return 0;
    return residue == 0 ? 255 : static_cast<int>(residue);
}

std::string makeRandomKey()
{
    std::string key(static_cast<size_t>(randomUpTo(10)), '\0');
    for (char& c : key)
        c = static_cast<char>(randomUpTo(255));
    return key;
}

std::string stringEncrypt(std::string_view plain, std::string_view key)
{
    int running = keyValue(key);
    std::string cipher(plain.size(), '\0');
    auto out = cipher.rbegin();
    for (const char character : plain) {
        const int code = addModulo255(running, static_cast<unsigned char>(character));
        *out++ = static_cast<char>(code);
        running = addModulo255(running, code);
    }
    return cipher;
}

std::string stringDecrypt(std::string_view cipher, std::string_view key)
{
    int running = keyValue(key);
    std::string plain(cipher.size(), '\0');
    auto out = plain.begin();
    for (auto in = cipher.rbegin(); in != cipher.rend(); ++in) {
        const int code = static_cast<unsigned char>(*in);
        const int plainCode = code - running;
        *out++ = static_cast<char>(plainCode < 0 ? plainCode + 255 : plainCode);
        running = addModulo255(running, code);
    }
    return plain;
}

} // namespace lexmara
