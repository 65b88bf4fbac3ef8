// Two human-steered characters on a 24 x 25 cell maze: per update each player's
// ManualLogic, the character's update and its move event through the maze (push, trails,
// ice). Keys change at random, so turns are asked for all the time.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "bench/support/FakeMatchImages.h"
#include "engine/core/EventManager.h"
#include "engine/core/Random.h"
#include "match/MatchEvents.h"
#include "match/PlayerStageData.h"
#include "match/character/Character.h"
#include "match/character/ManualLogic.h"
#include "match/items/ItemStack.h"
#include "match/maze/ExtendedMaze.h"
#include "match/maze/GameMaze.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "platform/input/InputDevice.h"
#include "platform/input/KeyCodes.h"
#include "services/input/InputKeyboard.h"
#include "services/player/PlayerData.h"
#include "services/settings/GameWorld.h"

namespace zelka {
namespace {

constexpr int kStepMs = 16;

void BM_TwoCharactersWithManualLogic(benchmark::State& state)
{
    graphics::ResetContext();
    RecordingGraphicsDevice device;
    AddFakeMatchImages(device);
    graphics::SetGraphicsDevice(&device);
    auto keys = std::make_shared<InputDevice>();
    input::SetInputDevice(keys);
    EventManager::RemoveAllListeners();
    random::Seed = 2026;
    auto cells = ExtendedMaze::New(24, 25);
    cells->GenerateMaze();
    auto maze = GameMaze::New(*cells, U"THE_MAZE", kWorldIce | kWorldFallingRocks);
    PlayerData::ResetPlayerCounter();
    std::array<Ref<PlayerData>, 2> players{PlayerData::New(), PlayerData::New()};
    std::array<Ref<PlayerStageData>, 2> stages;
    std::array<Ref<ManualLogic>, 2> logic;
    for (int p = 0; p < 2; ++p) {
        players[p]->SetInputHardware(InputKeyboard::New());
        players[p]->ResetCurrentInputMapping(true);   // player 1 W A S D, player 2 arrows
        auto s = std::make_shared<PlayerStageData>();
        s->playerData = players[p].get();
        s->maze = maze.get();
        s->collisionBox = CollisionBox::New(s->collisionAnchor, 0, 0, 32, 32, nullptr);
        s->character = Character::New(U"Player", players[p].get());
        s->itemStack = ItemStack::New(*players[p]);
        const TilePos start = cells->VersusStartTile(p + 1);
        s->character->position->Set(maze->TileCenterX(start.c), maze->TileCenterY(start.r));
        EventManager::RegisterListener(maze, s->character, kEventAnyId);
        s->character->SetDirection(maze->GetFirstExitFromCell(start.c, start.r));
        stages[p] = s;
        logic[p] = ManualLogic::New(s.get());
    }
    const int arrows[] = {kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeyA, kKeyD, kKeyW, kKeyS};
    uint32_t seed = 7;
    for (auto _ : state) {
        seed = seed * 1103515245u + 12345u;
        const uint32_t r = seed >> 16;
        keys->KeyEvent(r % 3 == 0 ? kEventKeyUp : kEventKeyDown, arrows[(r / 3) % 8]);
        for (int p = 0; p < 2; ++p) {
            logic[p]->Update(kStepMs);
            Character& ch = *stages[p]->character;
            ch.Update(kStepMs);
            stages[p]->collisionAnchor->Set(ch.position->x, ch.position->y);
            EventManager::SendEvent(&ch, kEventMoved, stages[p].get());
        }
        keys->EndUpdate();
    }
    for (auto& s : stages) {
        s->character->Deallocate();
        s->itemStack->Deallocate();
    }
    maze->GetMazeBaseGDO()->Deallocate();
    input::SetInputDevice(nullptr);
    EventManager::RemoveAllListeners();
    graphics::ResetContext();
}
BENCHMARK(BM_TwoCharactersWithManualLogic)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelka
