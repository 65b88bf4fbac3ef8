#include "services/config/PlayerConfig.h"

#include "GameDataFixture.h"
#include "SaveFileSupport.h"
#include "services/config/GlobalOptions.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerStats.h"

#include <climits>
#include <utility>
#include <vector>

namespace zelka {
namespace {

using namespace savefiles;

const char kFreshSettings[] =
    "<SAVE><options><option name=\"displayHowToPlay\">1</option><option name=\"screenWidth\">0"
    "</option><option name=\"screenHeight\">0</option><option name=\"bgmVolume\">50</option>"
    "<option name=\"sfxVolume\">80</option><option name=\"fullscreen\">1</option></options>"
    "<mapping player=\"1\"></mapping><mapping player=\"2\"></mapping></SAVE>";

using PlayerConfigTest = GameDataFixture;

TEST_F(PlayerConfigTest, FreshFilesHoldTheDefaults)
{
    // Closing before the game data exists saves nothing.
    playerconfig::SaveUserData();
    playerconfig::SaveGameSettings();
    EXPECT_FALSE(std::filesystem::exists("savedata"));

    // Without files it is a first start: nothing is decoded, reported or kept.
    ::testing::internal::CaptureStdout();
    GameData::Init();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    // The tree made when there is no file, before the video mode stores the desktop size.
    EXPECT_EQ(ToUtf8(GameData::GetConfigNode()->ToString()), kFreshSettings);

    EXPECT_FALSE(std::filesystem::exists("savedata"));
    playerconfig::SaveGameSettings();  // the missing folder is created on the way
    playerconfig::SaveUserData();
    std::string settings = kFreshSettings;
    settings.replace(settings.find(">0<"), 3, ">1920<");  // the desktop size, once applied
    settings.replace(settings.find(">0<"), 3, ">1080<");
    EXPECT_EQ(Decoded(kSettings), settings);
    EXPECT_FALSE(std::filesystem::exists(kSettings + ".bad"));
    EXPECT_FALSE(std::filesystem::exists(kSave + ".bad"));
    const std::string save = Decoded(kSave);
    EXPECT_EQ(save.rfind("<SAVE><stats><counters mode=\"0\"><matches>0</matches><victories>0"
                         "</victories><draws>0</draws></counters>", 0), 0u);
    EXPECT_NE(save.find("<items><item id=\"0\" uses=\"0\" uses_p2=\"0\"></item>"), std::string::npos);
    EXPECT_NE(save.find("<item id=\"8\" uses=\"0\" uses_p2=\"0\"></item></items></SAVE>"), std::string::npos);
}

// Write, read at the next start, write again: the same bytes, the statistics and the
// controls back, the arrow scheme's name (beyond one byte per character) included.
TEST_F(PlayerConfigTest, WriteReadWriteIsByteIdentical)
{
    GameData::Init();
    GameData::SetGameMode(1);
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"JOYSTICK 1"));
    ASSERT_TRUE(GameData::SafeMoveSchemeSet(1, 2));  // E S D F, then back to the arrows
    ASSERT_TRUE(GameData::SafeMoveSchemeSet(1, 0));
    ASSERT_TRUE(GameData::SafeInputSet(1, 0, U"Q"));
    for (int mode = 0; mode < 4; ++mode) GameData::stats->AddMatchResult(mode, mode, 1);
    GameData::stats->SetItemUses(1, 7, 12);
    GameData::stats->SetItemUses(2, 8, 4);
    GameData::SetSFXVolume(33);
    playerconfig::SaveGameSettings();
    playerconfig::SaveUserData();
    const std::string settings = ReadBytes(kSettings);
    const std::string save = ReadBytes(kSave);
    EXPECT_NE(Decoded(kSettings).find("<movementScheme>" + ToUtf8(U"\u2020 \u2039 \u2021 \u203A") +
                                      "</movementScheme>"),
              std::string::npos);

    Restart();
    playerconfig::SaveGameSettings();
    playerconfig::SaveUserData();
    EXPECT_EQ(ReadBytes(kSettings), settings);
    EXPECT_EQ(ReadBytes(kSave), save);

    // Volume, matches, mode 0's victories and draws, mode 1's draws, mode 2's victories, item uses.
    const PlayerStats& stats = *GameData::stats;
    EXPECT_EQ((std::vector{GameData::options->sfxVolume, stats.GetTotalMatches(),
                           stats.GetModeStats(0)->victories + stats.GetModeStats(0)->draws,
                           stats.GetModeStats(1)->draws, stats.GetModeStats(2)->victories, stats.GetItemUses(1, 7),
                           stats.GetItemUses(2, 8)}),
              (std::vector{33, 4, 0, 1, 1, 12, 4}));
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    InputMapping& mapping = *GameData::player1->GetInputMapping();
    EXPECT_EQ(std::pair(mapping.GetDirMapping(), mapping.GetKey(0)), std::pair(0, String(U"Q")));
}

