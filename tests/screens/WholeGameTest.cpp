// The whole game played in process like a player: the application object with the game's
// own screens, fonts and enciphered data, a recording graphics device, silent audio, a fake
// clock, the keyboard and two fake pads, driven one update (and one frame) at a time from
// the first intro to the title's EXIT. Each case is one flow, so ctest runs them side by
// side; every versus match a player starts is a one-minute "quick match".

#include "engine/text/IncrementalIntLabel.h"
#include "engine/text/Label.h"
#include "match/PlayerStageData.h"
#include "match/character/Character.h"
#include "match/stage/ZELKAStage.h"
#include "platform/audio/AudioModule.h"
#include "platform/audio/null/NullAudioDevice.h"
#include "screens/charsel/CharRoulette.h"
#include "screens/charsel/CharSelStage.h"
#include "screens/charsel/WorldSelector.h"
#include "screens/credits/CreditsStage.h"
#include "screens/menus/CfgConflictMenu.h"
#include "screens/menus/CfgConflictPanel.h"
#include "screens/menus/JoystickConfigMenu.h"
#include "screens/menus/JoystickConfigPanel.h"
#include "screens/menus/PauseMenu.h"
#include "screens/menus/PauseMenuPanel.h"
#include "screens/menus/SettingsMenu.h"
#include "screens/menus/SettingsMenuPanel.h"
#include "screens/results/ResultStage.h"
#include "screens/title/TitleStage.h"
#include "services/config/GlobalOptions.h"
#include "services/config/PlayerConfig.h"
#include "services/player/PlayerStats.h"
#include "services/roster/CharProfile.h"
#include "services/settings/GameWorld.h"
#include "services/settings/StageSettings.h"
#include "tests/screens/AppFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace zelka {
namespace {

constexpr int kPad = 0;             // the first fake pad, "JOYSTICK 1"
constexpr int kPadAccept = 0;       // A (BTTN 1)
constexpr int kPadY = 3;            // Y (BTTN 4)
constexpr int kQuickMatch = 3;      // the match-settings preset of one minute
constexpr int kMinuteMs = 60000;
constexpr int kWorldGallery = 0;    // unlocked from the start
constexpr int kWorldTombs = 2;      // unlocked by the first match
constexpr int kMenuSlide = 40;      // updates until the title's menu has slid in

using Texts = std::vector<String>;
using Stages = std::vector<int>;

// One versus match from the title and back, then the credits.
const Stages kVersusThenCredits{kStageIntro, kStageIntro2, kStageTitle, kStageCharSelect,
                                kStageMatch, kStageResults, kStageCharSelect, kStageTitle,
                                kStageCredits, kStageTitle};

// Every visible label text under a node, depth first.
void CollectTexts(const GDO& node, Texts& out)
{
    for (int i = 0; i < node.ChildCount(); ++i) {
        const Ref<GDO> child = node.GetChild(i);
        if (!child || !child->visible) continue;
        if (const auto* label = dynamic_cast<const Label*>(child.get())) {
            out.push_back(label->GetText());
        }
        CollectTexts(*child, out);
    }
}

std::pair<float, float> Where(const Vector& v) { return {v.x, v.y}; }

String Number(int n)
{
    const std::string digits = std::to_string(n);
    return String(digits.begin(), digits.end());
}

}  // namespace

class WholeGameTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        audio::SetAudioDevice(std::make_shared<NullAudioDevice>());
        UseGameScreens();
        GameData::SetHooks(&gameHooks);   // the game's own: unlock toasts included
        app->SetMusic(NewSoundManagerMusic());
        // The title's EXIT and Escape save both files and end the process: counted here.
        app->SetStageBuilder(kStageTitle, [this] {
            Ref<TitleStage> title = TitleStage::New();
            title->SetEndAction([this] { ++exits; });
            return title;
        });
    }

    void TearDown() override
    {
        AppFixture::TearDown();
        audio::SetAudioDevice(nullptr);
    }

    // One frame and one update with `code` hit, then `settle` plain ones; records stages.
    void Tick(int code = 0, int settle = 0)
    {
        device.ClearCalls();   // one frame's calls at a time
        Step(code);
        const int id = app->GetCurrentStageId();
        if (visited.empty() || visited.back() != id) visited.push_back(id);
        Ticks(settle);
    }
    void Ticks(int count) { for (int i = 0; i < count; ++i) Tick(); }
    // Updates until `done` holds (checked before each), at most `most`.
    bool Until(const std::function<bool()>& done, int most)
    {
        for (int i = 0; i < most; ++i) {
            if (done()) return true;
            Tick();
        }
        return done();
    }
    bool UntilNext(int id, int most)
    {
        return Until([&] { return app->GetNextStageId() == id; }, most);
    }
    bool Opens(const Ref<Panel>& panel, int most = 60)
    {
        return Until([&] { return panel && panel->IsFullyOpen(); }, most);
    }
    // The stage `id` is running: loaded, stable and its incoming transition over.
    bool Settled(int id) const
    {
        return app->GetCurrentStageId() == id && app->GetNextStageId() == kNoStageId &&
               app->IsStable() && app->GetTransitionState() == kTransitionNone;
    }
    void SettleOn(int id)
    {
        ASSERT_TRUE(Until([&] { return Settled(id); }, 1500))
            << "at stage " << app->GetCurrentStageId() << ", waiting for " << id;
    }
    void BackOnTitle()   // with its menu slid in
    {
        SettleOn(kStageTitle);
        Ticks(kMenuSlide);
    }
    // A player's action pushed (or let go) on his device: a key, or a pad's button or stick.
    void Push(const Ref<PlayerData>& player, int action, bool down)
    {
        const InputMapping& mapping = *player->GetInputMapping();
        const int pad = PadOf(mapping);
        const float stick = action == kActionUp || action == kActionLeft ? -1.0f : 1.0f;
        if (pad < 0) {
            keys_->KeyEvent(down ? kEventKeyDown : kEventKeyUp, CodeOf(mapping, action));
        } else if (action >= kActionUp) {   // up and down on axis 1, left and right on 0
            pads_->SetAxis(pad, action <= kActionDown ? 1 : 0, down ? stick : 0.0f);
        } else {
            pads_->SetButton(pad, CodeOf(mapping, action) - kJoyCodeButton1, down);
        }
    }
    // An action hit, then `settle` updates: a key in one update, or a pad pushed for one
    // update and let go in the next.
    void Tap(const Ref<PlayerData>& player, int action, int settle = 0)
    {
        if (PadOf(*player->GetInputMapping()) < 0) return Tick(CodeOf(player, action), settle);
        Push(player, action, true);
        Tick();
        Push(player, action, false);
        Tick(0, settle);
    }
    void TapP1(int action, int settle = 0) { Tap(GameData::player1, action, settle); }
    void TapP2(int action, int settle = 0) { Tap(GameData::player2, action, settle); }
    void TapsP1(std::initializer_list<int> actions)   // two updates apart
    {
        for (const int action : actions) TapP1(action, 2);
    }
    // The fake pad behind a mapping, -1 for the keyboard ("JOYSTICK n" is pad n - 1).
    static int PadOf(const InputMapping& mapping)
    {
        const String name = mapping.GetHardwareName();
        return name.rfind(U"JOYSTICK ", 0) == 0 ? static_cast<int>(name.back() - U'1') : -1;
    }
    // A player holds one direction (kActionUp .. kActionRight) until told another; 0 lets go.
    void Steer(const Ref<PlayerData>& player, int& held, int action)
    {
        if (held != 0) Push(player, held, false);
        held = action;
        if (held != 0) Push(player, held, true);
    }
    // A pad's button pressed for one update, let go in the next, then `settle` more.
    void TapPad(int button, int settle = 0, int pad = kPad)
    {
        pads_->SetButton(pad, button, true);
        Tick();
        pads_->SetButton(pad, button, false);
        Tick(0, settle);
    }
    void Hold(int code, bool down = true)
    {
        keys_->KeyEvent(down ? kEventKeyDown : kEventKeyUp, code);
    }

    // Those of `texts` that no visible label of the stage or its open overlay contains.
    Texts Missing(std::initializer_list<String> texts) const
    {
        Texts shown;
        if (const Ref<zelka::Stage>& stage = app->GetCurrentStage()) {
            CollectTexts(*stage->GetRootGDO(), shown);
            const auto* ext = dynamic_cast<const ExtendedStage*>(stage.get());
            if (ext && ext->GetOverLayer() && ext->GetOverLayer()->visible) {
                CollectTexts(*ext->GetOverLayer(), shown);
            }
        }
        Texts missing;
        for (const String& text : texts) {
            const auto has = [&](const String& t) { return t.find(text) != String::npos; };
            if (std::none_of(shown.begin(), shown.end(), has)) missing.push_back(text);
        }
        return missing;
    }
    bool Shows(const String& text) const { return Missing({text}).empty(); }
    // The menus open over the stage, in a fixed order.
    std::string Menus()
    {
        const ExtendedStage& s = Stage();
        const std::string open = std::string(s.GetPausePanel()->IsVisible() ? " pause" : "") +
                                 (s.GetInputConfigPanel()->IsVisible() ? " controls" : "") +
                                 (s.IsSettingsMenuOpen() ? " settings" : "") +
                                 (s.GetConflictPanel()->IsVisible() ? " conflict" : "");
        return open.empty() ? "none" : open.substr(1);
    }
    // The statistics page's three numbers (player 1's wins, draws, player 2's wins) under
    // a game mode's short name.
    static Texts StatsColumn(const GDO& page, const String& mode)
    {
        const auto at = [&](int i) { return dynamic_cast<const Label*>(page.GetChild(i).get()); };
        Texts column;
        for (int h = 0; h < page.ChildCount(); ++h) {
            if (!at(h) || at(h)->GetText() != mode) continue;
            for (const float y : {-84.0f, -68.0f, -52.0f}) {
                for (int i = 0; i < page.ChildCount(); ++i) {
                    const Label* l = at(i);
                    if (l && l->position->x == at(h)->position->x && l->position->y == y) {
                        column.push_back(l->GetText());
                    }
                }
            }
        }
        return column;
    }
    // Images (textures, glyph pages) the last frame drew.
    int ImagesDrawn() const
    {
        return device.Count(DeviceOp::DrawSurface) + device.Count(DeviceOp::DrawSurface2);
    }
    template <typename T>
    T& Current()
    {
        T* stage = dynamic_cast<T*>(app->GetCurrentStage().get());
        EXPECT_NE(stage, nullptr);
        return *stage;
    }
    String TitleOption() { return PanelText(U"OPTION_LABEL1"); }
    String PanelText(const char32_t* name)
    {
        const Ref<GDO> node = app->GetCurrentStage()->GetRootGDO()->GetChildByName(name, true);
        const auto* label = dynamic_cast<const Label*>(node.get());
        return label ? label->GetText() : String(U"<none>");
    }
    static String Device(const Ref<PlayerData>& player)
    {
        const auto& mapping = player->GetInputMapping();
        return mapping ? mapping->GetHardwareName() : String(U"<none>");
    }
    static String KeyOf(const Ref<PlayerData>& p, int action)
    {
        return p->GetInputMapping()->GetKey(action);
    }
    static int P1(int action) { return CodeOf(GameData::player1, action); }
    static std::pair<bool, bool> Confirmed(CharSelStage& charSel)
    {
        return {charSel.GetRoulette(0)->IsConfirmed(), charSel.GetRoulette(1)->IsConfirmed()};
    }
    static std::pair<int, int> Volumes()
    {
        return {GameData::options->bgmVolume, GameData::options->sfxVolume};
    }

    // From process start through both intros to the title: a key during the first intro
    // does nothing, one during the second goes on at once.
    void StartGame()
    {
        app->OnCreate();
        SettleOn(kStageIntro);
        Tick(kKeyA, 60);
        EXPECT_EQ(std::pair(app->GetCurrentStageId(), app->GetNextStageId()),
                  std::pair(kStageIntro, kNoStageId));
        SettleOn(kStageIntro2);
        EXPECT_TRUE(Shows(U"CONTROLLER"));
        Tick(kKeyA);
        SettleOn(kStageTitle);
    }
    // On the title's prompt: player 1 takes the keyboard and the menu comes up.
    void TakeTheKeyboard()
    {
        EXPECT_TRUE(Until([&] { return Shows(U"PRESS ANY KEY"); }, 60));   // it blinks
        Tick(kKeyA, kMenuSlide);
        ASSERT_EQ(Device(GameData::player1), U"KEYBOARD");
        EXPECT_EQ(TitleOption(), U"PLAYER VS PLAYER");
        EXPECT_GT(ImagesDrawn(), 20);   // the logo, its sparkles and fire, the texts
    }
    // The how-to-play page opens by itself on a first start.
    void WaitForHowToPlay()
    {
        ASSERT_TRUE(Opens(Current<TitleStage>().GetHowToPlayPanel(), 120));
    }
    void DismissHowToPlay()
    {
        ASSERT_NO_FATAL_FAILURE(WaitForHowToPlay());
        EXPECT_EQ(Missing({U"HOW TO PLAY", U"GOT IT!"}), Texts{});
        TapP1(kActionAccept, 30);
        EXPECT_FALSE(Current<TitleStage>().GetHowToPlayPanel());
        EXPECT_FALSE(GameData::options->displayHowToPlay);
    }
    void StartOnTheKeyboard()
    {
        ASSERT_NO_FATAL_FAILURE(StartGame());
        ASSERT_NO_FATAL_FAILURE(TakeTheKeyboard());
        ASSERT_NO_FATAL_FAILURE(DismissHowToPlay());
    }
    // Steps the title's game-mode entry until it shows `name`, then accepts it.
    void ChooseMode(const String& name)
    {
        ASSERT_TRUE(Settled(kStageTitle));
        auto& title = Current<TitleStage>();
        for (int i = 0; i < 8 && title.GetCurrentOption() != 0; ++i) TapP1(kActionLeft, 35);
        for (int i = 0; i < 4 && TitleOption() != name; ++i) TapP1(kActionDown, 2);
        ASSERT_EQ(TitleOption(), name);
        TapP1(kActionAccept);
        SettleOn(kStageCharSelect);
    }
    // Moves the title to the option showing `name` (left and right between options, up and
    // down inside the multi option), at most a round.
    void SelectTitleOption(const String& name)
    {
        for (int i = 0; i < 4 && TitleOption() != name; ++i) {
            if (Current<TitleStage>().GetCurrentOption() == 1) {
                for (int k = 0; k < 4 && TitleOption() != name; ++k) TapP1(kActionDown, 2);
                if (TitleOption() == name) break;
            }
            TapP1(kActionRight, 35);
        }
        ASSERT_EQ(TitleOption(), name);
    }
    // Back on the title, its EXIT ends the game (the version shows beside the later options);
    // then the stage order so far.
    void ExitFromTitle(const Stages& order)
    {
        ASSERT_NO_FATAL_FAILURE(BackOnTitle());
        ASSERT_NO_FATAL_FAILURE(SelectTitleOption(U"EXIT"));
        EXPECT_TRUE(Current<TitleStage>().GetVersionLabel()->visible);
        TapP1(kActionAccept);
        EXPECT_EQ(exits, 1);
        EXPECT_EQ(visited, order);
    }
    // Both characters confirmed, on a two-player screen: player 2 joins with the pad.
    void ConfirmBothOnPads(CharSelStage& charSel)
    {
        EXPECT_EQ(Device(GameData::player2), U"<none>");
        TapPad(kPadAccept, 2);   // joins: the press only assigns the pad
        ASSERT_EQ(Device(GameData::player2), U"JOYSTICK 1");
        EXPECT_FALSE(charSel.GetRoulette(1)->IsConfirmed());
        TapP1(kActionAccept, 2);
        TapPad(kPadAccept, 2);
        EXPECT_EQ(Confirmed(charSel), std::pair(true, true));
        EXPECT_GT(ImagesDrawn(), 10);   // faces, portraits, cursors and masks
    }
    // The world panel opens: steps right to the world at `index`, whose name shows, and
    // accepts it.
    void ChooseWorld(CharSelStage& charSel, int index)
    {
        ASSERT_TRUE(Opens(charSel.GetWorldPanel()));
        EXPECT_TRUE(Shows(U"WORLD"));
        WorldSelector& selector = *charSel.GetWorldSelector();
        for (int i = 0; i < 4 && selector.GetSelectedWorld() != index; ++i) {
            TapP1(kActionRight, 2);
        }
        ASSERT_EQ(selector.GetSelectedWorld(), index);
        EXPECT_EQ(PanelText(U"WORLD_LABEL"), GameData::worlds[index]->GetName());
        TapP1(kActionAccept, 40);
    }
    // The match-settings panel opens: steps right to the quick match of a minute, whose
    // name shows, then the match starts.
    void ChooseQuickMatch(CharSelStage& charSel)
    {
        const StageSettings& match = *GameData::gameSettings;
        ASSERT_TRUE(Opens(charSel.GetSettingsPanel()));
        for (int i = 0; i < 8 && match.GetCurrentPreset() != kQuickMatch; ++i) {
            TapP1(kActionRight, 2);
        }
        EXPECT_EQ(std::pair(match.GetCurrentPreset(), match.GetTime()),
                  std::pair(kQuickMatch, kMinuteMs));
        EXPECT_TRUE(Shows(match.GetPresetName(kQuickMatch)));
        TapP1(kActionAccept);
        SettleOn(kStageMatch);
    }
    // The match from its banner to the clock's end. Player 1 and, unless `cpu`, player 2
    // (each on his own device) walk fixed patterns the other way round and out of step, and
    // use their items now and then. With `pullPad` the first pad comes out of its socket
    // while its stick is held, ten seconds in; the match runs on, and pause still works.
    void PlayTheMatch(bool cpu, bool pullPad = false)
    {
        constexpr int kPullAt = 600;
        auto& match = Current<ZELKAStage>();
        EXPECT_EQ(match.GetTimeLimit(), kMinuteMs);
        ASSERT_TRUE(Until([&] { return !match.IsIntroRunning(); }, 600));
        EXPECT_GT(ImagesDrawn(), 50);   // the maze's tiles, the characters, the top bar
        const auto at = [&](int p) { return Where(*match.GetPlayer(p)->character->position); };
        const auto start = std::pair(at(1), at(2));
        const int legs[] = {kActionRight, kActionDown, kActionLeft, kActionUp};
        std::pair moved(false, false);
        int held1 = 0;
        int held2 = 0;
        const auto playing = [&] {
            return app->GetCurrentStageId() == kStageMatch && app->GetNextStageId() == kNoStageId;
        };
        for (int i = 0; i < 2 * kMinuteMs / 16 && playing(); ++i) {
            if (i % 40 == 0) Steer(GameData::player1, held1, legs[(i / 40) % 4]);
            if (!cpu && i % 40 == 20) Steer(GameData::player2, held2, legs[(i / 40 + 2) % 4]);
            if (pullPad && i == kPullAt) {
                ASSERT_NE(held2, 0);
                pads_->Unplug(kPad);
            }
            if (pullPad && i == kPullAt + 60) {
                TapP1(kActionStart, 30);
                EXPECT_EQ(Menus(), "pause");
                TapP1(kActionAccept, 30);
                EXPECT_EQ(Menus(), "none");
            } else if (i % 300 == 150) {   // a pad's tap takes two updates
                Tap((i / 300) % 2 == 0 || cpu ? GameData::player1 : GameData::player2,
                    kActionAccept);
            } else {
                Tick();
                if (app->GetNextStageId() != kNoStageId) continue;
                moved.first = moved.first || at(1) != start.first;
                moved.second = moved.second || at(2) != start.second;
            }
        }
        Steer(GameData::player1, held1, 0);
        if (!cpu) Steer(GameData::player2, held2, 0);
        EXPECT_EQ(std::pair(match.GetTime(), app->GetNextStageId()), std::pair(0, kStageResults));
        EXPECT_EQ(moved, std::pair(true, true));
        score1 = GameData::player1->score;
        score2 = GameData::player2->score;
    }
    // The results: both panels, the scores counted up; a first press finishes the show, a
    // second (player 1's accept, or Escape on the keyboard) goes on to character select.
    void ReadTheResults(const String& firstRow = U"DIAMONDS", bool byEscape = false)
    {
        ASSERT_NO_FATAL_FAILURE(SettleOn(kStageResults));
        auto& results = Current<ResultStage>();
        winner = score1 == score2  ? kResultDraw
                 : score1 > score2 ? kResultPlayer1Won
                                   : kResultPlayer2Won;
        EXPECT_EQ(results.GetOutcome(), winner);
        EXPECT_TRUE(Shows(winner == kResultDraw ? U"P1" : U"PLAYER 1"));
        TapP1(kActionAccept);
        ASSERT_TRUE(Until([&] { return results.IsDone(); }, 600));
        EXPECT_TRUE(Shows(firstRow));
        EXPECT_GT(ImagesDrawn(), 5);
        const auto score = [&](int p) { return results.GetScoreLabel(p)->GetText(); };
        EXPECT_EQ(std::pair(score(1), score(2)), std::pair(Number(score1), Number(score2)));
        EXPECT_EQ(app->GetNextStageId(), kNoStageId);
        byEscape ? Tick(kKeyEscape) : TapP1(kActionAccept);
        EXPECT_EQ(app->GetNextStageId(), kStageCharSelect);
        SettleOn(kStageCharSelect);
    }
    // A quick match in `world` after both characters were confirmed, through to the
    // results and back to character select.
    void QuickMatch(CharSelStage& charSel, int world, bool cpu, bool byEscape = false)
    {
        ASSERT_NO_FATAL_FAILURE(ChooseWorld(charSel, world));
        ASSERT_NO_FATAL_FAILURE(ChooseQuickMatch(charSel));
        ASSERT_NO_FATAL_FAILURE(PlayTheMatch(cpu));
        ASSERT_NO_FATAL_FAILURE(ReadTheResults(U"DIAMONDS", byEscape));
    }
    // Opens the stage's pause menu with player 1's start and waits for it to unfold.
    PauseMenuPanel& OpenPause()
    {
        TapP1(kActionStart, 30);
        EXPECT_EQ(Menus(), "pause");
        return PanelOf<PauseMenuPanel>(Stage().GetPausePanel());
    }
    // Steps down to a pause-menu row and accepts it.
    void ChoosePauseRow(PauseMenuPanel& pause, int row, int settle = 0)
    {
        for (int i = 0; i < 5 && pause.GetMenu()->GetSelectedOption() != row; ++i) {
            TapP1(kActionDown, 2);
        }
        ASSERT_EQ(pause.GetMenu()->GetSelectedOption(), row);
        TapP1(kActionAccept, settle);
    }
    // Items a player used, all kinds together, by the statistics.
    static int ItemUses(int player)
    {
        int uses = 0;
        for (int item = 0; item < kCountedItemTypes; ++item) {
            uses += GameData::stats->GetItemUses(player, item);
        }
        return uses;
    }
    // The two files as the next start of the game reads them.
    void ReadBackTheFiles()
    {
        for (const char* file : {playerconfig::kSaveBaseName, playerconfig::kSettingsBaseName}) {
            ASSERT_TRUE(std::filesystem::exists(playerconfig::FilePath(file))) << file;
        }
        if (app->GetCurrentStage()) app->GetCurrentStage()->Deallocate();
        app.reset();
        EventManager::RemoveAllListeners();
        playerconfig::ResetForTest();
        Restart();
        app = std::make_unique<ZELKA>();   // for the fixture's tear-down
    }
    // A mode's matches, player 1's victories and the draws read back, its matches the only
    // ones counted.
    static void ExpectOnlyCounted(int mode, int matches, int victories, int draws)
    {
        const MatchStats& s = *GameData::stats->GetModeStats(mode);
        const int total = GameData::stats->GetTotalMatches();
        EXPECT_EQ((std::vector<int>{s.matches, s.victories, s.draws, total}),
                  (std::vector<int>{matches, victories, draws, matches}));
    }
    void ExpectOneVersusRead()
    {
        ASSERT_NO_FATAL_FAILURE(ReadBackTheFiles());
        ExpectOnlyCounted(1, 1, winner == kResultPlayer1Won, winner == kResultDraw);
    }

    // An attract match starts by itself from the idle title and runs.
    void AttractMatch(bool race)
    {
        ASSERT_TRUE(UntilNext(kStageMatch, 1200));
        EXPECT_TRUE(GameData::isDemoMode);
        ASSERT_NO_FATAL_FAILURE(SettleOn(kStageMatch));
        auto& match = Current<ZELKAStage>();
        EXPECT_EQ(std::pair(match.IsAttract(), match.IsRace()), std::pair(true, race));
    }
    // The controls menu of `player` is up, with `menus` open.
    void ExpectControlsOf(JoystickConfigPanel& controls, int player, const char* menus)
    {
        ASSERT_EQ(Menus(), menus);
        EXPECT_EQ(controls.GetShownPlayer(), player);
        EXPECT_TRUE(Shows(U"PLAYER " + Number(player) + U" CONFIG"));
    }

    AppGameDataHooks gameHooks;
    Stages visited;   // stage ids in the order they ran
    int exits = 0;    // title EXIT / Escape
    int score1 = 0;
    int score2 = 0;
    int winner = -1;
};

