#pragma once
// The library's reversible text cipher: a running-sum substitution over character
// codes modulo 255 with a text key, the output reversed. Stored files and the
// reflector traffic hold its cipher text, which must stay byte for byte the same.
#include <string>
#include <string_view>

namespace lexmara {

// The key value 0..255 of a key text: the sum of position x code over the key,
// reduced modulo 255 into 1..255, and 0 when the sum is 0 (an empty key). Reduced as
// it is summed, so a key of any length works.
int keyValue(std::string_view key);

// A fresh random key of 0 to 10 characters of codes 0 to 255.
std::string makeRandomKey();

// The cipher text, as long as `plain`. A plain code 255 enciphered while the running
// key is 1 or more deciphers as 0; every other code makes the round trip.
std::string stringEncrypt(std::string_view plain, std::string_view key);
std::string stringDecrypt(std::string_view cipher, std::string_view key);

} // namespace lexmara
