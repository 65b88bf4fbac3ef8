#include "services/config/PlayerConfig.h"

#include "GameDataFixture.h"
#include "platform/files/TextFile.h"
#include "services/config/GlobalOptions.h"
#include "services/crypt/DataCrypt.h"
#include "services/crypt/Encoding.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerStats.h"
#include "services/xml/XMLNode.h"

#include <climits>
#include <fstream>
#include <sstream>

namespace zelka {
namespace {

const char kFreshSettings[] =
    "<SAVE><options><option name=\"displayHowToPlay\">1</option><option name=\"screenWidth\">0"
    "</option><option name=\"screenHeight\">0</option><option name=\"bgmVolume\">50</option>"
    "<option name=\"sfxVolume\">80</option><option name=\"fullscreen\">1</option></options>"
    "<mapping player=\"1\"></mapping><mapping player=\"2\"></mapping></SAVE>";

const char kSettingsPath[] = "savedata/settings.dat";
const char kSavePath[] = "savedata/save.dat";

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories("savedata");
    std::ofstream(path, std::ios::binary) << bytes;
}

// A file's XML text, as the game would read it back.
std::string Decoded(const std::string& path)
{
    String stored = FromUtf8(ReadBytes(path));
    return ToUtf8(DataCrypt::Decrypt(encoding::Base64ToString(stored), DataCrypt::kSaveFileKey));
}

std::string Encoded(const std::string& xml)
{
    return ToUtf8(encoding::StringToBase64(DataCrypt::Encrypt(FromUtf8(xml), DataCrypt::kSaveFileKey)));
}

using PlayerConfigTest = GameDataFixture;

TEST_F(PlayerConfigTest, FreshFilesHoldTheDefaults)
{
    // Without files the decoder reports the empty text once per file; nothing is kept.
    ::testing::internal::CaptureStdout();
    GameData::Init();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Base64ToString: Data length must be divisible by 4\n"
              "Base64ToString: Data length must be divisible by 4\n");
    // The tree made when there is no file, before the video mode stores the desktop size.
    Ref<XMLNode> fresh = GameData::GetConfigNode();
    EXPECT_EQ(ToUtf8(fresh->ToString()), kFreshSettings);
    String stored = playerconfig::FileContentFromSaveNode(*fresh);
    EXPECT_EQ(stored.size(), 424u);
    EXPECT_EQ(ToUtf8(playerconfig::ReadSaveNodeFromFileContent(stored)->ToString()), kFreshSettings);

    playerconfig::SaveGameSettings();  // the folder is created on the way
    playerconfig::SaveUserData();
    // By then the desktop size has been stored as the screen size.
    EXPECT_EQ(Decoded(kSettingsPath),
              "<SAVE><options><option name=\"displayHowToPlay\">1</option><option name=\"screenWidth\">"
              "1920</option><option name=\"screenHeight\">1080</option><option name=\"bgmVolume\">50"
              "</option><option name=\"sfxVolume\">80</option><option name=\"fullscreen\">1</option>"
              "</options><mapping player=\"1\"></mapping><mapping player=\"2\"></mapping></SAVE>");

    EXPECT_FALSE(std::filesystem::exists("savedata/settings.dat.bad"));
    EXPECT_FALSE(std::filesystem::exists("savedata/save.dat.bad"));
    std::string save = Decoded(kSavePath);
    EXPECT_EQ(save.size(), 772u);
    EXPECT_EQ(save.rfind("<SAVE><stats><counters mode=\"0\"><matches>0</matches><victories>0"
                         "</victories><draws>0</draws></counters>", 0), 0u);
    EXPECT_NE(save.find("<items><item id=\"0\" uses=\"0\" uses_p2=\"0\"></item>"), std::string::npos);
    EXPECT_NE(save.find("<item id=\"8\" uses=\"0\" uses_p2=\"0\"></item></items></SAVE>"),
              std::string::npos);
}

TEST_F(PlayerConfigTest, WriteReadWriteIsByteIdentical)
{
    GameData::Init();
    GameData::SetGameMode(1);
    GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD");
    GameData::SetNewInputDeviceForPlayer(2, U"JOYSTICK 1");
    GameData::stats->AddMatchResult(1, 3, 2);
    GameData::stats->AddItemUse(2, 5);
    GameData::SetSFXVolume(33);
    playerconfig::SaveGameSettings();
    playerconfig::SaveUserData();
    std::string settings = ReadBytes(kSettingsPath);
    std::string save = ReadBytes(kSavePath);

    Restart();
    playerconfig::SaveGameSettings();
    playerconfig::SaveUserData();
    EXPECT_EQ(ReadBytes(kSettingsPath), settings);
    EXPECT_EQ(ReadBytes(kSavePath), save);
    EXPECT_EQ(GameData::options->sfxVolume, 33);
}

