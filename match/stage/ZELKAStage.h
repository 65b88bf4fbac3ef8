#pragma once

#include "engine/core/EventManager.h"
#include "engine/stage/ExtendedStage.h"
#include "match/MatchHooks.h"
#include "match/topbar/TopBarSource.h"

namespace zelka {

class BasicBoxEngine;
class Cog;
class EmptyGDOContainer;
class ExtendedMaze;
class FXLabel;
class Font;
class GameMaze;
class GDOWithTween;
class ItemManager;
class ParticleEngine;
class PlayerStageData;
class SplitScreenCamera;
class TopBar;
class TweenWithName;
class Window;

// Stage 1: one whole match. Eleven load steps build the maze, the players, the dust, the
// second window, the collision engine and message labels, the items, the characters and
// their control, the heads-up display, the camera, the intro banner and the sounds. Then
// each update runs the banner alone until it has gone, and afterwards the players, the
// camera and the clock; the match ends on the clock (versus), on the idol (race) or, in the
// attract demo, after 25 s of match time or on any input.
//
// Match time is counted, not measured: every update adds 1000 / update rate ms (16 at 60
// updates a second), whatever the step the game passes in.
class ZELKAStage : public ExtendedStage,
                   public EventListener,
                   public TopBarSource,
                   public MatchHooks {
public:
    // timeLimitMs: the match settings' time; negative counts as 0 (the first versus update
    // after the banner then ends the match).
    explicit ZELKAStage(int timeLimitMs);
    // Uninstalls the match hooks if a stage dropped without its release still holds them.
    ~ZELKAStage() override;
    static Ref<ZELKAStage> New(int timeLimitMs);

    // The stage's own release, then both players' match state (which stays hung on the
    // players until the next stage is created).
    void Deallocate() override;
    void Update(int ms) override;
    void LoadStep(int step) override;
    // Refused before the intro banner exists and while it runs. Otherwise opens the
    // overlay's pause panel unless it is open, with sound 500 and 501 in turn.
    void ShowPauseMenu() override;
    // Sound 302 on the voice channel.
    void FirstStageUpdate() override;
    // The banner's two tweens, player 1's teleport start and arrival, and the block traps.
    void HandleEvent(Object* source, int id, Object* data) override;

    // ---- The clock.
    // Negative gives 0, else the smaller of ms and the time limit.
    void SetTime(int ms);
    int GetTime() const { return remaining_; }
    int GetTimeLimit() const { return limit_; }

    // ---- The camera.
    void SetScreens(bool split, bool order);
    void SetCameraOrder(bool order);
    // One camera step; nothing until both players exist.
    void SetWindowToPlayers();

    // ---- Effects asked for by the maze, the characters and the items.
    // The stage installs itself as the match hooks from its first load step until its
    // release.
    // Shakes the windows (each with its shaker) for ms.
    void Quake(int ms) override;
    // A dust puff at (x, y), px relative to the tile map's centre: the first idle particle of
    // the 20 lives 800 ms. Nothing when all are in use or before the dust exists.
    void EmitDust(float x, float y) override;
    // A message popping over player 1's character (player 1) or player 2's (any other
    // number): big in the message font at scale 2, else small in the standard font. An empty
    // text pops the previous one again.
    void AddMsgLabel(const String& text, int player, bool big) override;
    // The player's face in the top bar.
    void ShakeFace(int player, int ms, int mode) override;

    // ---- TopBarSource.
    bool IsRace() const override { return race_; }
    int GetRemainingTime() const override { return remaining_; }
    int GetScore(int player) const override;
    int GetIdolDistance(int player) const override;
    const StatusEffectSource* GetStatus(int player) const override;

    // ---- Parts, for the match's pieces and for tests.
    bool IsAttract() const { return attract_; }
    // The intro banner runs: the world stands still and pausing is refused.
    bool IsIntroRunning() const;
    const Ref<PlayerStageData>& GetPlayer(int player) const { return player == 1 ? p1_ : p2_; }
    const Ref<ExtendedMaze>& GetCellMaze() const { return cellMaze_; }
    const Ref<GameMaze>& GetMaze() const { return maze_; }
    int GetTrackOrientation() const { return orientation_; }
    const Ref<ParticleEngine>& GetParticleEngine() const { return particles_; }
    const Ref<BasicBoxEngine>& GetBoxEngine() const { return boxEngine_; }
    const Ref<ItemManager>& GetItemManager() const { return itemManager_; }
    const Ref<SplitScreenCamera>& GetCamera() const { return camera_; }
    const Ref<Window>& GetP2Window() const { return p2Window_; }
    const Ref<FXLabel>& GetMsgLabel(int player) const
    {
        return player == 1 ? msgLabel1_ : msgLabel2_;
    }
    const Ref<GDOWithTween>& GetBanner() const { return banner_; }
    const Ref<TopBar>& GetTopBar() const { return topBar_; }
    // The stage this match asked the game for; kNoStageId while none.
    int GetRequestedStage() const { return requestedStage_; }
    // Match time per update, ms.
    static int StepMs();

    // Test seam for whole matches between two computer players outside the attract demo:
    // player 1 gets the computer's cog too. Not a game option.
    static void SetComputerForBothPlayers(bool both);

private:
    void BuildMaze();
    void BuildPlayers();
    void BuildDust();
    void BuildWindows();
    void BuildCollisionAndLabels();
    void BuildItems();
    void BuildCharacters();
    void PlaceAtStart();
    void CommitAt(const Ref<PlayerStageData>& player, int col, int row);
    // A human's ManualLogic, else the computer's AILogic; stopped until loading ends.
    void InstallControl(const Ref<PlayerStageData>& player, bool human);
    void BuildHud();
    void StartPlayers();
    void BuildBanner();
    void PreloadSounds();

    // Step 3 of an update: false ends the update (the pause menu was asked for).
    bool CheckAttractOrPause(int t);
    void RunClock(int t);
    void ShakeWindows(int t);
    // Asks the game once; later requests are ignored.
    void LeaveTo(int stageId);
    Ref<EventListener> Self();

    int limit_ = 0;       // ms
    int remaining_ = 0;   // ms
    bool race_ = false;
    bool attract_ = false;
    int orientation_ = 0;   // idol track orientation code (race)
    int pauseToggle_ = 0;   // 0 or 1: the next pause plays 500 + this
    int requestedStage_ = kNoStageId;

    Ref<ExtendedMaze> cellMaze_;
    Ref<GameMaze> maze_;
    Ref<ParticleEngine> particles_;
    Ref<BasicBoxEngine> boxEngine_;
    Ref<ItemManager> itemManager_;
    Ref<PlayerStageData> p1_;
    Ref<PlayerStageData> p2_;
    Ref<Window> p2Window_;
    Ref<SplitScreenCamera> camera_;
    Ref<Font> messageFont_;
    Ref<FXLabel> msgLabel1_;
    Ref<FXLabel> msgLabel2_;
    Ref<EmptyGDOContainer> hud_;
    Ref<TopBar> topBar_;
    Ref<GDOWithTween> banner_;
    Ref<TweenWithName> intro1_;
    Ref<TweenWithName> intro2_;
    // The senders whose events the stage handles (compared, never followed).
    const Object* p1Character_ = nullptr;
    const Object* tileMap_ = nullptr;
};

}  // namespace zelka
