#include "screens/menus/MenuWithOptions.h"

#include "engine/display/GDOWithSize.h"
#include "services/data/ContentLock.h"
#include "services/input/InputConstants.h"
#include "services/input/InputHardware.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "services/settings/GameMode.h"
#include "screens/menus/ConfigurableMenu.h"
#include "screens/menus/GameModeMenuOption.h"
#include "screens/menus/GameModesMultiOption.h"
#include "screens/menus/MenuConstants.h"
#include "tests/screens/MenuSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelka {
namespace {

// Records the hooks; refuses every move while `refuse` is set.
class ProbeMenu final : public ConfigurableMenu {
public:
    ProbeMenu() : ConfigurableMenu(200.0f, 100.0f) {}
    static Ref<ProbeMenu> New(Ref<PlayerData> owner, int rows)
    {
        auto menu = std::make_shared<ProbeMenu>();
        SetupConfigurable(*menu, std::move(owner));
        for (int i = 0; i < rows; ++i) {
            menu->AddOption(GDOWithSize::New(100.0f, 20.0f), 0.0f, 20.0f * static_cast<float>(i));
        }
        menu->MoveCursorToOption(0);
        return menu;
    }
    int CheckBeforeOptionChange(int, int) override { return refuse ? 1 : 0; }
    void OkPressed(int index) override { log.push_back("ok " + std::to_string(index)); }
    void CancelPressed(int index, bool byEscape) override
    {
        log.push_back(std::string(byEscape ? "escape " : "cancel ") + std::to_string(index));
    }
    void ChangeOptionValue(int index, int delta) override
    {
        log.push_back("change " + std::to_string(index) + " " + std::to_string(delta));
    }

    bool refuse = false;
    std::vector<std::string> log;
};

}  // namespace

class MenuWithOptionsTest : public MenuFixture {
protected:
    // One update of the menu with these actions hit.
    void Hit(ProbeMenu& menu, std::set<int> actions)
    {
        input.hits = std::move(actions);
        menu.Update(16);
        input.hits.clear();
    }

    Ref<ProbeMenu> Menu(int rows = 3)
    {
        const Ref<ProbeMenu> menu = ProbeMenu::New(nullptr, rows);
        menu->UseInputProvider(&input);
        return menu;
    }

    FakeInput input;
};

// What one update does with the actions hit in it.
TEST_F(MenuWithOptionsTest, ActionsOfOneUpdate)
{
    {
        SCOPED_TRACE("moving past either end wraps with the move sound");
        const Ref<ProbeMenu> menu = Menu();
        played.clear();
        Hit(*menu, {kActionUp});
        EXPECT_EQ(menu->GetSelectedOption(), 2);  // up from the first row
        Hit(*menu, {kActionDown});
        EXPECT_EQ(menu->GetSelectedOption(), 0);  // down from the last
        Hit(*menu, {kActionUp, kActionDown});     // up wins
        EXPECT_EQ(menu->GetSelectedOption(), 2);
        EXPECT_EQ(played, (std::vector<int>{kSfxMenuMove, kSfxMenuMove, kSfxMenuMove}));
        EXPECT_TRUE(menu->log.empty());  // a move uses up the update
    }
    {
        SCOPED_TRACE("a refused move is silent and an accept in the same update acts");
        const Ref<ProbeMenu> menu = Menu();
        menu->refuse = true;
        played.clear();
        Hit(*menu, {kActionDown, kActionAccept});
        Hit(*menu, {kActionUp, kActionStart});  // start accepts too
        Hit(*menu, {kActionDown, kActionCancel});
        EXPECT_EQ(menu->GetSelectedOption(), 0);
        EXPECT_EQ(menu->log, (std::vector<std::string>{"ok 0", "ok 0", "cancel 0"}));
        EXPECT_EQ(played, (std::vector<int>{kSfxMenuCancel}));  // only the cancel's own
    }
    {
        SCOPED_TRACE("Escape cancels silently and only when no action was hit");
        const Ref<ProbeMenu> menu = Menu();
        played.clear();
        Press(kKeyEscape, [&] { Hit(*menu, {}); });
        EXPECT_EQ(menu->log, (std::vector<std::string>{"escape 0"}));
        EXPECT_TRUE(played.empty());
        Press(kKeyEscape, [&] { Hit(*menu, {kActionAccept}); });  // the action comes first
        EXPECT_EQ(menu->log.back(), "ok 0");
    }
    {
        SCOPED_TRACE("left and right together step back and use up the update");
        const Ref<ProbeMenu> menu = Menu();
        Hit(*menu, {kActionLeft, kActionRight, kActionAccept});
        Hit(*menu, {kActionRight, kActionDown});
        EXPECT_EQ(menu->log, (std::vector<std::string>{"change 0 -1", "change 0 1"}));
        EXPECT_EQ(menu->GetSelectedOption(), 0);
    }
}