// Numbers saturate rather than overflow; booleans are numbers, "true" is not one. What
// the game does not know is kept.
TEST_F(PlayerConfigTest, NumbersFollowTheReadingRulesAndUnknownElementsStay)
{
    // No bgmVolume (keeps 50), no fullscreen (reads false), a huge width, a signed height.
    WriteBytes(kSettings, Encoded("<SAVE><options><option name=\"displayHowToPlay\">true</option>"
                                  "<option name=\"screenWidth\">99999999999999999999</option>"
                                  "<option name=\"screenHeight\">-12px</option>"
                                  "<option name=\"sfxVolume\">2</option></options></SAVE>"));
    WriteBytes(kSave, Encoded("<SAVE><extra a=\"1\">keep</extra><stats><counters mode=\"1\"><matches>"
                              "4294967297</matches></counters></stats><items><item id=\"3\" "
                              "uses=\"-4294967297\"></item></items></SAVE>"));
    ::testing::internal::CaptureStdout();
    GameData::Init();
    ::testing::internal::GetCapturedStdout();  // the statistics' range line
    EXPECT_FALSE(GameData::options->displayHowToPlay || GameData::options->fullscreen || video_->IsFullscreen());
    EXPECT_EQ(std::pair(GameData::options->bgmVolume, GameData::options->sfxVolume), std::pair(50, 2));
    // Statistics saturate too, then are held within their range.
    EXPECT_EQ((std::vector{GameData::stats->GetModeStats(1)->matches, GameData::stats->GetItemUses(1, 3),
                           GameData::stats->GetItemUses(2, 3)}),
              (std::vector{kMaxStatsCounter, 0, 0}));

    const std::pair<const char32_t*, int> numbers[] = {
        {U"99999999999999999999", INT_MAX}, {U"-99999999999999999999", INT_MIN}, {U"-12px", -12},
        {U"+7", 7}, {U"px", 0}, {U"", 0},
    };
    for (const auto& [text, value] : numbers) EXPECT_EQ(playerconfig::ParseInt(text), value) << ToUtf8(text);
    EXPECT_TRUE(playerconfig::ParseBool(U"2"));
    EXPECT_FALSE(playerconfig::ParseBool(U"true") || playerconfig::ParseBool(U""));
    playerconfig::SaveUserData();
    EXPECT_EQ(Decoded(kSave).rfind("<SAVE><extra a=\"1\">keep</extra><stats>", 0), 0u);
}

TEST_F(PlayerConfigTest, CorruptFilesGiveDefaultsAndAreKept)
{
    const std::string valid = Encoded("<SAVE><stats></stats></SAVE>");
    const std::pair<const char*, std::string> cases[] = {
        {"truncated", valid.substr(0, valid.size() - 3)},
        {"bad Base64", std::string(valid.size() - 4, 'A') + "*!?="},
        {"garbage XML", Encoded("<SAVE><stats></SAVE>")},
        {"wrong root", Encoded("<LOAD></LOAD>")},
        {"cut at a multiple of four", valid.substr(0, 16)},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        GameData::ResetForTest();
        std::filesystem::remove_all("savedata");
        WriteBytes(kSave, bytes);
        WriteBytes(kSettings, bytes);

        ::testing::internal::CaptureStdout();
        GameData::Init();
        const std::string out = ::testing::internal::GetCapturedStdout();
        EXPECT_NE(out.find(kSave), std::string::npos) << out;
        EXPECT_NE(out.find(kSettings), std::string::npos) << out;
        EXPECT_EQ(std::pair(GameData::stats->GetTotalMatches(), GameData::options->sfxVolume), std::pair(0, 80));
        EXPECT_TRUE(GameData::options->fullscreen);

        // Nothing is touched until the first write, which keeps the unreadable file.
        EXPECT_FALSE(std::filesystem::exists(kSave + ".bad"));
        playerconfig::SaveUserData();
        playerconfig::SaveGameSettings();
        EXPECT_EQ(std::pair(ReadBytes(kSave + ".bad"), ReadBytes(kSettings + ".bad")), std::pair(bytes, bytes));
        EXPECT_EQ(Decoded(kSettings), ToUtf8(GameData::GetConfigNode()->ToString()));
        EXPECT_EQ(GameData::GetConfigNode()->name, U"SAVE");

        // Later writes leave the kept copy alone.
        GameData::stats->AddItemUse(1, 1);
        playerconfig::SaveUserData();
        EXPECT_EQ(ReadBytes(kSave + ".bad"), bytes);
    }
}

