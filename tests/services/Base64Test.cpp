#include "services/crypt/Encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace zelka {
namespace {

using encoding::Base64ToString;
using encoding::StringToBase64;

// Decodes while capturing what the decoder printed.
String DecodeCapturing(const String& text, std::string& printed)
{
    ::testing::internal::CaptureStdout();
    String out = Base64ToString(text);
    printed = ::testing::internal::GetCapturedStdout();
    return out;
}

TEST(Base64, MatchesRfc4648Vectors)
{
    const std::pair<const char32_t*, const char32_t*> vectors[] = {
        {U"", U""},         {U"f", U"Zg=="},         {U"fo", U"Zm8="},         {U"foo", U"Zm9v"},
        {U"foob", U"Zm9vYg=="}, {U"fooba", U"Zm9vYmE="}, {U"foobar", U"Zm9vYmFy"}, {U"abc", U"YWJj"},
        {U"ab", U"YWI="},   {U"a", U"YQ=="},
    };
    for (const auto& [plain, coded] : vectors) {
        EXPECT_EQ(StringToBase64(plain), coded);
        if (*plain) {
            EXPECT_EQ(Base64ToString(coded), plain);
        }
    }
    EXPECT_EQ(Base64ToString(U"YWJj").size(), 3u);
    EXPECT_EQ(Base64ToString(U"YWI=").size(), 2u);
    EXPECT_EQ(Base64ToString(U"YQ==").size(), 1u);
}

TEST(Base64, EncodesLowEightBitsOfEveryByteValue)
{
    String bytes;
    for (char32_t c = 0; c < 256; ++c) bytes += c;
    EXPECT_EQ(Base64ToString(StringToBase64(bytes)), bytes);
    EXPECT_EQ(StringToBase64(U"\u0141"), StringToBase64(U"\u0041"));  // only the low byte counts
    EXPECT_EQ(StringToBase64(String(1, U'\xFF')), U"/w==");
    EXPECT_EQ(StringToBase64(String(3, U'\xFB')), U"+/v7");
}

TEST(Base64, WrongLengthPrintsTheLineOnce)
{
    for (const char32_t* text : {U"", U"YWJjY", U"YW", U"YWJjYWJ"}) {
        std::string printed;
        EXPECT_EQ(DecodeCapturing(text, printed), U"");
        EXPECT_EQ(printed, "Base64ToString: Data length must be divisible by 4\n");
    }
}

TEST(Base64, InvalidCharactersAndMisplacedPaddingGiveEmpty)
{
    const char32_t* bad[] = {
        U"YW!j",         // outside the alphabet
        U"YW J",         // white space is not skipped
        U"YWJ\u00e9",    // a non-ASCII character
        U"=WJj",         // padding first
        U"Y=Jj",         // padding second
        U"YW=j",         // padding third without a fourth
        U"YQ==YWJj",     // padding before the last group
        U"YWJ=YWJj",
        U"====",
        U"Y\U00010041Jj",  // code above 255 whose low byte is in the alphabet
    };
    for (const char32_t* text : bad) {
        std::string printed;
        EXPECT_EQ(DecodeCapturing(text, printed), U"") << ToUtf8(text);
        EXPECT_FALSE(printed.empty());
        EXPECT_EQ(printed.find('\n'), printed.size() - 1) << "one line";
    }
    std::string printed;
    DecodeCapturing(U"YWJj\nYWJjYWJ", printed);  // a line break inside the data
    EXPECT_EQ(printed, "Base64ToString: Invalid character in data\n");
}

TEST(Base64, AcceptsNonZeroPaddingBits)
{
    // The decoder takes the fields as they are; the dropped low bits need not be zero.
    EXPECT_EQ(Base64ToString(U"YR=="), U"a");
    EXPECT_EQ(Base64ToString(U"YWJ="), U"ab");
}

TEST(Encoding, CharAtAndFindCharMissGently)
{
    const String text = U"abc";
    EXPECT_EQ(encoding::CharAt(text, -1), 0);
    EXPECT_EQ(encoding::CharAt(text, 3), 0);
    EXPECT_EQ(encoding::CharAt(text, 2), 'c');
    EXPECT_EQ(encoding::CharAt(U"\u2191", 0), 0x2191);
    EXPECT_EQ(encoding::FindChar(text, U'z'), -1);
    EXPECT_EQ(encoding::FindChar(U"abcb", U'b'), 1);
    EXPECT_EQ(encoding::FindChar(U"", U'a'), -1);
}

TEST(Encoding, CharacterClassesAreAsciiOnly)
{
    EXPECT_TRUE(encoding::IsAlpha(U'A') && encoding::IsAlpha(U'z'));
    EXPECT_FALSE(encoding::IsAlpha(U'@') || encoding::IsAlpha(U'[') || encoding::IsAlpha(U'`') ||
                 encoding::IsAlpha(U'{') || encoding::IsAlpha(U'\u00e9'));
    EXPECT_TRUE(encoding::IsNum(U'0') && encoding::IsNum(U'9'));
    EXPECT_FALSE(encoding::IsNum(U'/') || encoding::IsNum(U':') || encoding::IsNum(U'\u0660'));
    EXPECT_TRUE(encoding::IsAlNum(U'q') && encoding::IsAlNum(U'5'));
    EXPECT_FALSE(encoding::IsAlNum(U'_'));
}

}  // namespace
}  // namespace zelka