// A first start: the how-to-play page's "LET ME CHANGE IT!" into player 1's controls for a
// rebind; versus with player 2 on a pad, pulled out mid-match; the results, the title, the
// credits and EXIT. The statistics and the new key are read back.
TEST_F(WholeGameTest, FirstStartVersusOnKeyboardAndPadThenCreditsAndExit)
{
    ASSERT_NO_FATAL_FAILURE(StartGame());
    EXPECT_TRUE(GameData::options->displayHowToPlay);
    ASSERT_NO_FATAL_FAILURE(TakeTheKeyboard());
    auto& title = Current<TitleStage>();
    ASSERT_NO_FATAL_FAILURE(WaitForHowToPlay());
    EXPECT_EQ(Missing({U"LET ME CHANGE IT!", U"SPACE"}), Texts{});   // SPACE: player 1's accept
    TapP1(kActionDown, 2);
    TapP1(kActionAccept, 40);
    auto& controls = PanelOf<JoystickConfigPanel>(title.GetInputConfigPanel());
    ASSERT_NO_FATAL_FAILURE(ExpectControlsOf(controls, 1, "controls"));
    TapsP1({kActionDown, kActionDown, kActionRight});   // the accept row, captured
    Tick(kKeyQ, 40);
    EXPECT_EQ(KeyOf(GameData::player1, kActionAccept), U"Q");
    TapsP1({kActionDown, kActionDown, kActionDown, kActionDown});   // EXIT
    Tick(kKeySpace);   // no longer accepts
    EXPECT_EQ(Menus(), "controls");
    Tick(kKeyQ, 40);
    EXPECT_EQ(Menus(), "none");
    EXPECT_FALSE(GameData::options->displayHowToPlay);

    ASSERT_NO_FATAL_FAILURE(ChooseMode(U"PLAYER VS PLAYER"));
    auto& charSel = Current<CharSelStage>();
    EXPECT_TRUE(Until([&] { return Shows(U"PRESS ANY KEY"); }, 60));   // player 2's prompt
    ASSERT_NO_FATAL_FAILURE(ConfirmBothOnPads(charSel));
    ASSERT_TRUE(Opens(charSel.GetWorldPanel()));
    EXPECT_TRUE(charSel.GetWorldSelector()->IsLocked(kWorldTombs));
    // Cancel closes the world panel and undoes player 1's confirmation, not the pad's.
    TapP1(kActionCancel, 40);
    EXPECT_FALSE(charSel.GetWorldPanel()->IsOpen());
    EXPECT_EQ(Confirmed(charSel), std::pair(false, true));
    TapP1(kActionAccept, 2);
    ASSERT_NO_FATAL_FAILURE(ChooseWorld(charSel, kWorldGallery + 1));
    EXPECT_EQ(GameData::currentWorldNdx, kWorldGallery + 1);
    ASSERT_NO_FATAL_FAILURE(ChooseQuickMatch(charSel));
    ASSERT_NO_FATAL_FAILURE(PlayTheMatch(false, true));
    ASSERT_NO_FATAL_FAILURE(ReadTheResults());

    // Both roulettes on the characters just played, the winner's count, the tombs open.
    auto& again = Current<CharSelStage>();
    EXPECT_EQ(again.GetRoulette(0)->GetSelectedProfile(), GameData::player1->character);
    EXPECT_EQ(again.GetRoulette(1)->GetSelectedProfile(), GameData::player2->character);
    EXPECT_FALSE(again.GetRoulette(0)->IsConfirmed());
    const auto wins = [&](int outcome) { return U"WINS " + Number(winner == outcome); };
    EXPECT_EQ(std::pair(again.GetWinsLabel(0)->GetText(), again.GetWinsLabel(1)->GetText()),
              std::pair(wins(kResultPlayer1Won), wins(kResultPlayer2Won)));
    EXPECT_FALSE(again.GetWorldSelector()->IsLocked(kWorldTombs));
    EXPECT_TRUE(Until([&] { return Shows(U"UNLOCKED"); }, 120));   // player 1's toast
    EXPECT_TRUE(Shows(U"THE LOST TOMBS"));
    Tick(kKeyEscape);
    ASSERT_NO_FATAL_FAILURE(BackOnTitle());
    EXPECT_EQ(Device(GameData::player2), U"<none>");   // the title frees the pad
    EXPECT_FALSE(Current<TitleStage>().GetHowToPlayPanel());
    ASSERT_NO_FATAL_FAILURE(SelectTitleOption(U"CREDITS"));
    TapP1(kActionAccept);
    ASSERT_NO_FATAL_FAILURE(SettleOn(kStageCredits));
    auto& credits = Current<CreditsStage>();
    EXPECT_GT(ImagesDrawn(), 5);   // the first lines rise from the bottom edge
    EXPECT_EQ(Missing({U"DEVELOPED BY", U"??????????"}), Texts{});   // the guests still locked
    Hold(P1(kActionAccept));   // four times the speed
    ASSERT_TRUE(Until([&] { return credits.GetScroll() <= credits.GetEndScroll(); }, 3000));
    Hold(P1(kActionAccept), false);
    Ticks(10);
    EXPECT_EQ(app->GetNextStageId(), kNoStageId);   // waits at the end for a key
    TapP1(kActionCancel);
    ASSERT_NO_FATAL_FAILURE(ExitFromTitle(kVersusThenCredits));

    ASSERT_NO_FATAL_FAILURE(ExpectOneVersusRead());
    EXPECT_FALSE(GameData::options->displayHowToPlay);
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    EXPECT_EQ(KeyOf(GameData::player1, kActionAccept), U"Q");
}

