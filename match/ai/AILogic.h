#pragma once

#include "engine/core/Cog.h"
#include "engine/core/EventManager.h"

#include <vector>

namespace zelka {

class PlayerStageData;

// What one tile is worth to the computer player after the values have spread.
struct ItemInfo {
    int column = 0;
    int row = 0;
    int value = 0;              // ItemVal of the item lying here, 0 without one
    int source = 0;             // tile index of the item this tile's worth comes from
    float accumulated = 0.0f;   // summed item values along the path from the source
    int steps = 1;              // path length from the source plus one, at least 1
    int blocked = 0;            // kTileFree, kTileBlockedWall or kTileBlockedTrap

    // The tile's worth per step.
    float Approx() const { return accumulated / static_cast<float>(steps); }
};

// The computer's control of one character. Every item on the map spreads its worth along
// the corridors, averaged per step; the character walks downhill towards the best source,
// re-plans when the maze or its own abilities change, and every 200 ms picks an item of its
// stack to use, steering the stack's cursor to it one slot at a time. It acts only as a
// player would: turns (SetDirection), item uses and resurfacing.
//
// Reads its own and the opponent's PlayerStageData; both outlive the cog. Draws from the
// shared generator only while confused (one per decision) and for the chance-scored items
// of the choice (one per such item, in slot order), so a seeded match replays.
class AILogic : public Cog, public EventListener {
public:
    // Named "P" + player number + "_AI_LOGIC"; the value grid takes the size of the maze's
    // floor layer and the cog listens to the tile map's item changes (event 777). A null
    // opponent is looked up at each use as the other player's stageData.
    static Ref<AILogic> New(PlayerStageData* stage, PlayerStageData* opponent = nullptr);

    // Worth of an item on the map: the idol 30000, a treasure 100, items 30 to 50, a gem 1.
    static int ItemVal(int type);
    // How much the AI wants to hold an item type (judges stealing); 0 for the hyper hand.
    static int ItemUsefulness(int type);

    void Update(int ms) override;
    // Event 777 from the maze's tile map: re-plan when the AI's own source changed or a
    // non-gem item appeared.
    void HandleEvent(Object* source, int id, Object* data) override;

    // ---- Planning.
    // Spreads every live item's worth over the tiles (walls block unless blockWalls is
    // false, trap floors block with blockTraps). Clears the re-plan request.
    void _RecomputeTarget(bool blockWalls, bool blockTraps);
    // The next step from tile (c, r) towards its source: the first free interior neighbour
    // (left, right, up, down) with the same source and fewer steps; -1 on the border, on a
    // blocked tile, on the source itself, or with nothing to go for.
    int GetDirectionFromCell(int c, int r) const;
    // While confused, inverts dir when a draw r has r * 100 >= 75 (-1 becomes right);
    // otherwise, and without a draw, dir as it is.
    int StatusAwareDirection(int dir) const;
    // The tile's ItemInfo when it is interior and free, else null.
    const ItemInfo* GetCellIfValid(int c, int r) const;
    // Worth per step; 0 outside the grid (and for the second, on the border ring).
    float GetApproxCellValue(int index) const;
    float GetApproxCellValue2(int c, int r) const;

    // ---- Items.
    // The slot of the best item to use now, the earliest on equal scores; -1 when none.
    int GetBestItemToUseInInventory();
    // Switching the traps helps: the opponent is near traps and the AI not, with the traps
    // down; or the AI is near and the opponent not, with the traps up.
    bool IsTrapItemUseful(const PlayerStageData& opponent) const;
    // A trap floor within depth steps of (c, r) through non-wall tiles.
    bool _AreBlockTrapsThisClose(int c, int r, int depth) const;
    // The way (right, left, up, down) to tunnel through one wall to a tile two away that
    // brings the AI closer to something better; -1 for none or on the border.
    int GetBestShovelDirection(int c, int r) const;
    // The tile index two tiles from (c, r) in dir when a tunnel there is possible (target
    // interior and open, a wall between); -1 otherwise.
    int CheckCellOverWall(int c, int r, int dir) const;

    // ---- State, for the stage's tests and ours.
    int GetCols() const { return columns_; }
    int GetRows() const { return rows_; }
    const ItemInfo& GetItemInfo(int c, int r) const;   // c, r inside the grid
    bool IsRecomputePending() const { return recompute_; }
    int GetLastDirection() const { return lastDirection_; }
    int GetChosenItem() const { return chosenType_; }
    int GetChosenSlot() const { return chosenSlot_; }
    int GetShovelTarget() const { return shovelTarget_; }   // tile index, -1 none
    int GetShovelTimer() const { return shovelMs_; }
    int GetTimeSinceLastUse() const { return sinceUse_; }

private:
    void ProcessMovement(int ms);
    void ProcessShovelTrip(int ms);
    void ProcessItems(int ms);
    // The item pass proper, once the 200 ms tick has come.
    void ItemTick();
    void UseChosenItem();
    int ScoreItem(int type, const PlayerStageData* opponent);
    bool IsNearTraps(const PlayerStageData& player) const;
    const PlayerStageData* Opponent() const;
    void SafeResurface();

    void CheckCellAndAddToStack(const ItemInfo& from, int c, int r);
    void CellStackPush(int index);
    int CellStackPop();
    void CellStackClear() { stackLength_ = 0; }
    // The type of the live item on tile (c, r); false when there is none.
    bool ItemTypeAt(int c, int r, int& type) const;
    int Index(int c, int r) const { return c + r * columns_; }
    bool IsInterior(int c, int r) const;
    bool IsTrapsUp() const;

    PlayerStageData* stage_ = nullptr;      // not owned
    PlayerStageData* opponent_ = nullptr;   // not owned; null: looked up
    int columns_ = 0;
    int rows_ = 0;
    std::vector<ItemInfo> cells_;
    std::vector<int> stack_;                // room for columns * rows + 1 tiles
    int stackLength_ = 0;
    bool recompute_ = true;
    bool plannedTrapsUp_ = false;
    bool plannedWallBreaker_ = false;
    int decisionMs_ = 0;                    // 500 while confused, else 0
    int sinceDecision_ = 0;                 // ms
    int lastDirection_ = -1;
    int itemTick_ = 0;                      // ms since the last item pass
    int sinceUse_ = 0;                      // ms since the last item use
    int chosenType_ = -1;
    int chosenSlot_ = -1;
    int shovelTarget_ = -1;                 // tile index
    int shovelMs_ = 0;
};

}  // namespace zelka