TEST_F(MenuWithOptionsTest, InputComesFromTheOwnerOrFromEitherPlayer)
{
    GameData::SetGameMode(1);  // two players
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));

    // Player 2 has no mapping: the menu it owns ignores everything.
    const Ref<ProbeMenu> owned = ProbeMenu::New(GameData::player2, 3);
    EXPECT_EQ(owned->GetInputProvider(), nullptr);
    Press(CodeOf(GameData::player1, kActionDown), [&] { owned->Update(16); });
    Press(kKeyEscape, [&] { owned->Update(16); });
    EXPECT_EQ(owned->GetSelectedOption(), 0);
    EXPECT_TRUE(owned->log.empty());

    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"KEYBOARD"));
    const int p1Down = CodeOf(GameData::player1, kActionDown);
    const int p2Down = CodeOf(GameData::player2, kActionDown);
    ASSERT_NE(p1Down, p2Down);
    const Ref<ProbeMenu> shared = ProbeMenu::New(nullptr, 3);
    Press(p1Down, [&] { shared->Update(16); });
    Press(p2Down, [&] { shared->Update(16); });
    EXPECT_EQ(shared->GetSelectedOption(), 2);

    // Owned by player 1 now: player 2's key does nothing.
    const Ref<ProbeMenu> p1Menu = ProbeMenu::New(GameData::player1, 3);
    Press(p2Down, [&] { p1Menu->Update(16); });
    Press(p1Down, [&] { p1Menu->Update(16); });
    EXPECT_EQ(p1Menu->GetSelectedOption(), 1);
}

TEST_F(MenuWithOptionsTest, MenuWithoutRowsNeverDividesByZero)
{
    const Ref<ProbeMenu> menu = Menu(0);
    EXPECT_EQ(menu->NormalizeOptionIndex(5), 0);
    EXPECT_EQ(menu->NormalizeOptionIndex(-1), 0);
    Hit(*menu, {kActionDown});
    Hit(*menu, {kActionUp});
    menu->MoveCursorToOption(3);
    EXPECT_EQ(menu->GetSelectedOption(), 0);
    EXPECT_FALSE(menu->GetLeftArrow()->IsVisible());
    EXPECT_EQ(menu->GetOption(0), nullptr);
}

TEST_F(MenuWithOptionsTest, ReplacedRowTakesTheSlotAndTheSlidingCursorFollowsIt)
{
    const Ref<ProbeMenu> menu = Menu();
    menu->MoveCursorToOption(1);
    menu->Update(16);  // the cursor is half-way
    const Ref<GDO> old = menu->GetOption(1);
    const int slot = menu->FindChild2(old.get());
    const Ref<GDOWithSize> fresh = GDOWithSize::New(60.0f, 30.0f);
    menu->ReplaceOption(1, fresh);
    EXPECT_EQ(old->GetParent(), nullptr);
    EXPECT_EQ(menu->GetOption(1), fresh);
    EXPECT_EQ(menu->FindChild2(fresh.get()), slot);
    EXPECT_FLOAT_EQ(fresh->position->y, 20.0f);

    EXPECT_NE(menu->GetCursor()->GetTarget(), old);
    for (int i = 0; i < 10; ++i) menu->Update(16);
    EXPECT_FLOAT_EQ(menu->GetCursor()->position->y, 20.0f);
    EXPECT_FLOAT_EQ(menu->GetCursor()->GetFrame()->width, 60.0f);  // the new row's size

    menu->ReplaceOption(7, GDOWithSize::New(1.0f, 1.0f));  // outside: nothing
    EXPECT_EQ(menu->GetOptionCount(), 3);
}