// The settings menu (full screen off and kept, both volumes down); two matches against the
// computer, whose character player 1 picks, the second in the tombs the first opened; the
// pause menu back to the title, the statistics page, and Escape. All read back.
TEST_F(WholeGameTest, OnePlayerAgainstTheComputerWithSettingsStatsAndPause)
{
    ASSERT_NO_FATAL_FAILURE(StartOnTheKeyboard());
    // Cancel on the menu gives the keyboard back; taken again, no page.
    TapP1(kActionCancel, 2);
    EXPECT_EQ(Device(GameData::player1), U"<none>");
    ASSERT_NO_FATAL_FAILURE(TakeTheKeyboard());
    Ticks(90);
    EXPECT_FALSE(Current<TitleStage>().GetHowToPlayPanel());

    ASSERT_NO_FATAL_FAILURE(SelectTitleOption(U"SETTINGS"));
    TapP1(kActionAccept, 30);
    ASSERT_EQ(Menus(), "settings");
    SettingsMenu& settings = *PanelOf<SettingsMenuPanel>(Stage().GetSettingsPanel()).GetMenu();
    EXPECT_EQ(Missing({U"RESOLUTION", U"BGM VOL"}), Texts{});
    const int mode = settings.GetSelectedResolution();
    // Full screen off, applied and kept (a mode refused is SettingsMenuTest's).
    TapsP1({kActionDown, kActionAccept, kActionDown, kActionDown, kActionDown});
    TapP1(kActionAccept, 30);
    ASSERT_TRUE(settings.IsVideoChangePending());
    TapP1(kActionAccept, 30);   // LOOKIN' GOOD: kept
    EXPECT_EQ(std::tuple(settings.OverMsgVisible(), GameData::options->fullscreen,
                         GameData::GetCurrentVideoModeIndex()),
              std::tuple(false, false, mode));
    TapsP1({kActionUp, kActionLeft, kActionUp, kActionLeft});   // effects, then music
    EXPECT_EQ(Volumes(), std::pair(40, 70));
    TapsP1({kActionDown, kActionDown});
    TapP1(kActionAccept, 10);
    EXPECT_TRUE(Shows(U"CHANGES SAVED!"));
    EXPECT_FALSE(settings.IsVideoChangePending());
    TapP1(kActionAccept, 30);
    TapP1(kActionDown, 2);
    TapP1(kActionAccept, 30);
    EXPECT_EQ(Menus(), "none");

    ASSERT_NO_FATAL_FAILURE(ChooseMode(U"PLAYER VS CPU (1P)"));
    auto& charSel = Current<CharSelStage>();
    EXPECT_EQ(Device(GameData::player2), U"<none>");
    TapP1(kActionAccept, 2);   // player 1's own character
    ASSERT_EQ(Confirmed(charSel), std::pair(true, false));
    TapP1(kActionCancel, 2);   // undone at once
    EXPECT_EQ(Confirmed(charSel), std::pair(false, false));
    EXPECT_EQ(app->GetNextStageId(), kNoStageId);
    TapP1(kActionAccept, 2);
    // Then the computer's, one step down the roulette (past any locked face).
    CharRoulette& cpu = *charSel.GetRoulette(1);
    const int first = cpu.GetSelected();
    TapP1(kActionDown, 30);
    EXPECT_NE(cpu.GetSelected(), first);
    for (int i = 0; i < 8 && cpu.IsLocked(cpu.GetSelected()); ++i) {
        EXPECT_EQ(charSel.GetNameLabel(1)->GetText(), U"?????????");
        TapP1(kActionDown, 30);
    }
    ASSERT_FALSE(cpu.IsLocked(cpu.GetSelected()));
    const String cpuName = cpu.GetSelectedProfile()->GetName();
    EXPECT_EQ(charSel.GetNameLabel(1)->GetText(), cpuName);
    TapP1(kActionAccept, 2);
    EXPECT_TRUE(cpu.IsConfirmed());
    ASSERT_NO_FATAL_FAILURE(ChooseWorld(charSel, kWorldGallery));
    ASSERT_NO_FATAL_FAILURE(ChooseQuickMatch(charSel));
    EXPECT_EQ(GameData::player2->character->GetName(), cpuName);
    ASSERT_NO_FATAL_FAILURE(PlayTheMatch(true));
    ASSERT_NO_FATAL_FAILURE(ReadTheResults());
    const int firstWinner = winner;

    // The roulettes, the world and the match settings kept from the last match.
    auto& again = Current<CharSelStage>();
    EXPECT_EQ(again.GetRoulette(1)->GetSelectedProfile()->GetName(), cpuName);
    TapsP1({kActionAccept, kActionAccept});
    ASSERT_TRUE(again.GetRoulette(1)->IsConfirmed());
    ASSERT_TRUE(Opens(again.GetWorldPanel()));
    const WorldSelector& worlds = *again.GetWorldSelector();
    EXPECT_EQ(std::pair(worlds.GetSelectedWorld(), worlds.IsLocked(kWorldTombs)),
              std::pair(kWorldGallery, false));
    ASSERT_NO_FATAL_FAILURE(ChooseWorld(again, kWorldTombs));
    ASSERT_TRUE(Opens(again.GetSettingsPanel()));
    EXPECT_EQ(GameData::gameSettings->GetCurrentPreset(), kQuickMatch);
    ASSERT_NO_FATAL_FAILURE(ChooseQuickMatch(again));
    EXPECT_EQ(GameData::GetCurrentWorldId(), 0);
    ASSERT_NO_FATAL_FAILURE(PlayTheMatch(true));
    ASSERT_NO_FATAL_FAILURE(ReadTheResults());
    const auto count = [&](int outcome) { return (firstWinner == outcome) + (winner == outcome); };

    PauseMenuPanel& pause = OpenPause();
    EXPECT_FALSE(pause.GetMenu()->IsP2RowEnabled());
    EXPECT_TRUE(Shows(U"BACK TO TITLE"));
    ASSERT_NO_FATAL_FAILURE(ChoosePauseRow(pause, PauseMenu::kRowLeave));
    ASSERT_NO_FATAL_FAILURE(BackOnTitle());

    ASSERT_NO_FATAL_FAILURE(SelectTitleOption(U"PLAYER STATS"));
    auto& title = Current<TitleStage>();
    TapP1(kActionAccept, 30);
    EXPECT_TRUE(title.GetStatsPanel()->IsOpen());
    EXPECT_TRUE(Shows(U"MATCH STATS"));
    const GDO& page = *title.GetStatsPanel()->GetContent();
    EXPECT_EQ(StatsColumn(page, U"1P MODE"),
              (Texts{Number(count(kResultPlayer1Won)), Number(count(kResultDraw)),
                     Number(count(kResultPlayer2Won))}));
    EXPECT_EQ(StatsColumn(page, U"2P MODE"), (Texts{U"0", U"0", U"0"}));
    TapP1(kActionCancel, 30);
    EXPECT_FALSE(title.GetStatsPanel()->IsOpen());
    Tick(kKeyEscape);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(visited, (Stages{kStageIntro, kStageIntro2, kStageTitle, kStageCharSelect,
                               kStageMatch, kStageResults, kStageCharSelect, kStageMatch,
                               kStageResults, kStageCharSelect, kStageTitle}));

    ASSERT_NO_FATAL_FAILURE(ReadBackTheFiles());
    ExpectOnlyCounted(0, 2, count(kResultPlayer1Won), count(kResultDraw));
    EXPECT_EQ(ItemUses(2), 0);   // the computer's items are not counted
    EXPECT_EQ(std::tuple(Volumes(), GameData::options->fullscreen,
                         GameData::options->displayHowToPlay),
              std::tuple(std::pair(40, 70), false, false));
}

