#include "engine/stage/ExtendedStage.h"

#include "engine/EngineConstants.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace zelka {

namespace {

// A node that counts its updates (panels, toasts, layers and world nodes alike).
class CountingNode : public GDO {
public:
    CountingNode(float width = 0.0f, float height = 0.0f) : width_(width), height_(height) {}
    void Update(int ms) override { ++updates; GDO::Update(ms); }
    float GetWidth() const override { return width_; }
    float GetHeight() const override { return height_; }
    int updates = 0;

private:
    float width_;
    float height_;
};

class CountingCog : public Cog {
public:
    void Update(int) override { ++updates; }
    int updates = 0;
};

std::array<float, 2> XY(const GDO& node) { return {node.position->x, node.position->y}; }

Ref<CountingNode> ClosedPanel()
{
    auto panel = std::make_shared<CountingNode>();
    panel->visible = false;
    panel->enabled = false;
    return panel;
}

// Overlay parts and player devices as the test sets them; records every request.
class FakeOverlayHooks : public OverlayHooks {
public:
    Ref<GDO> NewPausePanel() override { return pause; }
    Ref<GDO> NewConflictPanel() override { return conflict; }
    Ref<GDO> NewInputConfigPanel() override { return inputConfig; }
    Ref<GDO> NewSettingsPanel() override { return settings; }
    Ref<GDO> NewPrompt() override { return prompt; }
    Ref<GDO> NewToast(const String& title) override
    {
        toastTitles.push_back(title);
        return toastTitles.size() == 1 ? toast1 : toast2;
    }
    void OpenPanel(GDO& panel) override { ++opens; panel.visible = panel.enabled = true; }
    void SelectInputConfigPlayer(GDO&, int player) override { selectedPlayers.push_back(player); }
    void DisplayToast(GDO& toast, Ref<GDO> content) override { shownOn = &toast; shownContent = std::move(content); }
    bool PlayerHasDevice(int player) override { return player == 1 ? p1HasDevice : p2HasDevice; }
    String AnyKeyFromAnyHardware(int forPlayer) override { askedFor.push_back(forPlayer); return hitDevice; }
    void SetNewInputDeviceForPlayer(int player, const String& device) override { assigned.push_back({player, device}); }
    bool Is2PMode() override { return twoPlayer; }
    void CheckActiveLocks() override { ++lockChecks; }

    Ref<CountingNode> pause = ClosedPanel(), conflict = ClosedPanel(), inputConfig = ClosedPanel(),
                      settings = ClosedPanel();
    Ref<CountingNode> prompt = std::make_shared<CountingNode>();
    Ref<CountingNode> toast1 = std::make_shared<CountingNode>(200.0f, 40.0f);
    Ref<CountingNode> toast2 = std::make_shared<CountingNode>(100.0f, 20.0f);

    std::vector<String> toastTitles;
    int opens = 0;
    std::vector<int> selectedPlayers;
    GDO* shownOn = nullptr;
    Ref<GDO> shownContent;
    bool p1HasDevice = true, p2HasDevice = true, twoPlayer = false;
    String hitDevice;
    std::vector<int> askedFor;
    std::vector<std::pair<int, String>> assigned;
    int lockChecks = 0;
};

// A screen with three load steps; its second step adds a layer of its own.
class ThreeStepScreen : public ExtendedStage {
public:
    ThreeStepScreen() : ExtendedStage(3)
    {
        worldRoot_->AddChild(world);
        AddCog(cog);
    }
    void LoadStep(int step) override
    {
        steps.push_back(step);
        if (step == 1) AddLayer(screenLayer, -1);
    }
    void Load() { while (GetLoadingProgress() < kFullProgress) {} }
    std::vector<int> steps;
    Ref<CountingNode> world = std::make_shared<CountingNode>();
    Ref<CountingNode> screenLayer = std::make_shared<CountingNode>();
    Ref<CountingCog> cog = std::make_shared<CountingCog>();
};

class ExtendedStageTest : public ::testing::Test {
protected:
    void SetUp() override { ExtendedStage::SetHooks(&hooks); }
    void TearDown() override
    {
        stage->Deallocate();
        ExtendedStage::SetHooks(nullptr);
    }

    void GameUpdate(int ms = 16) { if (stage->BeforeUpdate(ms)) stage->Update(ms); }

