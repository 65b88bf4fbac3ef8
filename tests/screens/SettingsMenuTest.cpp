#include "screens/menus/SettingsMenu.h"

#include "services/config/GlobalOptions.h"
#include "screens/menus/SettingsMenuPanel.h"
#include "tests/screens/MenuSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace zelka {
namespace {

constexpr int kSmall = 0;     // 800 x 600
constexpr int kWindowed = 1;  // 1280 x 720, windowed only
constexpr int kLarge = 2;     // 1920 x 1080

}  // namespace

class SettingsMenuTest : public MenuFixture {
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        GameData::videoModes = {{800, 600, false}, {1280, 720, true}, {1920, 1080, false}};
        GameData::ChangeVideoMode(kSmall, true);
        panel = SettingsMenuPanel::New();
        menu = panel->GetMenu();
        menu->UseInputProvider(&input);
        panel->Open(true, false, 0);
    }

    void Hit(std::set<int> actions)
    {
        input.hits = std::move(actions);
        panel->Update(16);
        input.hits.clear();
    }
    void Wait(int updates)
    {
        for (int i = 0; i < updates; ++i) panel->Update(16);
    }
    void Accept(int row)
    {
        menu->MoveCursorToOption(row);
        Hit({kActionAccept});
    }
    void Reopen()
    {
        panel->Close2(true, false);
        panel->Update(16);
        panel->Open(true, false, 0);
    }
    const String& Resolution() const { return menu->GetResolutionLabel()->GetText(); }
    int FullScreenBar() const { return menu->GetFullScreenBar()->GetValue(); }

    Ref<SettingsMenuPanel> panel;
    Ref<SettingsMenu> menu;
    FakeInput input;
};

TEST_F(SettingsMenuTest, ResolutionWrapsAWindowedOnlyModeForcesFullScreenOffAWindowOfItsOwnIsKept)
{
    EXPECT_EQ(Resolution(), U"800x600");
    EXPECT_EQ(FullScreenBar(), 100);
    Hit({kActionLeft});  // before the first: the last
    EXPECT_EQ(Resolution(), U"1920x1080");
    Hit({kActionRight});  // past the last: the first
    EXPECT_EQ(menu->GetSelectedResolution(), kSmall);
    Hit({kActionRight});
    EXPECT_EQ(Resolution(), U"1280x720");
    EXPECT_EQ(FullScreenBar(), 0);
    Accept(SettingsMenu::kRowFullScreen);  // refused for that mode
    EXPECT_EQ(FullScreenBar(), 0);
    menu->SelectResolution(kLarge);
    Accept(SettingsMenu::kRowFullScreen);
    EXPECT_EQ(FullScreenBar(), 100);
    Accept(SettingsMenu::kRowFullScreen);
    EXPECT_EQ(FullScreenBar(), 0);

    // A window size in no entry leaves the label and the choice as they were.
    GameData::SetToWindow(1000, 700);
    Reopen();
    EXPECT_EQ(Resolution(), U"1920x1080");
    EXPECT_EQ(menu->GetSelectedResolution(), kLarge);
    // Cancelling a mode applied from there puts back that window, not the desktop's size.
    menu->SelectResolution(kSmall);
    Accept(SettingsMenu::kRowApply);
    ASSERT_EQ(video_->DeviceWidth(), 800);
    Hit({kActionCancel});
    EXPECT_EQ(std::tuple(video_->DeviceWidth(), video_->DeviceHeight(), video_->IsFullscreen()),
              std::tuple(1000, 700, false));
}

// Cancelling a mode applied from a window of a size in no entry: the row names that
// window, nothing reads as changed and APPLY has nothing to apply.
TEST_F(SettingsMenuTest, CancelBackToAWindowOfItsOwnLeavesNothingToApply)
{
    GameData::SetToWindow(1000, 700);
    Reopen();
    menu->MoveCursorToOption(SettingsMenu::kRowResolution);
    Hit({kActionLeft});   // the last entry, 1920 x 1080
    Accept(SettingsMenu::kRowApply);
    ASSERT_EQ(video_->DeviceWidth(), 1920);
    Hit({kActionCancel});
    ASSERT_EQ(std::pair(video_->DeviceWidth(), video_->DeviceHeight()), std::pair(1000, 700));
    Wait(30);
    ASSERT_FALSE(menu->OverMsgVisible());
    EXPECT_EQ(Resolution(), U"1000x700");
    EXPECT_EQ(menu->GetBackLabel()->GetText(), U"BACK");
    EXPECT_FALSE(menu->IsVideoChangePending());

    const int changes = video_->WindowChanges();
    Accept(SettingsMenu::kRowApply);
    EXPECT_TRUE(EndsWith(menu->GetOverMsg()->GetText(), U"CHANGES SAVED!"));
    EXPECT_EQ(video_->WindowChanges(), changes);
    EXPECT_EQ(std::tuple(video_->DeviceWidth(), video_->DeviceHeight(), video_->IsFullscreen()),
              std::tuple(1000, 700, false));
    // Stepping on from there starts at either end of the list.
    Wait(90);
    menu->MoveCursorToOption(SettingsMenu::kRowResolution);
    Hit({kActionRight});
    EXPECT_EQ(Resolution(), U"800x600");
}