// Only a file that is not there is a first start. An empty or damaged one still goes
// through the decoder, which says what it found.
TEST_F(PlayerConfigTest, OnlyAMissingFileSkipsTheDecoder)
{
    const std::string line = "Base64ToString: Data length must be divisible by 4\n";
    WriteBytes(kSave, "");
    ::testing::internal::CaptureStdout();
    GameData::Init();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), line);  // the settings file is missing

    playerconfig::SaveUserData();  // a sound save file, and a damaged settings file
    WriteBytes(kSettings, "QUJD=");
    ::testing::internal::CaptureStdout();
    Restart();
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind(line, 0), 0u) << out;
    EXPECT_NE(out.find("Unreadable file " + kSettings), std::string::npos) << out;
    EXPECT_EQ(out.find(kSave), std::string::npos) << out;
}

// Counters of a hand-edited file: each within 0 .. 999,999,999, the draws within the
// matches and player 1's wins within what the draws leave; one line says so.
TEST_F(PlayerConfigTest, StatisticsOutOfRangeAreClampedWithOneLine)
{
    WriteBytes(kSave, Encoded("<SAVE><stats>"
                              "<counters mode=\"0\"><matches>5</matches><victories>4</victories>"
                              "<draws>3</draws></counters>"
                              "<counters mode=\"1\"><matches>2147483647</matches><victories>2147483646</victories>"
                              "<draws>-7</draws></counters>"
                              "<counters mode=\"2\"><matches>-3</matches><victories>1</victories>"
                              "<draws>1</draws></counters>"
                              "<counters mode=\"3\"><matches>9</matches><victories>2</victories>"
                              "<draws>3</draws></counters>"
                              "</stats><items><item id=\"0\" uses=\"-1\" uses_p2=\"1000000000\"></item>"
                              "<item id=\"8\" uses=\"999999999\" uses_p2=\"2147483647\"></item></items></SAVE>"));
    ::testing::internal::CaptureStdout();
    GameData::Init();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Statistics out of range in savedata/save.dat: each counter is kept within 0 to 999999999, "
              "draws and wins within the matches\n");
    const PlayerStats& stats = *GameData::stats;
    std::vector<int> counts;
    for (int mode = 0; mode < 4; ++mode) {
        const MatchStats& record = *stats.GetModeStats(mode);
        counts.insert(counts.end(), {record.matches, record.draws, record.victories, record.PlayerTwoWins()});
    }
    EXPECT_EQ(counts, (std::vector{5, 3, 2, 0,                                           // wins cut to what is left
                                   kMaxStatsCounter, 0, kMaxStatsCounter, 0,             // near the limit
                                   0, 0, 0, 0,                                           // no matches, nothing else
                                   9, 3, 2, 4}));                                        // sound: unchanged
    EXPECT_EQ((std::vector{stats.GetItemUses(1, 0), stats.GetItemUses(2, 0), stats.GetItemUses(1, 8),
                           stats.GetItemUses(2, 8), stats.GetTotalItemUses(8)}),
              (std::vector{0, kMaxStatsCounter, kMaxStatsCounter, kMaxStatsCounter, 2 * kMaxStatsCounter}));

    // What is written back is in range, and reads without a word.
    playerconfig::SaveUserData();
    EXPECT_NE(Decoded(kSave).find("<matches>999999999</matches><victories>999999999</victories><draws>0</draws>"),
              std::string::npos);
    ::testing::internal::CaptureStdout();
    Restart();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
}

// A controls entry short of a key would leave the player without accept or start.
TEST_F(PlayerConfigTest, ShortControlsEntryResetsThatMapping)
{
    std::string text = kFreshSettings;
    text.insert(text.find("<mapping player=\"1\">") + 20,
                "<input device=\"keyboard\"><buttons><map><key>Q</key></map></buttons>"
                "<movementScheme>I J K L</movementScheme></input>");
    WriteBytes(kSettings, Encoded(text));
    GameData::Init();
    ASSERT_EQ(GameData::player1->storedControls.count(U"keyboard"), 1u);
    GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD");
    InputMapping& mapping = *GameData::player1->GetInputMapping();
    EXPECT_EQ((std::vector{mapping.GetKey(0), mapping.GetKey(1), mapping.GetKey(2)}),
              (std::vector<String>{U"SPACE", U"CTRL", U"ENTER"}));
    // The repaired mapping replaces the stored entry.
    EXPECT_EQ(GameData::player1->storedControls[U"keyboard"]->ToString(), mapping.ToXMLConfig()->ToString());
}

TEST_F(PlayerConfigTest, FailedWritesAreReportedOnce)
{
    GameData::Init();
    std::ofstream("savedata") << "x";  // a plain file where the folder should be
    ::testing::internal::CaptureStdout();
    playerconfig::SaveUserData();
    playerconfig::SaveUserData();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Could not write savedata/save.dat: the change is not saved\n");
}

}  // namespace
}  // namespace zelka
