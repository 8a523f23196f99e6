// The cipher through the component. Any plain text enciphered with any key (an
// empty key: the random key the component makes for it) keeps its length and
// deciphers to itself, except that a code 255 may come back as 0, since the cipher
// works modulo 255. Any bytes deciphered and enciphered again give themselves back,
// a 0 possibly as 255 for the same reason.
#include "FuzzSupport.h"

#include "common/Lexmara.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

// True when `back` is `original`, byte for byte, or `changed` where `original` has
// `from` (the one code that the cipher does not tell from another).
bool sameModulo255(std::string_view original, std::string_view back, unsigned char from, unsigned char changed)
{
    if (original.size() != back.size())
        return false;
    for (size_t i = 0; i < original.size(); ++i) {
        const auto o = static_cast<unsigned char>(original[i]);
        const auto b = static_cast<unsigned char>(back[i]);
        if (o != b && !(o == from && b == changed))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    // Keys up to 600 characters, past the 255 positions after which the key's
    // weights repeat.
    QByteArray key = fuzz::bytes(input.ConsumeRandomLengthString(600));
    const std::string text = input.ConsumeRemainingBytesAsString();
    const QByteArray given = key;

    const QByteArray cipher = gLexmara.StringEncrypt(fuzz::bytes(text), key);
    fuzz::require(cipher.size() == qsizetype(text.size()), "the cipher text is as long as the plain text");
    if (given.isEmpty())
        fuzz::require(key.size() <= 10, "a made key has at most 10 characters");
    else
        fuzz::require(key == given, "a given key is kept");
    const QByteArray plain = gLexmara.StringDecrypt(cipher, key);
    fuzz::require(sameModulo255(text, fuzz::view(plain), 255, 0), "the cipher text deciphers to the plain text");

    // A key of one NUL has the empty key's value, 0, and is used as it is where an
    // empty key would be replaced by a made one.
    const QByteArray sameKey = given.isEmpty() ? QByteArray(1, '\0') : given;
    const QByteArray deciphered = gLexmara.StringDecrypt(fuzz::bytes(text), given);
    const QByteArray again = gLexmara.StringEncrypt(deciphered, sameKey);
    fuzz::require(sameModulo255(text, fuzz::view(again), 0, 255), "any bytes decipher and encipher back");
    return 0;
}