// Full screen from there opens at the desktop's size, an entry of the list or not: after
// APPLY, accept and cancel the rows name the mode in use and BACK has nothing to discard.
TEST_F(SettingsMenuTest, FullScreenAfterACancelToAWindowOfItsOwnNamesTheModeInUse)
{
    for (const DisplayMode desktop : {DisplayMode{1920, 1080}, DisplayMode{1600, 900}}) {
        const String desktopText = FromLatin1(std::to_string(desktop.width) + "x" +
                                              std::to_string(desktop.height));
        SCOPED_TRACE(ToUtf8(desktopText));
        UseDesktop(desktop, {});
        GameData::SetToWindow(1000, 700);
        Reopen();
        menu->MoveCursorToOption(SettingsMenu::kRowResolution);
        Hit({kActionLeft});
        Accept(SettingsMenu::kRowApply);
        Hit({kActionCancel});
        Wait(30);
        ASSERT_EQ(Resolution(), U"1000x700");

        const auto expectInUse = [&](bool fullScreen) {
            EXPECT_EQ(std::tuple(video_->DeviceWidth(), video_->DeviceHeight(), video_->IsFullscreen()),
                      std::tuple(desktop.width, desktop.height, fullScreen));
            EXPECT_EQ(Resolution(), desktopText);
            EXPECT_EQ(menu->GetSelectedResolution(), GameData::GetCurrentVideoModeIndex());
            EXPECT_EQ(FullScreenBar(), fullScreen ? 100 : 0);
        };
        Accept(SettingsMenu::kRowFullScreen);
        Accept(SettingsMenu::kRowApply);
        ASSERT_TRUE(menu->IsVideoChangePending());
        expectInUse(true);
        EXPECT_EQ(menu->GetBackLabel()->GetText(), U"BACK");
        Hit({kActionAccept});
        Wait(30);
        ASSERT_FALSE(menu->OverMsgVisible());
        expectInUse(true);
        EXPECT_EQ(menu->GetBackLabel()->GetText(), U"BACK");

        // A window at the desktop's size, refused: full screen there again.
        Accept(SettingsMenu::kRowFullScreen);
        EXPECT_EQ(menu->GetBackLabel()->GetText(), U"DISCARD");
        Accept(SettingsMenu::kRowApply);
        expectInUse(false);
        Hit({kActionCancel});
        Wait(30);
        ASSERT_FALSE(menu->OverMsgVisible());
        expectInUse(true);
        EXPECT_EQ(menu->GetBackLabel()->GetText(), U"BACK");
        EXPECT_FALSE(menu->IsVideoChangePending());
    }
}

TEST_F(SettingsMenuTest, UnchangedApplySaysSoForOneSecondAndBlocksTheCursor)
{
    const int changes = video_->WindowChanges();
    Accept(SettingsMenu::kRowApply);
    EXPECT_TRUE(EndsWith(menu->GetOverMsg()->GetText(), U"CHANGES SAVED!"));
    EXPECT_FALSE(menu->IsVideoChangePending());
    EXPECT_EQ(video_->WindowChanges(), changes);
    played.clear();
    Hit({kActionUp});
    Hit({kActionLeft});
    EXPECT_EQ(menu->GetSelectedOption(), SettingsMenu::kRowApply);
    EXPECT_EQ(menu->GetSelectedResolution(), kSmall);
    EXPECT_TRUE(played.empty());
    Hit({kActionCancel});  // nothing to revert: stays
    EXPECT_TRUE(panel->IsVisible());
    Wait(60);              // 1000 ms in all
    EXPECT_EQ(menu->OverMsgTimeout(), 0);
    Wait(30);
    Hit({kActionUp});
    EXPECT_EQ(menu->GetSelectedOption(), SettingsMenu::kRowEffects);
}