TEST_F(PlayerConfigTest, StatisticsSurviveARestart)
{
    GameData::Init();
    for (int mode = 0; mode < 4; ++mode) GameData::stats->AddMatchResult(mode, mode, 1);
    GameData::stats->SetItemUses(1, 7, 12);
    GameData::stats->SetItemUses(2, 8, 4);
    playerconfig::SaveUserData();

    Restart();
    const PlayerStats& stats = *GameData::stats;
    EXPECT_EQ(stats.GetTotalMatches(), 4);
    EXPECT_EQ(stats.GetModeStats(1)->draws, 1);
    EXPECT_EQ(stats.GetModeStats(2)->victories, 1);
    EXPECT_EQ(stats.GetModeStats(0)->victories + stats.GetModeStats(0)->draws, 0);
    EXPECT_EQ(stats.GetItemUses(1, 7), 12);
    EXPECT_EQ(stats.GetItemUses(2, 8), 4);
}

TEST_F(PlayerConfigTest, ArrowSchemeNameSurvivesTheFile)
{
    GameData::Init();
    GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD");
    ASSERT_TRUE(GameData::SafeMoveSchemeSet(1, 2));  // E S D F, then back to the arrows
    ASSERT_TRUE(GameData::SafeMoveSchemeSet(1, 0));
    ASSERT_TRUE(GameData::SafeInputSet(1, 0, U"Q"));
    playerconfig::SaveGameSettings();

    Restart();
    GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD");
    InputMapping& mapping = *GameData::player1->GetInputMapping();
    EXPECT_EQ(mapping.GetDirMappingName(mapping.GetDirMapping()), U"\u2020 \u2039 \u2021 \u203A");
    EXPECT_EQ(mapping.GetKey(0), U"Q");
}

TEST_F(PlayerConfigTest, OptionValuesFollowTheReadingRules)
{
    // No bgmVolume (keeps 50), no fullscreen (reads false), "true" reads false, "2" reads
    // true, a huge width saturates, a signed height reads its sign.
    WriteBytes(kSettingsPath,
               Encoded("<SAVE><options><option name=\"displayHowToPlay\">true</option>"
                       "<option name=\"screenWidth\">99999999999999999999</option>"
                       "<option name=\"screenHeight\">-12px</option>"
                       "<option name=\"sfxVolume\">2</option></options></SAVE>"));
    GameData::Init();
    // Init applied the video mode after reading: the values as read are in the tree.
    EXPECT_FALSE(GameData::options->displayHowToPlay);
    EXPECT_EQ(GameData::options->bgmVolume, 50);
    EXPECT_EQ(GameData::options->sfxVolume, 2);
    EXPECT_FALSE(GameData::options->fullscreen);
    EXPECT_FALSE(video_->IsFullscreen());

    EXPECT_EQ(playerconfig::ParseInt(U"99999999999999999999"), INT_MAX);
    EXPECT_EQ(playerconfig::ParseInt(U"-99999999999999999999"), INT_MIN);
    EXPECT_EQ(playerconfig::ParseInt(U"-12px"), -12);
    EXPECT_EQ(playerconfig::ParseInt(U"+7"), 7);
    EXPECT_EQ(playerconfig::ParseInt(U"px"), 0);
    EXPECT_EQ(playerconfig::ParseInt(U""), 0);
    EXPECT_TRUE(playerconfig::ParseBool(U"2"));
    EXPECT_FALSE(playerconfig::ParseBool(U"true"));
    EXPECT_FALSE(playerconfig::ParseBool(U""));
}

TEST_F(PlayerConfigTest, HugeCountersSaturate)
{
    WriteBytes(kSavePath, Encoded("<SAVE><stats><counters mode=\"1\"><matches>4294967297</matches>"
                                  "</counters></stats><items><item id=\"3\" uses=\"-4294967297\">"
                                  "</item></items></SAVE>"));
    GameData::Init();
    EXPECT_EQ(GameData::stats->GetModeStats(1)->matches, INT_MAX);
    EXPECT_EQ(GameData::stats->GetItemUses(1, 3), INT_MIN);
    EXPECT_EQ(GameData::stats->GetItemUses(2, 3), 0);
}

