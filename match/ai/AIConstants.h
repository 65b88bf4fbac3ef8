#pragma once

namespace zelka {

// ---- Planning.
// ItemInfo::blocked values.
inline constexpr int kTileFree = 0;
inline constexpr int kTileBlockedWall = 1;
inline constexpr int kTileBlockedTrap = 2;   // trap floor while the traps are up

// ---- Movement.
inline constexpr int kConfusedDecisionMs = 500;   // a confused AI re-decides this often
// A confused AI inverts its own choice when a draw r has r * 100 >= this, so the
// character's inversion cancels out about a quarter of the time.
inline constexpr float kConfusedPreInvertPercent = 75.0f;

// ---- Items.
inline constexpr int kItemPassMs = 199;           // an item pass runs once more than this passed
inline constexpr int kItemUseGapMs = 2000;        // at least this between two uses
inline constexpr int kShovelTripMs = 4000;        // underground at most this long
inline constexpr int kShovelReach = 2;            // tiles: through one wall to the tile behind
inline constexpr int kTrapSearchDepth = 4;        // tiles searched for a trap floor
// A shovel tunnel towards the AI's own source must save at least this many steps.
inline constexpr int kShovelMinStepsSaved = 11;

// Item scores of the choice: the per-mille chance of the random ones, and the scores.
inline constexpr float kPickaxeChance = 300.0f;        // of 1000
inline constexpr float kTurboChance = 600.0f;
inline constexpr float kDebuffWeaponChance = 150.0f;   // ball and chain, ice wand
inline constexpr float kChanceScale = 1000.0f;
inline constexpr int kScorePickaxe = 50;
inline constexpr int kScoreTeleporter = 200;
inline constexpr int kScoreHammer = 50;
inline constexpr int kScoreTrap = 50;
inline constexpr int kScoreTurbo = 100;
inline constexpr int kScoreDebuffOnTurbo = 160;        // the opponent has turbo to undo
inline constexpr int kScoreDebuff = 80;
inline constexpr int kScoreStealEqual = 75;
inline constexpr int kScoreStealBetter = 100;
inline constexpr int kScoreShovel = 180;
inline constexpr int kScoreRoulette = 20;
// The teleporter is worth it when the opponent's tile is worth more than this many times
// the AI's own.
inline constexpr float kTeleportWorthFactor = 2.0f;

}  // namespace zelka