// Two attract matches from the idle prompt (the second, a race, left with a key); the
// two-player race with every pause-menu row tried in the match; the one-player race, where
// the computer runs for the idol while player 1 stands and the window keeps losing focus.
TEST_F(WholeGameTest, AttractThenBothRacesWithEveryPauseRow)
{
    ASSERT_NO_FATAL_FAILURE(StartGame());
    ASSERT_NO_FATAL_FAILURE(AttractMatch(false));
    ASSERT_TRUE(UntilNext(kStageTitle, 2000));   // back by itself
    ASSERT_NO_FATAL_FAILURE(SettleOn(kStageTitle));
    EXPECT_EQ(std::pair(GameData::isDemoMode, GameData::lastDemoMode), std::pair(false, 1));
    ASSERT_NO_FATAL_FAILURE(AttractMatch(true));
    Ticks(300);
    Tick(kKeyA);   // also gives player 1 the keyboard: the title comes back with its menu
    EXPECT_EQ(app->GetNextStageId(), kStageTitle);
    ASSERT_NO_FATAL_FAILURE(BackOnTitle());
    EXPECT_EQ(GameData::stats->GetTotalMatches(), 0);
    ASSERT_EQ(Device(GameData::player1), U"KEYBOARD");
    EXPECT_EQ(TitleOption(), U"PLAYER VS PLAYER");
    ASSERT_NO_FATAL_FAILURE(DismissHowToPlay());

    ASSERT_NO_FATAL_FAILURE(ChooseMode(U"RACE FOR THE IDOL "));
    auto& charSel = Current<CharSelStage>();
    EXPECT_FALSE(charSel.GetSettingsPanel());   // no match settings in a race
    ASSERT_NO_FATAL_FAILURE(ConfirmBothOnPads(charSel));
    ASSERT_NO_FATAL_FAILURE(ChooseWorld(charSel, kWorldGallery + 1));
    EXPECT_EQ(std::pair(app->GetNextStageId(), app->GetExtraWait()), std::pair(kStageMatch, 2000));
    ASSERT_NO_FATAL_FAILURE(SettleOn(kStageMatch));
    auto& race = Current<ZELKAStage>();
    EXPECT_TRUE(race.IsRace());
    ASSERT_TRUE(Until([&] { return !race.IsIntroRunning(); }, 600));

    // The window losing its focus pauses the match; RESUME GAME closes the menu.
    app->OnSuspend();
    app->OnResume();
    Ticks(30);
    PauseMenuPanel& pause = PanelOf<PauseMenuPanel>(Stage().GetPausePanel());
    ASSERT_EQ(Menus(), "pause");
    const PauseMenu& rows = *pause.GetMenu();
    EXPECT_EQ(std::pair(rows.IsP2RowEnabled(), rows.GetSelectedOption()),
              std::pair(true, PauseMenu::kRowResume));
    EXPECT_TRUE(Shows(U"CHANGE CHARACTERS"));
    TapP1(kActionAccept, 30);
    EXPECT_EQ(Menus(), "none");
    Ticks(60);

    // Escape pauses too; each player's controls open over the pause menu, Escape closes
    // only them; player 2 rebinds his accept on the pad.
    Tick(kKeyEscape, 30);
    ASSERT_EQ(Menus(), "pause");
    EXPECT_EQ(rows.GetSelectedOption(), PauseMenu::kRowResume);   // each opening starts on top
    ASSERT_NO_FATAL_FAILURE(ChoosePauseRow(pause, PauseMenu::kRowP1Controls, 30));
    auto& controls = PanelOf<JoystickConfigPanel>(Stage().GetInputConfigPanel());
    ASSERT_NO_FATAL_FAILURE(ExpectControlsOf(controls, 1, "pause controls"));
    Tick(kKeyEscape, 30);
    EXPECT_EQ(Menus(), "pause");
    ASSERT_NO_FATAL_FAILURE(ChoosePauseRow(pause, PauseMenu::kRowP2Controls, 30));
    ASSERT_NO_FATAL_FAILURE(ExpectControlsOf(controls, 2, "pause controls"));
    EXPECT_TRUE(Shows(U"JOYSTICK 1") || Shows(U"A (BTTN 1)"));
    JoystickConfigMenu& padMenu = *controls.GetMenu(2);
    for (const int action : {kActionDown, kActionDown, kActionRight}) TapP2(action, 2);
    ASSERT_TRUE(padMenu.InCaptureMode());   // on the accept row
    TapPad(kPadY, 30);
    EXPECT_EQ(std::pair(padMenu.InCaptureMode(), KeyOf(GameData::player2, kActionAccept)),
              std::pair(false, String(U"Y (BTTN 4)")));
    TapP2(kActionCancel, 2);   // B: on a key row an action key jumps to its row
    EXPECT_EQ(std::pair(padMenu.GetSelectedOption(), Menus()),
              std::pair(JoystickConfigMenu::kRowCancel, std::string("pause controls")));
    for (int i = 0; i < 4 && padMenu.GetSelectedOption() != JoystickConfigMenu::kRowExit; ++i) {
        TapP2(kActionDown, 2);
    }
    ASSERT_EQ(padMenu.GetSelectedOption(), JoystickConfigMenu::kRowExit);
    TapPad(kPadAccept, 2);   // A no longer accepts
    EXPECT_EQ(Menus(), "pause controls");
    TapP2(kActionAccept, 30);   // EXIT with the new key
    EXPECT_EQ(Menus(), "pause");

    ASSERT_NO_FATAL_FAILURE(ChoosePauseRow(pause, PauseMenu::kRowSettings, 30));
    EXPECT_TRUE(Stage().IsSettingsMenuOpen());
    Tick(kKeyEscape, 30);
    EXPECT_EQ(Menus(), "pause");
    EXPECT_EQ(app->GetNextStageId(), kNoStageId);

    // CHANGE CHARACTERS: back to character select, and Escape from there to the title.
    ASSERT_NO_FATAL_FAILURE(ChoosePauseRow(pause, PauseMenu::kRowLeave));
    ASSERT_NO_FATAL_FAILURE(SettleOn(kStageCharSelect));
    EXPECT_EQ(Device(GameData::player2), U"JOYSTICK 1");   // still on the pad
    Tick(kKeyEscape);
    ASSERT_NO_FATAL_FAILURE(BackOnTitle());

    // Focus lost at every update while character select loads: paused once it runs.
    for (int i = 0; i < 4 && TitleOption() != U"RACE FOR THE IDOL (1P)"; ++i) TapP1(kActionDown, 2);
    ASSERT_EQ(std::pair(Current<TitleStage>().GetCurrentOption(), TitleOption()),
              std::pair(0, String(U"RACE FOR THE IDOL (1P)")));
    TapP1(kActionAccept);
    const auto losingFocusUntil = [&](int id) {
        return Until([&] {
            app->OnSuspend();
            app->OnResume();
            return Settled(id);
        }, 1500);
    };
    ASSERT_TRUE(losingFocusUntil(kStageCharSelect));
    auto& single = Current<CharSelStage>();
    Ticks(30);
    EXPECT_EQ(Menus(), "pause");
    TapP1(kActionCancel, 30);
    EXPECT_EQ(Menus(), "none");
    EXPECT_EQ(app->GetNextStageId(), kNoStageId);
    TapsP1({kActionAccept, kActionAccept});
    ASSERT_TRUE(single.GetRoulette(1)->IsConfirmed());
    ASSERT_NO_FATAL_FAILURE(ChooseWorld(single, kWorldGallery));
    // Focus lost at every update while the match loads: no pause under the banner.
    ASSERT_TRUE(losingFocusUntil(kStageMatch));
    auto& cpuRace = Current<ZELKAStage>();
    EXPECT_EQ(std::pair(cpuRace.IsIntroRunning(), Menus()), std::pair(true, std::string("none")));
    ASSERT_TRUE(cpuRace.IsRace());
    ASSERT_TRUE(Until([&] { return !cpuRace.IsIntroRunning(); }, 600));
    // About a minute and a half of match time with this clock's seed; ten at most.
    ASSERT_TRUE(UntilNext(kStageResults, 10 * kMinuteMs / 16));
    score1 = GameData::player1->score;
    score2 = GameData::player2->score;
    EXPECT_EQ(score1, 0);   // only the idol scores
    EXPECT_GT(score2, 0);
    ASSERT_NO_FATAL_FAILURE(ReadTheResults(U"IDOL"));
    EXPECT_EQ(Current<CharSelStage>().GetWinsLabel(1)->GetText(), U"WINS 1");

    ASSERT_NO_FATAL_FAILURE(ChoosePauseRow(OpenPause(), PauseMenu::kRowLeave));
    ASSERT_NO_FATAL_FAILURE(ExitFromTitle(
        {kStageIntro, kStageIntro2, kStageTitle, kStageMatch, kStageTitle, kStageMatch,
         kStageTitle, kStageCharSelect, kStageMatch, kStageCharSelect, kStageTitle,
         kStageCharSelect, kStageMatch, kStageResults, kStageCharSelect, kStageTitle}));

    ASSERT_NO_FATAL_FAILURE(ReadBackTheFiles());
    EXPECT_EQ(GameData::stats->GetModeStats(2)->matches, 0);   // left through the pause menu
    ExpectOnlyCounted(3, 1, 0, 0);
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"JOYSTICK 1"));
    EXPECT_EQ(KeyOf(GameData::player2, kActionAccept), U"Y (BTTN 4)");
    // Nobody but the computer used an item: the attract matches and the races count none.
    EXPECT_EQ(std::pair(ItemUses(1), ItemUses(2)), std::pair(0, 0));
}

