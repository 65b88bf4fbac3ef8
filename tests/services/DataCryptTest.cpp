#include "services/crypt/DataCrypt.h"

#include "services/crypt/Encoding.h"

#include <gtest/gtest.h>

namespace zelka {
namespace {

constexpr auto kKey = DataCrypt::kSaveFileKey;

TEST(DataCrypt, KeyIsThirtyPrintableCharacters)
{
    ASSERT_EQ(kKey.size(), 30u);
    for (char32_t c : kKey) EXPECT_TRUE(c > 32 && c < 127);
}

TEST(DataCrypt, SaveRootMatchesKnownAnswer)
{
    const String cipher = DataCrypt::Encrypt(U"<SAVE></SAVE>", kKey);
    const String expected = {0x0a, 0x1d, 0xf5, 0xca, 0x30, 0x13, 0xf5, 0xf3, 0x1c, 0x0a, 0xe2, 0xde, 0x38};
    EXPECT_EQ(cipher, expected);
    EXPECT_EQ(encoding::StringToBase64(cipher), U"Ch31yjAT9fMcCuLeOA==");
}

TEST(DataCrypt, AsciiFollowsTheCharacterFormula)
{
    String text;
    for (int i = 0; i < 100; ++i) text += static_cast<char32_t>(32 + (i * 37) % 95);
    const String cipher = DataCrypt::Encrypt(text, kKey);
    ASSERT_EQ(cipher.size(), text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        EXPECT_EQ(cipher[i], (kKey[i % 30] - text[i] - 1) & 0xFF) << i;
    }
    EXPECT_EQ(DataCrypt::Decrypt(text, kKey), DataCrypt::Encrypt(text, kKey));  // same operation on ASCII
}

TEST(DataCrypt, TransformIsItsOwnInverseOverEveryByte)
{
    std::string bytes;
    for (int round = 0; round < 3; ++round) {
        for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    }
    std::string twice = bytes;
    DataCrypt::Transform(twice, kKey);
    EXPECT_NE(twice, bytes);
    DataCrypt::Transform(twice, kKey);
    EXPECT_EQ(twice, bytes);
}

TEST(DataCrypt, KeyWrapsAtThirty)
{
    const std::string zeros(61, '\0');
    std::string cipher = zeros;
    DataCrypt::Transform(cipher, kKey);
    EXPECT_EQ(cipher[30], cipher[0]);
    EXPECT_EQ(cipher[60], cipher[0]);
    EXPECT_EQ(cipher[59], cipher[29]);
    EXPECT_EQ(static_cast<uint8_t>(cipher[0]), static_cast<uint8_t>(kKey[0] - 1));
    EXPECT_NE(cipher[29], cipher[0]);
}

TEST(DataCrypt, RoundTripsAnyText)
{
    String latin;
    for (char32_t c = 0; c < 256; ++c) latin += c;
    EXPECT_EQ(DataCrypt::Decrypt(DataCrypt::Encrypt(latin, kKey), kKey), latin);

    // The arrow scheme's name and other characters beyond one byte survive.
    const String arrows = U"<movementScheme>\u2191 \u2193 \u2190 \u2192</movementScheme>\U0001F600";
    const String stored = DataCrypt::Encrypt(arrows, kKey);
    for (char32_t c : stored) EXPECT_LT(c, 256u);
    EXPECT_EQ(DataCrypt::Decrypt(stored, kKey), arrows);

    // And through the file's Base64 layer.
    EXPECT_EQ(DataCrypt::Decrypt(encoding::Base64ToString(encoding::StringToBase64(stored)), kKey), arrows);
    EXPECT_EQ(DataCrypt::Encrypt(U"", kKey), U"");
    EXPECT_EQ(DataCrypt::Decrypt(U"", kKey), U"");
}

TEST(DataCrypt, InvalidUtf8ComesBackOneCharacterPerByte)
{
    // A file enciphered from the low bytes of the arrows (how older files stored them).
    std::string oldBytes = "a\x91 \x93";
    DataCrypt::Transform(oldBytes, kKey);
    EXPECT_EQ(DataCrypt::Decrypt(FromLatin1(oldBytes), kKey), (String{U'a', 0x91, U' ', 0x93}));
}

}  // namespace
}  // namespace zelka
