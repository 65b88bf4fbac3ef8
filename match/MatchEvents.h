#pragma once

namespace zelka {

// Event identifiers of the match's own senders (the engine's live in
// engine/EngineConstants.h). Listeners filter by source: 0 and 1 also mean other things
// from other senders.
inline constexpr int kEventTurnRequest = 0;        // Character; data: CharacterDirectionRequest
inline constexpr int kEventMoved = 1;              // from the Character, sent by its
                                                   // PlayerStageData; data: that PlayerStageData
inline constexpr int kEventItemChanged = 777;      // MazeTileMap; data: the ItemSpawnData
inline constexpr int kEventTrapsToggled = 778;     // MazeTileMap, traps raised or lowered; no data
inline constexpr int kEventTeleportStarted = 98989;   // Character
inline constexpr int kEventTeleportArrived = 89898;   // Character reached its target

}  // namespace zelka
