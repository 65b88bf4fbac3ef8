#include "engine/stage/Game.h"

#include "engine/core/EventManager.h"
#include "engine/core/MathUtil.h"
#include "engine/display/DrawingState.h"
#include "engine/audio/AudioManager.h"
#include "engine/media/Texture.h"
#include "engine/stage/Stage.h"
#include "platform/clock/Clock.h"
#include "platform/core/Fatal.h"
#include "platform/graphics/Graphics.h"

#include <cmath>

namespace zelka {

namespace {

Game* currentGameInstance_ = nullptr;

}  // namespace

Game::Game(int updateRate, int screenWidth, int screenHeight)
{
    if (currentGameInstance_ != nullptr) {
        RuntimeError("Only one instance of Game is allowed!");
    }
    currentGameInstance_ = this;
    FPS_ = 0;
    updateRate_ = updateRate;
    frameCounter_ = 0;
    frameCounterLast_ = 0;
    globalOffset.Set(0.0f, 0.0f);
    globalScale.Set(1.0f, 1.0f);
    screenSize.Set(static_cast<float>(screenWidth), static_cast<float>(screenHeight));
}

Game::~Game()
{
    if (currentGameInstance_ == this) {
        currentGameInstance_ = nullptr;
    }
}

Game* Game::GetCurrentGame()
{
    return currentGameInstance_;
}

int Game::Millisecs() const
{
    if (clock_ != nullptr) {
        return math::TruncToInt(std::round(clock_->Now() * kMsPerSecond));
    }
    return app::Millisecs();
}

void Game::SetGameFPS(int rate)
{
    if (rate < kMinUpdateRate) {
        updateRate_ = kMinUpdateRate;
        updateInterval_ = kMsPerSecond;
        return;
    }
    updateRate_ = math::Min(rate, kMaxUpdateRate);
    updateInterval_ = kMsPerSecond / updateRate_;
}

int Game::OnCreate()
{
    AudioManager::Init();
    SetGameFPS(updateRate_);
    app::SetUpdateRate(updateRate_);
    return 0;
}

void Game::SetCenteredScreen(float width, float height)
{
    const float dw = static_cast<float>(same::DeviceWidth());
    const float dh = static_cast<float>(same::DeviceHeight());
    const float scale = math::Min(dw / width, dh / height);
    globalOffset.Set((dw - width * scale) * 0.5f, (dh - height * scale) * 0.5f);
    globalScale.Set(scale, scale);
    screenSize.Set(width, height);
}

void Game::GoToStage(int id)
{
    nextId_ = id;
    transition_ = kTransitionOut;
    OnStartTransition(kTransitionOut, id);
}

void Game::AssertStableCycle()
{
    if (countdown_ > 0) {
        --countdown_;
    }
}

int Game::OnUpdate()
{
    const int now = Millisecs();
    step_ = now - lastUpdate_;
    lastUpdate_ = now;
    AudioManager::FrameUpdate(updateInterval_);
    if (transition_ != kTransitionNone) {
        return 0;
    }
    if (nextId_ != kNoStageId) {
        SwitchStage();
        return 0;
    }
    const Ref<Stage> stage = stage_;
    if (!stage) {
        return 0;
    }
    if (progress_ < kFullProgress) {
        progress_ = stage->GetLoadingProgress();
    } else if (countdown_ > 0) {
        StepStability();
    } else if (stage->BeforeUpdate(step_)) {
        stage->Update(step_);
    }
    return 0;
}

void Game::SwitchStage()
{
    progress_ = 0;
    lastUpdate_ = 0;  // the first step after a switch is the whole clock value
    currentId_ = nextId_;
    countdown_ = stabilityFrames_;
    EventManager::RemoveAutoManagedListeners();
    const Ref<Stage> old = stage_;  // alive until the switch returns
    if (old) {
        old->Deallocate();
    }
    stage_ = CreateStage(currentId_);
    progress_ = 0;
    nextId_ = kNoStageId;
}

void Game::StepStability()
{
    if (step_ < kStableStepIntervals * updateInterval_) {
        --countdown_;
    } else {
        countdown_ = stabilityFrames_;
    }
    if (countdown_ <= 0) {
        GameHasBecomeStable();
        OnStartTransition(kTransitionIn, currentId_);
        transition_ = kTransitionIn;
    }
}

int Game::OnLoading()
{
    graphics::Cls(static_cast<float>(clearColor_.r), static_cast<float>(clearColor_.g),
                  static_cast<float>(clearColor_.b));
    return 0;
}

void Game::CountFrame(int now)
{
    ++frameCounter_;
    const int elapsed = now - frameCounterLast_;
    if (elapsed >= kMsPerSecond) {
        FPS_ = math::TruncToInt(static_cast<double>(frameCounter_) * kMsPerSecond / elapsed);
        frameCounterLast_ = now;
        frameCounter_ = 0;
    }
}

void Game::ClipToLetterbox()
{
    float w = static_cast<float>(same::DeviceWidth());
    float h = static_cast<float>(same::DeviceHeight());
    if (screenSize.x > 0.0f && screenSize.y > 0.0f) {
        w = screenSize.x * globalScale.x;
        h = screenSize.y * globalScale.y;
    }
    same::SetClipping(globalOffset.x, globalOffset.y, w, h);
    same::ApplyCurrentClipping();
}

int Game::OnRender()
{
    CountFrame(Millisecs());
    graphics::PushMatrix();
    graphics::Translate(std::ceil(globalOffset.x), std::ceil(globalOffset.y));
    graphics::Scale(globalScale.x, globalScale.y);
    ClipToLetterbox();
    RenderStage();
    if (transition_ == kTransitionIn && !OnTransitionInRender()) {
        transition_ = kTransitionNone;
    } else if (transition_ == kTransitionOut && !OnTransitionOutRender()) {
        transition_ = kTransitionNone;
    }
    same::UndoClipping();
    graphics::PopMatrix();
    return 0;
}

void Game::RenderStage()
{
    const Ref<Stage> stage = stage_;
    if (!stage) {
        return;
    }
    if (progress_ < kFullProgress || countdown_ > 0) {
        Texture::RenderUndrawnTextures();
        ClearScreen();
        RenderLoadingScreen(progress_ < kFullProgress ? progress_ : kFullProgress);
        return;
    }
    same::UndoClipping();
    graphics::Cls(static_cast<float>(clearColor_.r), static_cast<float>(clearColor_.g),
                  static_cast<float>(clearColor_.b));
    stage->RenderWorld();
}

void Game::ClearScreen()
{
    same::PushTint();
    same::SetTint(clearColor_.r, clearColor_.g, clearColor_.b);
    if (screenSize.x > 0.0f && screenSize.y > 0.0f) {
        graphics::DrawRect(-kClearScreenMargin, -kClearScreenMargin,
                           screenSize.x + 2.0f * kClearScreenMargin,
                           screenSize.y + 2.0f * kClearScreenMargin);
    } else {
        graphics::DrawRect(0.0f, 0.0f, static_cast<float>(same::DeviceWidth()),
                           static_cast<float>(same::DeviceHeight()));
    }
    same::PopTint();
}

void Game::RenderLoadingScreen(int /*progress*/) {}
bool Game::OnTransitionInRender() { return false; }
bool Game::OnTransitionOutRender() { return false; }
Ref<Stage> Game::CreateStage(int /*id*/) { return nullptr; }
void Game::GameHasBecomeStable() {}
void Game::OnStartTransition(int /*kind*/, int /*id*/) {}

}  // namespace zelka