TEST_F(MenuWithOptionsTest, OverMessageClosesOnItsTimeOutAndZeroKeepsIt)
{
    const Ref<ProbeMenu> menu = Menu();
    menu->AddChild(GDOWithSize::New(1.0f, 1.0f));  // the message must come back on top
    menu->ShowOverMsg(U"HELLO", 500, false);
    EXPECT_EQ(menu->GetChild(menu->ChildCount() - 1), menu->GetOverMsg());
    EXPECT_TRUE(menu->OverMsgVisible());
    for (int i = 0; i < 31; ++i) menu->Update(16);  // 496 ms
    EXPECT_EQ(menu->OverMsgTimeout(), 4);
    menu->Update(16);
    EXPECT_EQ(menu->OverMsgTimeout(), 0);
    for (int i = 0; i < 40; ++i) menu->Update(16);  // the closing fold
    EXPECT_FALSE(menu->OverMsgVisible());

    menu->ShowOverMsg(U"STAYS", kOverMsgNoTimeout, true);
    for (int i = 0; i < 600; ++i) menu->Update(16);
    EXPECT_TRUE(menu->OverMsgVisible());
    menu->ShowOverMsg(U"CAPTURE", kOverMsgCapture, true);
    for (int i = 0; i < 600; ++i) menu->Update(16);
    EXPECT_TRUE(menu->OverMsgVisible());
    EXPECT_EQ(menu->OverMsgTimeout(), kOverMsgCapture);
    menu->CloseOverMsg();
    for (int i = 0; i < 40; ++i) menu->Update(16);
    EXPECT_FALSE(menu->OverMsgVisible());
}

TEST_F(MenuWithOptionsTest, GameModeEntriesFollowTheListAndRememberTheChoice)
{
    ASSERT_GE(GameData::GetTotalGameModes(), 2);
    EXPECT_EQ(GameModeMenuOption::New(99, 0, nullptr)->GetName(), U"???");
    EXPECT_EQ(GameModeMenuOption::New(1, 0, nullptr)->GetName(), GameData::GetGameModeName(1));

    GameData::lastSelOpt = 1;
    const Ref<GameModesMultiOption> modes = GameModesMultiOption::New();
    const int count = modes->GetEntryCount();
    EXPECT_EQ(count, GameData::GetTotalGameModes());
    modes->Reset();
    EXPECT_EQ(modes->GetIndex(), 1);
    EXPECT_EQ(modes->GetCode(), 101);
    EXPECT_EQ(modes->GetName(), GameData::GetGameModeEntryByIndex(1)->GetName());
    EXPECT_EQ(modes->GetOption2()->GetName(), modes->GetName());
    modes->PrevOption();
    modes->PrevOption();  // below the first: the last
    EXPECT_EQ(modes->GetIndex(), count - 1);
    EXPECT_EQ(GameData::lastSelOpt, count - 1);
    modes->NextOption();  // past the last: the first
    EXPECT_EQ(GameData::lastSelOpt, 0);

    GameData::lastSelOpt = 99;  // a stale choice
    modes->Reset();
    EXPECT_EQ(modes->GetIndex(), 0);

    const Ref<MultiMenuOption> empty = MultiMenuOption::New();
    empty->PrevOption();
    empty->NextOption();
    EXPECT_EQ(empty->GetIndex(), 0);
    EXPECT_EQ(empty->GetOption2(), nullptr);
    EXPECT_EQ(empty->GetCode(), -1);
}

TEST_F(MenuWithOptionsTest, OnlyAnEntryWhoseLockHoldsCarriesACard)
{
    const Ref<ContentLock> soon =
        ContentLock::New(static_cast<const GameWorld*>(nullptr), kLockComingSoon, 0, 0);
    const Ref<MenuOption> locked = MenuOption::New(U"SOON", 7, soon);
    const Ref<MenuOption> open = MenuOption::New(U"OPEN", 8, ContentLock::New2());
    EXPECT_NE(locked->GetLock(), nullptr);
    EXPECT_EQ(locked->GetLock(), locked->GetLock());  // made once
    EXPECT_EQ(open->GetLock(), nullptr);
    EXPECT_EQ(MenuOption::New(U"NONE", 9, nullptr)->GetLock(), nullptr);
}

}  // namespace zelka