TEST_F(PlayerConfigTest, CorruptFilesGiveDefaultsAndAreKept)
{
    std::string valid = Encoded("<SAVE><stats></stats></SAVE>");
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"truncated", valid.substr(0, valid.size() - 3)},
        {"bad Base64", std::string(valid.size() - 4, 'A') + "*!?="},
        {"garbage XML", Encoded("<SAVE><stats></SAVE>")},
        {"wrong root", Encoded("<LOAD></LOAD>")},
        {"cut at a multiple of four", valid.substr(0, 16)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameData::ResetForTest();
        std::filesystem::remove_all("savedata");
        WriteBytes(kSavePath, c.bytes);
        WriteBytes(kSettingsPath, c.bytes);

        ::testing::internal::CaptureStdout();
        GameData::Init();
        std::string out = ::testing::internal::GetCapturedStdout();
        EXPECT_NE(out.find("savedata/save.dat"), std::string::npos) << out;
        EXPECT_NE(out.find("savedata/settings.dat"), std::string::npos) << out;
        EXPECT_EQ(GameData::stats->GetTotalMatches(), 0);
        EXPECT_EQ(GameData::options->sfxVolume, 80);
        EXPECT_TRUE(GameData::options->fullscreen);

        // Nothing is touched until the first write, which keeps the unreadable file.
        EXPECT_FALSE(std::filesystem::exists("savedata/save.dat.bad"));
        playerconfig::SaveUserData();
        playerconfig::SaveGameSettings();
        EXPECT_EQ(ReadBytes("savedata/save.dat.bad"), c.bytes);
        EXPECT_EQ(ReadBytes("savedata/settings.dat.bad"), c.bytes);
        EXPECT_EQ(Decoded(kSettingsPath), ToUtf8(GameData::GetConfigNode()->ToString()));
        EXPECT_EQ(ToUtf8(GameData::GetConfigNode()->name), "SAVE");

        // Later writes leave the kept copy alone.
        GameData::stats->AddItemUse(1, 1);
        playerconfig::SaveUserData();
        EXPECT_EQ(ReadBytes("savedata/save.dat.bad"), c.bytes);
    }
}

TEST_F(PlayerConfigTest, ShortControlsEntryResetsThatMapping)
{
    WriteBytes(kSettingsPath,
               Encoded(std::string(kFreshSettings)
                           .replace(std::string(kFreshSettings).find("<mapping player=\"1\">") + 20, 0,
                                    "<input device=\"keyboard\"><buttons><map><key>Q</key></map>"
                                    "</buttons><movementScheme>I J K L</movementScheme></input>")));
    GameData::Init();
    ASSERT_EQ(GameData::player1->storedControls.count(U"keyboard"), 1u);
    GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD");
    InputMapping& mapping = *GameData::player1->GetInputMapping();
    EXPECT_EQ(mapping.GetKey(0), U"SPACE");
    EXPECT_EQ(mapping.GetKey(1), U"CTRL");
    EXPECT_EQ(mapping.GetKey(2), U"ENTER");
    // The repaired mapping replaces the stored entry.
    EXPECT_EQ(GameData::player1->storedControls[U"keyboard"]->ToString(),
              mapping.ToXMLConfig()->ToString());
}

TEST_F(PlayerConfigTest, MissingFolderIsCreatedAndFailedWritesAreReported)
{
    GameData::Init();
    ASSERT_FALSE(std::filesystem::exists("savedata"));
    playerconfig::SaveUserData();
    EXPECT_TRUE(std::filesystem::exists(kSavePath));

    // A plain file where the folder should be: every write fails, reported once.
    std::filesystem::remove_all("savedata");
    std::ofstream("savedata") << "x";
    ::testing::internal::CaptureStdout();
    playerconfig::SaveUserData();
    playerconfig::SaveUserData();
    std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "Could not write savedata/save.dat: the change is not saved\n");
}

TEST_F(PlayerConfigTest, NothingIsSavedBeforeInit)
{
    playerconfig::SaveUserData();
    playerconfig::SaveGameSettings();
    EXPECT_FALSE(std::filesystem::exists("savedata"));
}

TEST_F(PlayerConfigTest, UnknownElementsSurviveARewrite)
{
    WriteBytes(kSavePath, Encoded("<SAVE><extra a=\"1\">keep</extra></SAVE>"));
    GameData::Init();
    playerconfig::SaveUserData();
    EXPECT_EQ(Decoded(kSavePath).rfind("<SAVE><extra a=\"1\">keep</extra><stats>", 0), 0u);
}

}  // namespace
}  // namespace zelka