    FakeOverlayHooks hooks;
    Ref<ThreeStepScreen> stage = std::make_shared<ThreeStepScreen>();
};

}  // namespace

TEST_F(ExtendedStageTest, ThreeLoadStepsTakeFourUpdatesAndTheOverlayIsTheLastLayer)
{
    EXPECT_EQ(stage->GetLoadingProgress(), 0);   // builds the overlay only
    EXPECT_TRUE(stage->steps.empty());
    EXPECT_EQ(stage->GetLoadingProgress(), 33);
    EXPECT_EQ(stage->GetLoadingProgress(), 66);
    EXPECT_TRUE(hooks.toastTitles.empty());   // toasts come with the last step
    EXPECT_EQ(stage->GetLoadingProgress(), 100);
    EXPECT_EQ(stage->GetLoadingProgress(), 100);   // done: nothing more is built
    EXPECT_EQ(stage->steps, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(hooks.toastTitles, (std::vector<String>{U"PLAYER 1", U"PLAYER 2"}));

    // Root window, the screen's layer (added during loading), then the overlay.
    ASSERT_EQ(stage->LayerCount(), 3);
    EXPECT_EQ(stage->GetLayer(1), stage->screenLayer);
    const Ref<EmptyGDOContainer>& overlay = stage->GetOverLayer();
    EXPECT_EQ(stage->GetLayer(2), overlay);
    // Panels in creation order, then the prompt (hidden), then the toasts.
    ASSERT_EQ(overlay->ChildCount(), 7);
    EXPECT_EQ(overlay->GetChild(0), hooks.pause);
    EXPECT_EQ(overlay->GetChild(3), hooks.settings);
    EXPECT_EQ(overlay->GetChild(4), hooks.prompt);
    EXPECT_FALSE(hooks.prompt->IsVisible());
    // Bottom-left and bottom-right corners, by each toast's own size.
    EXPECT_EQ(XY(*hooks.toast1), (std::array<float, 2>{-220.0f, 160.0f}));
    EXPECT_EQ(XY(*hooks.toast2), (std::array<float, 2>{270.0f, 170.0f}));

    Ref<ExtendedStage> bare = ExtendedStage::New2();   // no steps: still one overlay update
    EXPECT_EQ(bare->GetLoadingProgress(), 0);
    EXPECT_EQ(bare->GetLoadingProgress(), 100);
    EXPECT_EQ(bare->GetLayer(bare->LayerCount() - 1), bare->GetOverLayer());
    bare->Deallocate();
}

TEST_F(ExtendedStageTest, OpenPanelFreezesTheStageAndToastsRunAtSingleSpeed)
{
    stage->Load();
    GameUpdate();
    const auto counts = [&]() {
        return std::vector<int>{stage->world->updates, stage->screenLayer->updates, stage->cog->updates,
                                hooks.toast1->updates, hooks.toast2->updates, hooks.pause->updates};
    };
    // No panel: the stage updates, and toasts twice (before, and as overlay children).
    EXPECT_EQ(counts(), (std::vector<int>{1, 1, 1, 2, 2, 0}));
    stage->ShowPauseMenu();
    hooks.p1HasDevice = false;
    hooks.hitDevice = U"KEYBOARD";
    GameUpdate();
    // Frozen world, layers and cogs; the panel and the toasts (once each) run.
    EXPECT_EQ(counts(), (std::vector<int>{1, 1, 1, 3, 3, 1}));
    EXPECT_TRUE(hooks.assigned.empty());   // no device assignment while frozen
}

TEST_F(ExtendedStageTest, OnlyTheFirstEnabledPanelInPriorityOrderUpdates)
{
    stage->Load();
    stage->ShowPauseMenu();
    stage->ShowConflictMenu();
    stage->ShowSettingsPanel();
    stage->ShowSettingsPanel();   // already open: left alone
    EXPECT_EQ(hooks.opens, 3);
    EXPECT_TRUE(stage->IsSettingsMenuOpen());
    const auto counts = [&]() {
        return std::vector<int>{hooks.pause->updates, hooks.conflict->updates, hooks.inputConfig->updates,
                                hooks.settings->updates};
    };
    EXPECT_FALSE(stage->BeforeUpdate(16));
    EXPECT_EQ(counts(), (std::vector<int>{0, 0, 0, 1}));

    stage->ShowInputConfigPanel(kOverlayPlayer2);
    stage->ShowInputConfigPanel(kOverlayPlayer1);   // already visible: not reselected
    EXPECT_EQ(hooks.selectedPlayers, (std::vector<int>{kOverlayPlayer2}));
    EXPECT_FALSE(stage->BeforeUpdate(16));
    EXPECT_EQ(counts(), (std::vector<int>{0, 0, 1, 1}));

    // A visible but disabled panel (closing) does not hold the stage.
    for (const Ref<CountingNode>& panel : {hooks.inputConfig, hooks.settings, hooks.conflict}) panel->enabled = false;
    EXPECT_FALSE(stage->BeforeUpdate(16));
    EXPECT_EQ(counts(), (std::vector<int>{1, 0, 1, 1}));
    hooks.pause->enabled = false;
    EXPECT_TRUE(stage->BeforeUpdate(16));
}

// Focus lost while the stage is still loading once opened a pause panel that did not exist
// yet: every entry point does nothing until its part is built.
TEST_F(ExtendedStageTest, EntryPointsDoNothingBeforeTheOverlayExists)
{
    stage->ShowPauseMenu();
    stage->ShowSettingsPanel();
    stage->ShowConflictMenu();
    stage->ShowInputConfigPanel(kOverlayPlayer1);
    auto content = std::make_shared<CountingNode>();
    stage->SetToastNotification(1, content);
    EXPECT_FALSE(stage->IsSettingsMenuOpen());
    EXPECT_EQ(hooks.opens, 0);
    stage->GetLoadingProgress();   // built, but toasts not yet made (mid-load)
    stage->SetToastNotification(2, content);
    EXPECT_EQ(hooks.shownOn, nullptr);

    stage->Load();
    stage->SetToastNotification(1, content);
    EXPECT_EQ(hooks.shownOn, hooks.toast1.get());
    EXPECT_EQ(hooks.shownContent, content);
    stage->SetToastNotification(7, content);   // anything but 1 is player 2
    EXPECT_EQ(hooks.shownOn, hooks.toast2.get());
}

TEST_F(ExtendedStageTest, PlayersWithoutDeviceTakeTheFirstHitDevicePlayerTwoOnlyInTwoPlayerModes)
{
    stage->Load();
    hooks.p1HasDevice = false;
    GameUpdate();   // nothing hit: the stage updates
    hooks.hitDevice = U"JOYSTICK 1";
    GameUpdate();   // the assignment uses up the update
    EXPECT_EQ((std::array<int, 2>{stage->cog->updates, hooks.lockChecks}), (std::array<int, 2>{1, 1}));
    EXPECT_EQ(hooks.askedFor, (std::vector<int>{1, 1}));

    hooks.p1HasDevice = true;
    hooks.p2HasDevice = false;
    hooks.hitDevice = U"";
    GameUpdate();   // one-player mode: player 2 is never asked, never prompted
    EXPECT_FALSE(hooks.prompt->IsEnabled());
    hooks.twoPlayer = true;
    GameUpdate();   // no key: the prompt is enabled and the stage updates
    EXPECT_EQ(hooks.askedFor, (std::vector<int>{1, 1, 2}));
    EXPECT_TRUE(hooks.prompt->IsEnabled());
    EXPECT_EQ(stage->cog->updates, 3);
    hooks.hitDevice = U"KEYBOARD";
    GameUpdate();
    EXPECT_FALSE(hooks.prompt->IsEnabled());   // hidden again at the start of each update
    EXPECT_EQ(stage->cog->updates, 3);
    EXPECT_EQ(hooks.assigned, (std::vector<std::pair<int, String>>{{1, U"JOYSTICK 1"}, {2, U"KEYBOARD"}}));
}

// Without hooks the overlay has no parts: the entry points find nothing and play goes on.
TEST_F(ExtendedStageTest, BaseHooksBuildNoOverlayParts)
{
    ExtendedStage::SetHooks(nullptr);
    Ref<ThreeStepScreen> plain = std::make_shared<ThreeStepScreen>();
    plain->Load();
    EXPECT_EQ(plain->GetOverLayer()->ChildCount(), 0);
    plain->ShowPauseMenu();
    EXPECT_TRUE(plain->BeforeUpdate(16));
    plain->Deallocate();
}

}  // namespace zelka
