// The string cipher: fixed vectors worked out from the running-sum rule, round trips
// over random keys and texts, the key made for an empty key, and code 255.
#include "ComponentHarness.h"

#include "Cipher.h"

#include <random>
#include <set>

using namespace harness;

namespace {

std::string fromHex(std::string_view hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    return bytes;
}

// The key value as first defined: one subtraction of 255 per character, then as many
// as needed, in 32-bit arithmetic.
int literalKeyValue(std::string_view key)
{
    int32_t k = 0;
    for (size_t i = 0; i < key.size(); ++i) {
        k += static_cast<int32_t>(i + 1) * static_cast<unsigned char>(key[i]);
        if (k > 255)
            k -= 255;
    }
    while (k > 255)
        k -= 255;
    return k;
}

std::string randomText(std::mt19937& random, size_t shortest, size_t longest, int highestCode)
{
    std::string text(std::uniform_int_distribution<size_t>(shortest, longest)(random), '\0');
    for (char& c : text)
        c = static_cast<char>(std::uniform_int_distribution<int>(0, highestCode)(random));
    return text;
}

class Cipher : public LexmaraTest {
protected:
    Outcome<std::string> encrypt(std::string_view plain, BString& key)
    {
        BString in = text(plain);
        return call<std::string>([&](LxBSTR* out) { return lexmara()->StringEncrypt(in.get(), key.ref(), out); });
    }
    std::string encrypt(std::string_view plain, std::string_view key)
    {
        BString keyText = text(key);
        return std::get<std::string>(encrypt(plain, keyText));
    }
    std::string decrypt(std::string_view cipher, std::string_view key)
    {
        BString in = text(cipher), keyText = text(key);
        Variant plain(library());
        EXPECT_EQ(lexmara()->StringDecrypt(in.get(), keyText.ref(), plain.get()), S_OK);
        EXPECT_EQ(plain.value().vt, LX_VT_BSTR);
        return std::string(lxView(plain.value().bstrVal));
    }
};

TEST_F(Cipher, FixedVectors)
{
    struct Case {
        std::string key, plain, cipherHex;
    };
    const std::vector<Case> cases{
        {"ab", "AB", "cf67"}, // k = 38: 'A' -> 103, then k = 141: 'B' -> 207; written reversed
        {"Quorvantel", "/Login/,Jo,42,secret\r\n", "8ac6170488bc5fb6b7de7034bb4b96cc06803fa34091"},
        {"zzplern", "pass word", "ebfcfc8295743a1491"},
        {"qhastu", std::string("Adult\0,\r\n\"", 10), "137d40afc11b89491c7c"},
        {"Quorvantel", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(encrypt(c.plain, c.key), fromHex(c.cipherHex));
        EXPECT_EQ(decrypt(fromHex(c.cipherHex), c.key), c.plain);
    }
}

TEST_F(Cipher, KeyValueMatchesTheStepwiseRuleForAnyKey)
{
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        const std::string key = randomText(random, 0, 40, 255);
        ASSERT_EQ(lexmara::keyValue(key), literalKeyValue(key)) << i;
    }
    EXPECT_EQ(lexmara::keyValue(std::string(2, '\0')), 0);
    // A key long enough to overflow a 32-bit sum works.
    const std::string longKey(5000, '\xFF');
    EXPECT_EQ(encrypt("abc", longKey).size(), 3u);
    EXPECT_EQ(decrypt(encrypt("abc", longKey), longKey), "abc");
}

TEST_F(Cipher, RoundTripsEveryTextWithoutCode255)
{
    std::mt19937 random(11);
    for (int i = 0; i < 300; ++i) {
        const std::string key = randomText(random, 1, 12, 255); // an empty key would be replaced
        const std::string plain = randomText(random, 0, 200, 254);
        const std::string cipher = encrypt(plain, key);
        ASSERT_EQ(cipher.size(), plain.size());
        ASSERT_EQ(decrypt(cipher, key), plain) << i;
        if (plain.find('\0') == std::string::npos) { // cipher codes are 1..255 then
            ASSERT_EQ(cipher.find('\0'), std::string::npos) << i;
        }
    }
}

TEST_F(Cipher, Code255ComesBackAsZeroUnderANonZeroKey)
{
    const std::string zeroKey(2, '\0'); // a key whose value is 0
    EXPECT_EQ(decrypt(encrypt("\xFF", zeroKey), zeroKey), "\xFF");
    EXPECT_EQ(decrypt(encrypt("\xFF", "a"), "a"), std::string(1, '\0'));
    EXPECT_EQ(decrypt(encrypt("x\xFF", "a"), "a"), std::string("x\0", 2));
    EXPECT_EQ(encrypt(std::string(3, '\0'), zeroKey), std::string(3, '\0'));
    EXPECT_EQ(decrypt("\xFF", ""), "\xFF"); // deciphering with the empty key makes no key
}

TEST_F(Cipher, AnEmptyKeyIsReplacedByARandomKey)
{
    std::set<std::string> keys;
    for (int i = 0; i < 20; ++i) {
        BString key = text("");
        const auto cipher = encrypt("secret", key);
        ASSERT_TRUE(std::holds_alternative<std::string>(cipher));
        ASSERT_LE(key.view().size(), 10u);
        EXPECT_EQ(decrypt(std::get<std::string>(cipher), key.view()), "secret");
        keys.insert(key.str());
    }
    // Seeded once per process: calls in quick succession still make different keys.
    EXPECT_GT(keys.size(), 10u);
}

TEST_F(Cipher, AGivenKeyIsLeftAsItWas)
{
    BString key = text("qhastu");
    encrypt("abc", key);
    EXPECT_EQ(key.str(), "qhastu");
    EXPECT_EQ(encrypt("abc", "qhastu"), encrypt("abc", "qhastu"));
    EXPECT_NE(encrypt("abc", "qhastu"), encrypt("abc", "uhastq"));
}

} // namespace
