#include "platform/files/DataPath.h"

#include "platform/files/FileIO.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zelka {
namespace {

namespace fs = std::filesystem;

// An application folder with data/sfx/01.aux and a home folder, both injected.
class DataPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(root_ / "app" / "data" / "sfx");
        fs::create_directories(root_ / "home");
        std::ofstream(root_ / "app" / "data" / "sfx" / "01.aux") << "x";
        files::SetApplicationFolder((root_ / "app").string());
        files::SetHomeFolder((root_ / "home").string());
    }
    void TearDown() override
    {
        files::SetApplicationFolder(std::nullopt);
        files::SetHomeFolder(std::nullopt);
        files::SetExecutableLink("/proc/self/exe");
        files::SetProgramPath("");
        fs::remove_all(root_);
    }

    const fs::path root_ = fs::temp_directory_path() / ("zelka_datapath_" + std::to_string(getpid()));
};

TEST(FixDataPath, PrefixesBareNamesOnly)
{
    const std::pair<const char*, const char*> cases[] = {
        {"fonts/a.fnt", "kestro://data/fonts/a.fnt"},
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
    for (const auto& [in, out] : cases) EXPECT_EQ(data::FixDataPath(in), out) << in;
}

TEST_F(DataPathTest, EachSchemeResolvesAndOpens)
{
    const std::string app = (root_ / "app").string();
    const fs::path internal = root_ / "home" / ".config" / "Quillon Works" / "ZELKA";
    EXPECT_EQ(files::PathToFilePath("kestro://data/sfx/01.aux"), app + "/data/sfx/01.aux");
    EXPECT_EQ(files::PathToFilePath(data::FixDataPath("sfx/01.aux")), app + "/data/sfx/01.aux");
    EXPECT_EQ(files::PathToFilePath("kestro://external/mods/a"), app + "/external/mods/a");
    EXPECT_FALSE(fs::exists(internal));
    EXPECT_EQ(files::PathToFilePath("kestro://internal/x.cfg"), internal.string() + "/x.cfg");
    EXPECT_TRUE(fs::is_directory(internal));  // made on first use
    EXPECT_EQ(files::InternalFolder(), internal.string());
    EXPECT_EQ(files::PathToFilePath("kestro://other/x"), "");
    EXPECT_EQ(files::PathToFilePath("kestro:data/x"), "");
    EXPECT_EQ(files::PathToFilePath("savedata/save.dat"), "savedata/save.dat");
    EXPECT_EQ(files::PathToFilePath("/abs/x"), "/abs/x");

    EXPECT_NE(files::OpenFile("kestro://data/sfx/01.aux", "rb"), nullptr);
    EXPECT_EQ(files::OpenFile("kestro://other/sfx/01.aux", "rb"), nullptr);
    EXPECT_EQ(files::OpenFile("kestro://data/sfx/02.aux", "rb"), nullptr);
}

TEST_F(DataPathTest, ApplicationFolderIsTheExecutablesThenTheProgramPaths)
{
    // The test binaries sit beside data/, as the game does.
    files::SetApplicationFolder(std::nullopt);
    const fs::path exe = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(files::ApplicationFolder(), exe.parent_path().string());
    EXPECT_EQ(files::PathToFilePath("kestro://data/x"), exe.parent_path().string() + "/data/x");

    // A link longer than a first guess at its size is read whole.
    fs::create_symlink("/opt/" + std::string(300, 'q') + "/bin/zelka", root_ / "exe");
    files::SetExecutableLink((root_ / "exe").string());
    EXPECT_EQ(files::ApplicationFolder(), "/opt/" + std::string(300, 'q') + "/bin");

    // An unreadable link falls back to the folder of the program path.
    files::SetExecutableLink((root_ / "no-such-link").string());
    files::SetProgramPath("/usr/games/zelka/zelka");
    EXPECT_EQ(files::ApplicationFolder(), "/usr/games/zelka");
    EXPECT_EQ(files::PathToFilePath("kestro://data/a.png"), "/usr/games/zelka/data/a.png");
    files::SetProgramPath("zelka");  // started through PATH: nothing better than here
    EXPECT_EQ(files::ApplicationFolder(), ".");
    EXPECT_EQ(files::FolderOf("./zelka"), ".");
    EXPECT_EQ(files::FolderOf("/zelka"), "");
}

}  // namespace
}  // namespace zelka
