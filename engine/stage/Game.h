#pragma once

#include "engine/EngineConstants.h"
#include "engine/core/Object.h"
#include "engine/core/RGB.h"
#include "engine/core/Vector.h"
#include "platform/app/App.h"
#include "platform/core/Ref.h"

namespace zelka {

class Clock;
class Stage;

// Transition states of Game.
inline constexpr int kTransitionNone = 0;
inline constexpr int kTransitionIn = 1;   // incoming: the new stage is drawn under it
inline constexpr int kTransitionOut = 2;  // outgoing: no stage updates until it has ended

// The engine's application: owns the current stage, switches stages by identifier, loads
// the new one a step per update behind a loading screen, waits until updates are regular
// again (the stability wait) and frames the transitions. One instance at a time.
//
// A switch: GoToStage -> outgoing transition -> switch update (listeners dropped, old
// stage released, CreateStage) -> load steps -> stability wait -> GameHasBecomeStable and
// the incoming transition -> normal updates.
class Game : public App, public Object {
public:
    // Fatal "Only one instance of Game is allowed!" while another Game lives (the App
    // base reports a second App first).
    Game(int updateRate, int screenWidth, int screenHeight);
    ~Game() override;

    static Game* GetCurrentGame();

    int OnCreate() override;
    int OnUpdate() override;
    int OnLoading() override;
    int OnRender() override;

    // Hooks for the game's own subclass.
    virtual void RenderLoadingScreen(int progress);
    // True while the transition is still running.
    virtual bool OnTransitionInRender();
    virtual bool OnTransitionOutRender();
    // Null for an unknown identifier (the game then runs without a stage).
    virtual Ref<Stage> CreateStage(int id);
    virtual void GameHasBecomeStable();
    // kind is kTransitionIn or kTransitionOut.
    virtual void OnStartTransition(int kind, int id);
    virtual void GoToStage(int id);

    // Rates below 1 become 1 (interval 1000 ms); above 1000 become 1000; the interval is
    // 1000 / rate in integer division.
    static void SetGameFPS(int rate);
    static int GetGameFPS() { return updateRate_; }
    static int GetUpdateInterval() { return updateInterval_; }
    // Letterbox fit of a width x height virtual screen into the device.
    static void SetCenteredScreen(float width, float height);

    const Ref<Stage>& GetCurrentStage() const { return stage_; }
    int GetCurrentStageId() const { return currentId_; }
    int GetNextStageId() const { return nextId_; }
    int GetLoadingProgress() const { return progress_; }
    int GetTransitionState() const { return transition_; }
    int GetLastStep() const { return step_; }

    bool IsStable() const { return countdown_ <= 0; }
    void ResetStabilityTest() { countdown_ = stabilityFrames_; }
    void AssertStableCycle();
    void SetStabilityTestFrames(int frames) { stabilityFrames_ = frames; }
    int GetStabilityCountdown() const { return countdown_; }

    // Fills the virtual screen (or the device) with the clear colour.
    void ClearScreen();
    RGB& ClearColor() { return clearColor_; }

    // The millisecond clock the updates and frames read: the framework's when null.
    // Tests inject a fake one; its seconds are rounded to whole milliseconds.
    void SetClock(const Clock* clock) { clock_ = clock; }
    int Millisecs() const;

    static inline Vector globalOffset{0.0f, 0.0f};  // virtual screen's top-left in the window, px
    static inline Vector globalScale{1.0f, 1.0f};   // virtual screen to window scale
    static inline Vector screenSize{0.0f, 0.0f};    // virtual screen size; <= 0: the device's
    static inline int updateRate_ = 0;              // updates per second
    static inline int updateInterval_ = 0;          // ms per update
    static inline int FPS_ = 0;                     // measured frames per second
    static inline int frameCounter_ = 0;
    static inline int frameCounterLast_ = 0;        // ms

private:
    void SwitchStage();
    void StepStability();
    void RenderStage();
    void CountFrame(int now);
    void ClipToLetterbox();

    Ref<Stage> stage_;
    int currentId_ = kNoStageId;
    int nextId_ = kNoStageId;
    int progress_ = 0;
    int step_ = 0;
    int countdown_ = 0;
    RGB clearColor_;
    int stabilityFrames_ = kDefaultStabilityFrames;
    int transition_ = kTransitionNone;
    int lastUpdate_ = 0;
    const Clock* clock_ = nullptr;
};

}  // namespace zelka
