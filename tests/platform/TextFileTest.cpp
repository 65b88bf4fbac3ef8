#include "platform/files/TextFile.h"

#include "platform/files/DataPath.h"
#include "tests/support/AppFolderFixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

namespace zelka {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
using TextFileTest = testing::AppFolderFixture;

String Decode(const Bytes& bytes, bool* invalid = nullptr)
{
    const DecodedText decoded = DecodeText(bytes);
    if (invalid) *invalid = decoded.invalidUtf8;
    return decoded.text;
}

TEST(DecodeText, ByteOrderMarksChooseTheEncoding)
{
    EXPECT_EQ(Decode({0xFF, 0xFE, 'h', 0, 0x91, 0x21}), U"h\u2191");        // UTF-16, low byte first
    EXPECT_EQ(Decode({0xFE, 0xFF, 0, 'h', 0x21, 0x91}), U"h\u2191");        // high byte first
    EXPECT_EQ(Decode({0xFF, 0xFE, 'a', 0, 'b'}), U"a");                     // odd last byte dropped
    EXPECT_EQ(Decode({0xFF, 0xFE}), U"");                                   // only the mark
    EXPECT_EQ(Decode({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}), U"\U0001F600");  // surrogate pair
    EXPECT_EQ(Decode({0xEF, 0xBB, 0xBF, 'o', 'k'}), U"ok");                 // UTF-8 mark skipped
    EXPECT_EQ(Decode({0xC3, 0xA9, 0xE2, 0x86, 0x91}), U"\u00e9\u2191");     // no mark: UTF-8
    EXPECT_EQ(Decode({}), U"");
}

TEST(DecodeText, InvalidUtf8FallsBackToOneCharacterPerByte)
{
    bool invalid = true;
    Decode({'o', 'k'}, &invalid);
    EXPECT_FALSE(invalid);
    // With the mark, the fallback covers the bytes after it.
    EXPECT_EQ(Decode({0xEF, 0xBB, 0xBF, 0xC3, 0xA9, 0xFF}, &invalid), (String{0xC3, 0xA9, 0xFF}));
    EXPECT_TRUE(invalid);
    // Each of these is not UTF-8 of one to three bytes.
    const Bytes bad[] = {
        {'a', 0xE9, 'b'},          // Latin-1
        {0xC3},                    // cut short at the end
        {0xC3, 'a'},               // missing continuation
        {0xC0, 0xAF},              // overlong two-byte form
        {0xE0, 0x80, 0xAF},        // overlong three-byte form
        {0xED, 0xA0, 0x80},        // a surrogate
        {0xF0, 0x9F, 0x98, 0x80},  // four bytes
        {0x80},                    // a lone continuation
    };
    for (const Bytes& bytes : bad) {
        invalid = false;
        EXPECT_EQ(Decode(bytes, &invalid), String(bytes.begin(), bytes.end()));
        EXPECT_TRUE(invalid) << bytes.size() << " bytes from " << int{bytes[0]};
    }
}

TEST_F(TextFileTest, LoadStringReadsEachPathFormAndReportsInvalidUtf8ByPath)
{
    WriteBytes("latin.txt", {'c', 'a', 'f', 0xE9});
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(LoadString(PathOf("latin.txt")), U"caf\u00e9");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Invalid UTF-8 in file: " + PathOf("latin.txt") + "\n");
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(LoadString(PathOf("missing.txt")), U"");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");

    WriteBytes("data/a.fnt", {0xEF, 0xBB, 0xBF, 'f', 'n', 't'});
    EXPECT_EQ(files::LoadString("kestro://data/a.fnt"), U"fnt");
    EXPECT_EQ(app::LoadString("a.fnt"), U"fnt");
    EXPECT_EQ(app::LoadString("b.fnt"), U"");
    EXPECT_EQ(LoadString("kestro://data/a.fnt"), U"");  // the global form takes the path as given
}

TEST_F(TextFileTest, SaveStringWritesUtf8AndReplacesTheWholeFile)
{
    EXPECT_EQ(SaveString(U"a\u00e9\u2191", PathOf("arrow.txt")), 0);
    EXPECT_EQ(ReadBytes("arrow.txt"), (Bytes{'a', 0xC3, 0xA9, 0xE2, 0x86, 0x91}));
    EXPECT_EQ(SaveString(U"", PathOf("empty.txt")), 0);
    EXPECT_TRUE(fs::exists(PathOf("empty.txt")) && fs::file_size(PathOf("empty.txt")) == 0);
    ASSERT_EQ(SaveString(U"a much longer first version", PathOf("save.dat")), 0);
    ASSERT_EQ(SaveString(U"short", PathOf("save.dat")), 0);
    EXPECT_EQ(LoadString(PathOf("save.dat")), U"short");
    EXPECT_FALSE(fs::exists(PathOf("save.dat.tmp")));
    EXPECT_EQ(SaveString(U"x", PathOf("savedata/save.dat")), -1);  // no folder is made
    EXPECT_FALSE(fs::exists(dir_ / "savedata"));
}

TEST_F(TextFileTest, FailedWriteLeavesTheOldFileWhole)
{
    const String old = U"<SAVE>old</SAVE>";
    ASSERT_EQ(SaveString(old, PathOf("save.dat")), 0);
    // In a child process: the file-size limit makes the write fail part way (EFBIG), and
    // the save reports it with -2.
    const auto saveUnderLimit = [this] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{.rlim_cur = 1024, .rlim_max = 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(SaveString(String(20000, U'x'), PathOf("save.dat")) == -2 ? 0 : 1);
    };
    EXPECT_EXIT(saveUnderLimit(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(LoadString(PathOf("save.dat")), old);
    EXPECT_FALSE(fs::exists(PathOf("save.dat.tmp")));
}

}  // namespace
}  // namespace zelka
