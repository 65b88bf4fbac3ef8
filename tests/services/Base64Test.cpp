#include "services/crypt/Encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace zelka {
namespace {

using encoding::Base64ToString;
using encoding::StringToBase64;

// Decodes, and gives what the decoder printed through `printed`.
String DecodeCapturing(const String& text, std::string& printed)
{
    ::testing::internal::CaptureStdout();
    String out = Base64ToString(text);
    printed = ::testing::internal::GetCapturedStdout();
    return out;
}

TEST(Base64, MatchesRfc4648VectorsAndEveryByteValue)
{
    const std::pair<const char32_t*, const char32_t*> vectors[] = {
        {U"f", U"Zg=="}, {U"fo", U"Zm8="}, {U"foo", U"Zm9v"}, {U"foob", U"Zm9vYg=="},
        {U"fooba", U"Zm9vYmE="}, {U"foobar", U"Zm9vYmFy"}, {U"\xFB\xFB\xFB", U"+/v7"},
    };
    for (const auto& [plain, coded] : vectors) {
        EXPECT_EQ(StringToBase64(plain), coded);
        EXPECT_EQ(Base64ToString(coded), plain);
    }
    EXPECT_EQ(StringToBase64(U""), U"");
    String bytes;
    for (char32_t c = 0; c < 256; ++c) bytes += c;
    EXPECT_EQ(Base64ToString(StringToBase64(bytes)), bytes);
    EXPECT_EQ(StringToBase64(U"\u0141"), StringToBase64(U"\u0041"));  // only the low byte counts
    // The dropped low bits of the last group need not be zero.
    EXPECT_EQ(Base64ToString(U"YR=="), U"a");
    EXPECT_EQ(Base64ToString(U"YWJ="), U"ab");
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
        U"YW!j",           // outside the alphabet
        U"YW J",           // white space is not skipped
        U"YWJ\u00e9",      // a non-ASCII character
        U"=WJj", U"Y=Jj",  // padding first or second
        U"YW=j",           // padding third without a fourth
        U"YQ==YWJj",       // padding before the last group
        U"====",
        U"Y\U00010041Jj",  // code above 255 whose low byte is in the alphabet
        U"YWJj\nYWJjYWJ",  // a line break inside the data
    };
    for (const char32_t* text : bad) {
        std::string printed;
        EXPECT_EQ(DecodeCapturing(text, printed), U"") << ToUtf8(text);
        EXPECT_EQ(printed, "Base64ToString: Invalid character in data\n") << ToUtf8(text);
    }
}

}  // namespace
}  // namespace zelka
