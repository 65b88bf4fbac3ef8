#include "engine/stage/ExtendedStage.h"

#include "engine/EngineConstants.h"

namespace zelka {

namespace {

// Overlay geometry in virtual-screen pixels (640 x 360).
constexpr float kOverlayX = 320.0f;  // the overlay sits at the virtual screen's centre
constexpr float kOverlayY = 180.0f;
constexpr float kScreenWidth = 640.0f;
constexpr float kScreenHeight = 360.0f;
constexpr float kPromptX = 215.0f;   // right half, near the top edge
constexpr float kPromptY = -164.0f;

OverlayHooks& BaseHooks()
{
    // Never destroyed: an exit() from a library runs static destructors in any order.
    static OverlayHooks& base = *new OverlayHooks;
    return base;
}

OverlayHooks* hooks_ = nullptr;

}  // namespace

ExtendedStage::ExtendedStage(int loadSteps) : Stage(loadSteps) {}

Ref<ExtendedStage> ExtendedStage::New(int loadSteps)
{
    return std::make_shared<ExtendedStage>(loadSteps);
}

void ExtendedStage::SetHooks(OverlayHooks* hooks)
{
    hooks_ = hooks;
}

OverlayHooks& ExtendedStage::Hooks()
{
    return hooks_ != nullptr ? *hooks_ : BaseHooks();
}

Ref<GDO> ExtendedStage::AddToOverlay(Ref<GDO> node)
{
    if (node) {
        overlay_->AddChild(node);
    }
    return node;
}

void ExtendedStage::BuildOverlay()
{
    OverlayHooks& hooks = Hooks();
    overlay_ = EmptyGDOContainer::New();
    overlay_->position->Set(kOverlayX, kOverlayY);
    pausePanel_ = AddToOverlay(hooks.NewPausePanel());
    conflictPanel_ = AddToOverlay(hooks.NewConflictPanel());
    inputConfigPanel_ = AddToOverlay(hooks.NewInputConfigPanel());
    settingsPanel_ = AddToOverlay(hooks.NewSettingsPanel());
    prompt_ = hooks.NewPrompt();
    if (prompt_) {
        prompt_->visible = false;
        prompt_->enabled = false;
        overlay_->AddChild2(prompt_, kPromptX, kPromptY);
    }
    buildPhase_ = 1;
}

void ExtendedStage::FinishOverlay()
{
    OverlayHooks& hooks = Hooks();
    toast1_ = hooks.NewToast(U"PLAYER 1");
    toast2_ = hooks.NewToast(U"PLAYER 2");
    // Bottom-left and bottom-right corners of the virtual screen.
    if (toast1_) {
        overlay_->AddChild2(toast1_, -(kScreenWidth - toast1_->GetWidth()) * 0.5f,
                            (kScreenHeight - toast1_->GetHeight()) * 0.5f);
    }
    if (toast2_) {
        overlay_->AddChild2(toast2_, (kScreenWidth - toast2_->GetWidth()) * 0.5f,
                            (kScreenHeight - toast2_->GetHeight()) * 0.5f);
    }
    AddLayer(overlay_, -1);  // after the screen's own layers: updated and drawn last
    buildPhase_ = 2;
}

int ExtendedStage::GetLoadingProgress()
{
    if (buildPhase_ == 0) {
        BuildOverlay();
        return 0;
    }
    if (buildPhase_ == 1) {
        const int progress = Stage::GetLoadingProgress();
        if (progress < kFullProgress) {
            return progress;
        }
        FinishOverlay();
    }
    return kFullProgress;
}

void ExtendedStage::Deallocate()
{
    Stage::Deallocate();
    if (buildPhase_ < 2 && overlay_) {
        overlay_->Deallocate();
    }
}

bool ExtendedStage::BeforeUpdate(int ms)
{
    for (const Ref<GDO>& toast : {toast1_, toast2_}) {
        if (toast && toast->IsEnabled()) {
            toast->Update(ms);
        }
    }
    for (const Ref<GDO>& panel : {inputConfigPanel_, settingsPanel_, conflictPanel_, pausePanel_}) {
        if (panel && panel->IsEnabled()) {
            panel->Update(ms);
            return false;
        }
    }
    return true;
}

bool ExtendedStage::AssignInputDevices()
{
    OverlayHooks& hooks = Hooks();
    if (!hooks.PlayerHasDevice(kOverlayPlayer1)) {
        const String device = hooks.AnyKeyFromAnyHardware(kOverlayPlayer1);
        if (device.empty()) {
            return false;
        }
        hooks.SetNewInputDeviceForPlayer(kOverlayPlayer1, device);
        return true;
    }
    if (hooks.Is2PMode() && !hooks.PlayerHasDevice(kOverlayPlayer2)) {
        const String device = hooks.AnyKeyFromAnyHardware(kOverlayPlayer2);
        if (device.empty()) {
            if (prompt_) {
                prompt_->enabled = true;  // its own update blinks it
            }
            return false;
        }
        hooks.SetNewInputDeviceForPlayer(kOverlayPlayer2, device);
        return true;
    }
    return false;
}

void ExtendedStage::Update(int ms)
{
    if (prompt_) {
        prompt_->visible = false;
        prompt_->enabled = false;
    }
    if (AssignInputDevices()) {
        return;
    }
    Hooks().CheckActiveLocks();
    Stage::Update(ms);
}

void ExtendedStage::OpenIfClosed(const Ref<GDO>& panel)
{
    if (panel && !panel->IsVisible()) {
        Hooks().OpenPanel(*panel);
    }
}

void ExtendedStage::ShowPauseMenu()
{
    OpenIfClosed(pausePanel_);
}

void ExtendedStage::ShowSettingsPanel()
{
    OpenIfClosed(settingsPanel_);
}

void ExtendedStage::ShowConflictMenu()
{
    OpenIfClosed(conflictPanel_);
}

void ExtendedStage::ShowInputConfigPanel(int player)
{
    if (!inputConfigPanel_ || inputConfigPanel_->IsVisible()) {
        return;
    }
    Hooks().SelectInputConfigPlayer(*inputConfigPanel_, player);
    Hooks().OpenPanel(*inputConfigPanel_);
}

bool ExtendedStage::IsSettingsMenuOpen() const
{
    return settingsPanel_ && settingsPanel_->IsVisible();
}

const Ref<GDO>& ExtendedStage::GetToast(int player) const
{
    return player == kOverlayPlayer1 ? toast1_ : toast2_;
}

void ExtendedStage::SetToastNotification(int player, Ref<GDO> content)
{
    const Ref<GDO>& toast = GetToast(player);
    if (toast) {
        Hooks().DisplayToast(*toast, std::move(content));
    }
}

}  // namespace zelka
