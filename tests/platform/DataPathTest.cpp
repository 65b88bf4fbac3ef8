#include "platform/files/DataPath.h"

#include "platform/files/FileIO.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zelka {
namespace {

namespace fs = std::filesystem;

class DataPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("zelka_datapath_" + std::to_string(getpid()));
        fs::create_directories(root_ / "app" / "data" / "sfx");
        fs::create_directories(root_ / "home");
        files::SetApplicationFolder((root_ / "app").string());
        files::SetHomeFolder((root_ / "home").string());
    }
    void TearDown() override
    {
        files::SetApplicationFolder(std::nullopt);
        files::SetHomeFolder(std::nullopt);
        fs::remove_all(root_);
    }

    fs::path root_;
};

TEST(FixDataPath, PrefixesBareNamesOnly)
{
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"fonts/a.fnt", "kestro://data/fonts/a.fnt"},
        {"sfx/01.aux", "kestro://data/sfx/01.aux"},
        {"a.png", "kestro://data/a.png"},
        {"", "kestro://data/"},
        {"/tmp/x", "/tmp/x"},
        {"./x", "./x"},
        {"kestro://internal/x", "kestro://internal/x"},
        {"http://host/x", "http://host/x"},
        {"c:/x", "c:/x"},
        {"dir/a:/b", "kestro://data/dir/a:/b"},  // "/" before ":/": no scheme
        {"../x", "kestro://data/../x"},
        {".x", "kestro://data/.x"},
        {"a:b", "kestro://data/a:b"},
    };
    for (const auto& c : cases) EXPECT_EQ(data::FixDataPath(c.in), c.out) << c.in;
}

TEST_F(DataPathTest, ResolvesEachScheme)
{
    const std::string app = (root_ / "app").string();
    const std::string internal = (root_ / "home" / ".config" / "Quillon Works" / "ZELKA").string();
    EXPECT_EQ(files::PathToFilePath("kestro://data/sfx/01.aux"), app + "/data/sfx/01.aux");
    EXPECT_EQ(files::PathToFilePath(data::FixDataPath("sfx/01.aux")), app + "/data/sfx/01.aux");
    EXPECT_EQ(files::PathToFilePath("kestro://external/mods/a"), app + "/external/mods/a");
    EXPECT_EQ(files::PathToFilePath("kestro://internal/x.cfg"), internal + "/x.cfg");
    EXPECT_EQ(files::PathToFilePath("kestro://other/x"), "");
    EXPECT_EQ(files::PathToFilePath("kestro:data/x"), "");
    EXPECT_EQ(files::PathToFilePath("savedata/save.dat"), "savedata/save.dat");
    EXPECT_EQ(files::PathToFilePath("/abs/x"), "/abs/x");
}

TEST_F(DataPathTest, InternalFolderIsMadeOnFirstUse)
{
    const fs::path internal = root_ / "home" / ".config" / "Quillon Works" / "ZELKA";
    EXPECT_FALSE(fs::exists(internal));
    (void)files::PathToFilePath("kestro://internal/x");
    EXPECT_TRUE(fs::is_directory(internal));
    EXPECT_EQ(files::InternalFolder(), internal.string());
}

TEST_F(DataPathTest, OpenFileFollowsTheScheme)
{
    std::ofstream(root_ / "app" / "data" / "sfx" / "01.aux") << "x";
    EXPECT_NE(files::OpenFile("kestro://data/sfx/01.aux", "rb"), nullptr);
    EXPECT_EQ(files::OpenFile("kestro://other/sfx/01.aux", "rb"), nullptr);
    EXPECT_EQ(files::OpenFile("kestro://data/sfx/02.aux", "rb"), nullptr);
}

TEST(ApplicationFolder, IsTheRunningExecutablesFolder)
{
    files::SetApplicationFolder(std::nullopt);
    const fs::path exe = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(files::ApplicationFolder(), exe.parent_path().string());
    // The test binaries sit beside data/, as the game does.
    EXPECT_EQ(files::PathToFilePath("kestro://data/x"), exe.parent_path().string() + "/data/x");
}

TEST_F(DataPathTest, ExecutableLinkIsReadWhole)
{
    files::SetApplicationFolder(std::nullopt);
    const std::string target = "/opt/" + std::string(300, 'q') + "/bin/zelka";
    fs::create_symlink(target, root_ / "exe");
    files::SetExecutableLink((root_ / "exe").string());
    EXPECT_EQ(files::ApplicationFolder(), "/opt/" + std::string(300, 'q') + "/bin");
    files::SetExecutableLink("/proc/self/exe");
}

TEST_F(DataPathTest, UnreadableLinkFallsBackToProgramPath)
{
    files::SetApplicationFolder(std::nullopt);
    files::SetExecutableLink((root_ / "no-such-link").string());
    files::SetProgramPath("/usr/games/zelka/zelka");
    EXPECT_EQ(files::ApplicationFolder(), "/usr/games/zelka");
    EXPECT_EQ(files::PathToFilePath("kestro://data/a.png"), "/usr/games/zelka/data/a.png");
    files::SetProgramPath("zelka");  // started through PATH: nothing better than here
    EXPECT_EQ(files::ApplicationFolder(), ".");
    files::SetProgramPath("");
    files::SetExecutableLink("/proc/self/exe");
}

TEST(FolderOf, CutsBeforeTheLastSlash)
{
    EXPECT_EQ(files::FolderOf("/usr/games/zelka"), "/usr/games");
    EXPECT_EQ(files::FolderOf("./zelka"), ".");
    EXPECT_EQ(files::FolderOf("zelka"), ".");
    EXPECT_EQ(files::FolderOf("/zelka"), "");
}

}  // namespace
}  // namespace zelka