// Two players on one keyboard: player 2 joins with a clashing key, both get the two-player
// defaults and the conflict menu, which either drives and which holds the screen still;
// versus, the results and EXIT. The new defaults are read back.
TEST_F(WholeGameTest, TwoPlayersShareTheKeyboardThroughTheConflictMenu)
{
    ASSERT_NO_FATAL_FAILURE(StartOnTheKeyboard());
    ASSERT_NO_FATAL_FAILURE(ChooseMode(U"PLAYER VS PLAYER"));
    TapP1(kActionCancel);   // nothing confirmed: back to the title, and in again
    EXPECT_EQ(app->GetNextStageId(), kStageTitle);
    ASSERT_NO_FATAL_FAILURE(BackOnTitle());
    EXPECT_EQ(TitleOption(), U"PLAYER VS PLAYER");   // the mode last chosen
    ASSERT_NO_FATAL_FAILURE(ChooseMode(U"PLAYER VS PLAYER"));
    auto& charSel = Current<CharSelStage>();
    EXPECT_EQ(P1(kActionUp), kKeyUp);
    Tick(kKeyM);   // player 2 takes the keyboard: his default arrows clash with player 1's
    ASSERT_EQ(Device(GameData::player2), U"KEYBOARD");
    Ticks(30);
    auto& conflict = PanelOf<CfgConflictPanel>(Stage().GetConflictPanel());
    ASSERT_EQ(Menus(), "conflict");
    EXPECT_TRUE(Shows(U"CONTROLS CHANGED DUE TO CONFLICT!"));
    EXPECT_EQ(std::pair(P1(kActionUp), CodeOf(GameData::player2, kActionUp)),
              std::pair(kKeyW, kKeyUp));
    Ticks(200);   // the screen stands still under the menu
    EXPECT_EQ(app->GetNextStageId(), kNoStageId);
    TapP2(kActionDown, 2);   // either player drives it
    TapP1(kActionDown, 2);
    EXPECT_EQ(conflict.GetMenu()->GetSelectedOption(), CfgConflictMenu::kRowExit);
    TapP2(kActionAccept, 30);
    EXPECT_EQ(std::pair(Menus(), Confirmed(charSel).second), std::pair(std::string("none"), false));

    TapP1(kActionAccept, 2);
    TapP2(kActionDown, 30);   // player 2 looks further down first
    TapP2(kActionAccept, 2);
    ASSERT_EQ(Confirmed(charSel), std::pair(true, true));
    ASSERT_NO_FATAL_FAILURE(QuickMatch(charSel, kWorldGallery, false));
    EXPECT_EQ(Device(GameData::player2), U"KEYBOARD");
    Tick(kKeyEscape);
    ASSERT_NO_FATAL_FAILURE(ExitFromTitle({kStageIntro, kStageIntro2, kStageTitle,
                                           kStageCharSelect, kStageTitle, kStageCharSelect,
                                           kStageMatch, kStageResults, kStageCharSelect,
                                           kStageTitle}));

    ASSERT_NO_FATAL_FAILURE(ExpectOneVersusRead());
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    EXPECT_EQ(KeyOf(GameData::player1, kActionUp), U"W");
}

