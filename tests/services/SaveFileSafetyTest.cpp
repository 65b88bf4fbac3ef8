// The settings and save files across runs of the game that end badly: each run is a child
// process that ends with _exit (no clean-up, as a crash would), or is killed outright.
#include "GameDataFixture.h"
#include "SaveFileSupport.h"
#include "tests/platform/FatalTestSupport.h"
#include "services/config/GlobalOptions.h"
#include "services/player/PlayerStats.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <random>
#include <tuple>
#include <utility>

namespace zelka {
namespace {

namespace fs = std::filesystem;
using namespace savefiles;
using namespace std::string_literals;

std::string SaveWithMatches(int matches)
{
    return Encoded("<SAVE><stats><counters mode=\"0\"><matches>" + std::to_string(matches) +
                   "</matches></counters></stats></SAVE>");
}

// Numbers in the files as the game reads them; -1 when the file does not decode.
int MatchesIn(const std::string& path)
{
    Ref<XMLNode> tree = Tree(path);
    if (!tree) return -1;
    return playerconfig::ParseInt(
        tree->GetChild2(U"stats")->GetChild2(U"counters", U"mode", U"0")->GetChild2(U"matches")->value);
}

int WidthIn(const std::string& path)
{
    Ref<XMLNode> tree = Tree(path);
    if (!tree) return -1;
    return playerconfig::ParseInt(tree->GetChild2(U"options")->GetChild2(U"option", U"name", U"screenWidth")->value);
}

class SaveFileSafetyTest : public GameDataFixture {
protected:
    // One run of the game in a child process: it starts, plays `run` and saves both files
    // as on closing, then ends without any clean-up. Its standard output is returned.
    std::string RunGame(const std::function<void()>& run = [] {})
    {
        const testing::ChildResult result = testing::RunInChild([&] {
            GameData::ResetForTest();
            GameData::Init();
            run();
            playerconfig::SaveUserData();
            playerconfig::SaveGameSettings();
            if (::testing::Test::HasFailure()) _exit(1);
        });
        EXPECT_TRUE(result.exited && result.status == 0) << "status " << result.status << ", signal " << result.signal;
        return result.out;
    }