TEST_F(SettingsMenuTest, AppliedModeCountsDownAndOnlyCancelPutsBackTheOldOne)
{
    enum class End { Cancel, Accept, TimeOut };
    for (End end : {End::Cancel, End::Accept, End::TimeOut}) {
        GameData::ChangeVideoMode(kSmall, true);
        Reopen();
        menu->SelectResolution(kLarge);
        Accept(SettingsMenu::kRowApply);
        ASSERT_EQ(video_->DeviceWidth(), 1920);
        EXPECT_TRUE(menu->IsVideoChangePending());
        std::vector<String> seen{menu->GetOverMsg()->GetText()};
        if (end == End::TimeOut) {
            for (int i = 0; i < 700; ++i) {
                panel->Update(16);
                const String& text = menu->GetOverMsg()->GetText();
                if (seen.back() != text) seen.push_back(text);
            }
            ASSERT_EQ(seen.size(), 11u);
            for (int s = 10; s >= 0; --s) {
                const String count = FromLatin1(std::to_string(s));
                EXPECT_TRUE(EndsWith(seen[10 - s], U"LOOKIN' GOOD? ... " + count)) << s;
            }
            EXPECT_FALSE(menu->OverMsgVisible());
            Hit({kActionCancel});  // the dialog closes; the mode stays
        } else {
            Wait(100);
            Hit({end == End::Cancel ? kActionCancel : kActionAccept});
            Wait(30);
            EXPECT_FALSE(menu->OverMsgVisible());
            Hit({kActionCancel});  // after the message: closes the dialog
        }
        const bool reverted = end == End::Cancel;
        EXPECT_EQ(video_->DeviceWidth(), reverted ? 800 : 1920) << static_cast<int>(end);
        EXPECT_TRUE(video_->IsFullscreen());
        EXPECT_EQ(GameData::options->screenWidth, reverted ? 800 : 1920);
        EXPECT_EQ(menu->GetSelectedResolution(), reverted ? kSmall : kLarge);   // the mode in use
    }
}

TEST_F(SettingsMenuTest, VolumesStepByTenFromAStoredFiveAndBackRestoresThemAndWritesTheFile)
{
    GameData::options->bgmVolume = 5;
    GameData::options->sfxVolume = 5;
    Reopen();
    for (int row : {SettingsMenu::kRowMusic, SettingsMenu::kRowEffects}) {
        menu->MoveCursorToOption(row);
        Hit({kActionLeft});
        const int& volume = row == SettingsMenu::kRowMusic ? GameData::options->bgmVolume
                                                           : GameData::options->sfxVolume;
        const auto& bar =
            row == SettingsMenu::kRowMusic ? menu->GetMusicBar() : menu->GetEffectsBar();
        EXPECT_EQ(std::pair(volume, bar->GetValue()), std::pair(0, 0)) << row;
        Hit({kActionRight});
        EXPECT_EQ(volume, 10) << row;
        for (int i = 0; i < 12; ++i) Hit({kActionRight});
        EXPECT_EQ(std::pair(volume, bar->GetValue()), std::pair(100, 100)) << row;
    }

    // BACK puts back the volumes of the opening, or of the last APPLY, and writes the
    // settings file.
    GameData::options->bgmVolume = 50;
    Reopen();
    menu->MoveCursorToOption(SettingsMenu::kRowMusic);
    Hit({kActionRight});
    Hit({kActionRight});
    EXPECT_EQ(GameData::options->bgmVolume, 70);
    EXPECT_EQ(menu->GetBackLabel()->GetText(), U"DISCARD");
    Accept(SettingsMenu::kRowBack);
    EXPECT_EQ(GameData::options->bgmVolume, 50);

    const auto storedMusic = [] {
        const Ref<XMLNode> tree = SettingsFileTree();
        if (!tree) return String(U"unreadable");
        const Ref<XMLNode> music =
            playerconfig::ChildNode_(U"option", playerconfig::ChildNode_(U"options", tree), U"name", U"bgmVolume");
        return music ? music->value : String(U"missing");
    };
    EXPECT_EQ(storedMusic(), U"50");
    Wait(30);
    EXPECT_FALSE(panel->IsVisible());

    Reopen();
    EXPECT_EQ(menu->GetBackLabel()->GetText(), U"BACK");
    menu->MoveCursorToOption(SettingsMenu::kRowMusic);
    Hit({kActionRight});
    Accept(SettingsMenu::kRowApply);  // keeps 60 from now on
    Wait(90);
    EXPECT_EQ(menu->GetBackLabel()->GetText(), U"BACK");
    Accept(SettingsMenu::kRowBack);
    EXPECT_EQ(GameData::options->bgmVolume, 60);
    EXPECT_EQ(storedMusic(), U"60");
}

}  // namespace zelka