// Both players on pads (the first and the third): versus, the results, the pause menu
// back to the title, Alt+Enter to a window, the credits left half-way, and EXIT.
TEST_F(WholeGameTest, TwoPadsFromTheTitleToExit)
{
    constexpr int kSecondPad = 2;   // "JOYSTICK 3"
    ASSERT_NO_FATAL_FAILURE(StartGame());
    TapPad(kPadAccept, kMenuSlide - 1);
    ASSERT_EQ(Device(GameData::player1), U"JOYSTICK 1");
    EXPECT_EQ(TitleOption(), U"PLAYER VS PLAYER");
    ASSERT_NO_FATAL_FAILURE(WaitForHowToPlay());
    EXPECT_TRUE(Shows(U"A (BTTN 1)"));   // the page names the pad's buttons
    TapP1(kActionAccept, 30);
    EXPECT_FALSE(Current<TitleStage>().GetHowToPlayPanel());

    ASSERT_NO_FATAL_FAILURE(ChooseMode(U"PLAYER VS PLAYER"));
    auto& charSel = Current<CharSelStage>();
    TapPad(kPadAccept, 1, kSecondPad);
    ASSERT_EQ(Device(GameData::player2), U"JOYSTICK 3");
    EXPECT_EQ(Menus(), "none");   // a pad is never shared: no conflict
    TapP1(kActionAccept, 2);
    TapP2(kActionUp, 30);
    TapP2(kActionAccept, 2);
    ASSERT_EQ(Confirmed(charSel), std::pair(true, true));
    ASSERT_NO_FATAL_FAILURE(QuickMatch(charSel, kWorldGallery + 1, false, true));   // by Escape

    PauseMenuPanel& pause = OpenPause();
    EXPECT_TRUE(pause.GetMenu()->IsP2RowEnabled());
    ASSERT_NO_FATAL_FAILURE(ChoosePauseRow(pause, PauseMenu::kRowLeave));
    ASSERT_NO_FATAL_FAILURE(SettleOn(kStageTitle));
    EXPECT_EQ(Device(GameData::player2), U"<none>");
    // Alt+Enter on the title leaves full screen for a window (the game's own toggle).
    app->SetFullScreenToggle([] { GameData::ToggleFullScreenAuto(); });
    ASSERT_TRUE(GameData::options->fullscreen);
    Hold(kKeyLeftAlt);
    Tick(kKeyEnter);
    Hold(kKeyLeftAlt, false);
    Ticks(2);
    EXPECT_EQ(std::tuple(GameData::options->fullscreen, video_->IsFullscreen(),
                         app->GetCurrentStageId()),
              std::tuple(false, false, kStageTitle));
    Ticks(kMenuSlide);
    ASSERT_NO_FATAL_FAILURE(SelectTitleOption(U"CREDITS"));
    TapP1(kActionAccept);
    ASSERT_NO_FATAL_FAILURE(SettleOn(kStageCredits));
    Ticks(200);
    EXPECT_GT(Current<CreditsStage>().GetScroll(), Current<CreditsStage>().GetEndScroll());
    TapP1(kActionCancel);   // half-way
    EXPECT_EQ(app->GetNextStageId(), kStageTitle);
    ASSERT_NO_FATAL_FAILURE(ExitFromTitle(kVersusThenCredits));

    ASSERT_NO_FATAL_FAILURE(ExpectOneVersusRead());
    EXPECT_FALSE(GameData::options->fullscreen);
}

}  // namespace zelka