    static void PlayOneMatch() { GameData::stats->AddMatchResult(0, 1, 0); }
};

TEST_F(SaveFileSafetyTest, FileThatCannotBeReadIsNeverWrittenOver)
{
    // A folder in the file's place: there is something, it just cannot be read as a file.
    WriteBytes(kSave + "/inside", "player's own");
    WriteBytes(kSettings, Encoded("<SAVE></SAVE>"));

    std::string out = RunGame(PlayOneMatch);
    EXPECT_NE(out.find("Cannot read savedata/save.dat"), std::string::npos) << out;
    EXPECT_EQ(out.find("Unreadable file"), std::string::npos) << out;
    EXPECT_EQ(std::pair(ReadBytes(kSave + "/inside"), fs::exists(kSave + ".bad")), std::pair("player's own"s, false));
    // The session's data is kept beside it; the other file is written as usual.
    EXPECT_TRUE(MatchesIn(kSave + ".new") == 1 && Tree(kSettings));

    out = RunGame(PlayOneMatch);  // the next start: still left alone, still reported once
    EXPECT_EQ(ReadBytes(kSave + "/inside"), "player's own");
    std::size_t first = out.find("Cannot read");
    EXPECT_EQ(out.find("Cannot read", first + 1), std::string::npos) << out;
}

// Each damaged start keeps its own copy; when every copy's name is taken the damaged
// file stays as it is and the session's data goes beside it.
TEST_F(SaveFileSafetyTest, DamagedFilesAreKeptOneCopyEachAndNeverWrittenOver)
{
    WriteBytes(kSave, "damaged 0");
    std::string out = RunGame(PlayOneMatch);
    EXPECT_NE(out.find("(it is kept as savedata/save.dat.bad)"), std::string::npos) << out;
    EXPECT_EQ(MatchesIn(kSave), 1);

    WriteBytes(kSave, "damaged 1");
    out = RunGame(PlayOneMatch);
    EXPECT_NE(out.find("(it is kept as savedata/save.dat.bad.1)"), std::string::npos) << out;
    EXPECT_EQ(std::pair(ReadBytes(kSave + ".bad"), ReadBytes(kSave + ".bad.1")), std::pair("damaged 0"s, "damaged 1"s));
    EXPECT_EQ(MatchesIn(kSave), 1);

    for (int slot = 2; slot < 10; ++slot) WriteBytes(kSave + ".bad." + std::to_string(slot), "old");
    WriteBytes(kSave, "damaged");
    out = RunGame(PlayOneMatch);
    EXPECT_NE(out.find("Could not set savedata/save.dat aside"), std::string::npos) << out;
    EXPECT_EQ(std::tuple(ReadBytes(kSave), ReadBytes(kSave + ".bad"), ReadBytes(kSave + ".bad.9")),
              std::tuple("damaged"s, "damaged 0"s, "old"s));
    EXPECT_FALSE(fs::exists(kSave + ".bad.10"));
    EXPECT_EQ(MatchesIn(kSave + ".new"), 1);
}

TEST_F(SaveFileSafetyTest, StaleTemporaryFileIsRemovedAndNeverRead)
{
    // A crash between the write of the new file and its rename.
    WriteBytes(kSave, SaveWithMatches(5));
    WriteBytes(kSave + ".tmp", SaveWithMatches(9));
    GameData::Init();
    EXPECT_EQ(std::pair(fs::exists(kSave + ".tmp"), GameData::stats->GetModeStats(0)->matches), std::pair(false, 5));

    // Even with no file beside it, the leftover is not taken for the file.
    Restart();
    fs::remove(kSave);
    WriteBytes(kSave + ".tmp", SaveWithMatches(9));
    Restart();
    EXPECT_EQ(std::pair(fs::exists(kSave + ".tmp"), GameData::stats->GetModeStats(0)->matches), std::pair(false, 0));
}

TEST_F(SaveFileSafetyTest, EachFileIsSetAsideOnItsOwn)
{
    const std::string goodSettings = Encoded(
        "<SAVE><options><option name=\"sfxVolume\">33</option></options></SAVE>");
    WriteBytes(kSettings, goodSettings);
    WriteBytes(kSave, "damaged save");
    RunGame([] { EXPECT_EQ(GameData::options->sfxVolume, 33); });
    EXPECT_EQ(std::pair(fs::exists(kSettings + ".bad"), ReadBytes(kSave + ".bad")), std::pair(false, "damaged save"s));

    // The other way round: the good save keeps its statistics.
    fs::remove_all("savedata");
    WriteBytes(kSettings, "damaged settings");
    WriteBytes(kSave, SaveWithMatches(7));
    RunGame([] {
        EXPECT_EQ(std::pair(GameData::stats->GetModeStats(0)->matches, GameData::options->sfxVolume), std::pair(7, 80));
    });
    EXPECT_EQ(std::tuple(fs::exists(kSave + ".bad"), ReadBytes(kSettings + ".bad"), MatchesIn(kSave)),
              std::tuple(false, "damaged settings"s, 7));
}

// Killed at any moment of its writes, the game leaves files that decode, each holding the
// values of the last write that finished or of the one in progress, never a mix.
TEST_F(SaveFileSafetyTest, KillAtAnyMomentOfTheWritesLeavesWholeFiles)
{
    std::mt19937 random(24);  // fixed: the same moments on every run
    int lastSave = 0;         // the values in the files when the round starts (0: none)
    int lastSettings = 0;
    for (int kill = 0; kill < 200; ++kill) {
        // Each round's game writes start + 1, start + 2 ... into both files, the save first.
        const int start = std::max(lastSave, lastSettings);
        int progress[2];
        ASSERT_EQ(pipe(progress), 0);
        std::fflush(stdout);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(progress[0]);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            GameData::ResetForTest();
            GameData::Init();
            for (int value = start + 1;; ++value) {
                GameData::stats->GetModeStats(0)->matches = value;
                playerconfig::SaveUserData();
                GameData::options->screenWidth = value;
                playerconfig::SaveGameSettings();
                if (write(progress[1], &value, sizeof value) != sizeof value) _exit(1);
            }
        }
        close(progress[1]);
        // Let a few writes finish, then strike somewhere inside the next one.
        const int writes = std::uniform_int_distribution<int>(0, 3)(random);
        int acknowledged = start;  // the last value both files were written with
        int value = 0;
        for (int i = 0; i < writes; ++i) {
            ASSERT_EQ(read(progress[0], &value, sizeof value), static_cast<ssize_t>(sizeof value));
            acknowledged = value;
        }
        for (volatile int spin = std::uniform_int_distribution<int>(0, 200000)(random); spin > 0;) spin = spin - 1;
        ::kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        while (read(progress[0], &value, sizeof value) == static_cast<ssize_t>(sizeof value)) acknowledged = value;
        close(progress[0]);

        SCOPED_TRACE("kill " + std::to_string(kill) + " after value " + std::to_string(acknowledged));
        // Old or new, never a mix: the value before the round, or the one being written.
        const auto whole = [&](int found, int before) {
            if (acknowledged > start) return found == acknowledged || found == acknowledged + 1;
            return found == before || found == start + 1;
        };
        for (auto [path, read, last] :
             {std::tuple{kSave, &MatchesIn, &lastSave}, {kSettings, &WidthIn, &lastSettings}}) {
            if (!fs::exists(path)) continue;
            const int found = read(path);  // -1 when it does not decode
            EXPECT_TRUE(whole(found, *last)) << path << ": " << found;
            *last = found;
        }
        // The next start finds nothing to set aside.
        ASSERT_FALSE(fs::exists(kSave + ".bad"));
        ASSERT_FALSE(fs::exists(kSettings + ".bad"));
    }
}

}  // namespace
}  // namespace zelka
