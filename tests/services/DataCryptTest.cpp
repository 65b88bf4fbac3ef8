#include "services/crypt/DataCrypt.h"

#include "services/crypt/Encoding.h"

#include <gtest/gtest.h>

namespace zelka {
namespace {

constexpr auto kKey = DataCrypt::kSaveFileKey;

// Files written by earlier versions must stay readable: the exact bytes of an empty save.
TEST(DataCrypt, SaveRootMatchesKnownAnswer)
{
    const String cipher = DataCrypt::Encrypt(U"<SAVE></SAVE>", kKey);
    EXPECT_EQ(cipher, (String{0x0a, 0x1d, 0xf5, 0xca, 0x30, 0x13, 0xf5, 0xf3, 0x1c, 0x0a, 0xe2, 0xde, 0x38}));
    EXPECT_EQ(encoding::StringToBase64(cipher), U"Ch31yjAT9fMcCuLeOA==");
    EXPECT_EQ(DataCrypt::Decrypt(U"<SAVE>", kKey), DataCrypt::Encrypt(U"<SAVE>", kKey));  // same on ASCII
}

TEST(DataCrypt, TransformIsItsOwnInverseOverEveryByteAndWrapsTheKeyAtThirty)
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

    std::string zeros(61, '\0');
    DataCrypt::Transform(zeros, kKey);
    for (std::size_t i = 0; i < zeros.size(); ++i) {
        EXPECT_EQ(static_cast<uint8_t>(zeros[i]), static_cast<uint8_t>(kKey[i % 30] - 1)) << i;
    }
}

TEST(DataCrypt, RoundTripsAnyText)
{
    String latin;
    for (char32_t c = 0; c < 256; ++c) latin += c;
    EXPECT_EQ(DataCrypt::Decrypt(DataCrypt::Encrypt(latin, kKey), kKey), latin);
    EXPECT_EQ(DataCrypt::Encrypt(U"", kKey), U"");

    // The arrow scheme's name and other characters beyond one byte, through the file's
    // Base64 layer too.
    const String arrows = U"<movementScheme>\u2191 \u2193 \u2190 \u2192</movementScheme>\U0001F600";
    const String stored = DataCrypt::Encrypt(arrows, kKey);
    for (char32_t c : stored) EXPECT_LT(c, 256u);
    EXPECT_EQ(DataCrypt::Decrypt(encoding::Base64ToString(encoding::StringToBase64(stored)), kKey), arrows);

    // Older files enciphered the low bytes of the arrows, which are not UTF-8: one
    // character per byte comes back.
    std::string oldBytes = "a\x91 \x93";
    DataCrypt::Transform(oldBytes, kKey);
    EXPECT_EQ(DataCrypt::Decrypt(FromLatin1(oldBytes), kKey), (String{U'a', 0x91, U' ', 0x93}));
}

}  // namespace
}  // namespace zelka
