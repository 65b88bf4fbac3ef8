#pragma once

// Shared set-up of the tile-map, maze-element and character tests: a recording graphics
// device with fake images for every sheet the maze and the characters load, a clean event
// bus, sound requests caught by a spy, and a walker the maze can push around.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

#include "engine/audio/SoundManager.h"
#include "engine/core/EventManager.h"
#include "engine/core/Random.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "match/MatchConstants.h"
#include "match/MatchEvents.h"
#include "match/MatchHooks.h"
#include "match/PlayerStageData.h"
#include "match/maze/ExtendedMaze.h"
#include "match/maze/GameMaze.h"
#include "match/maze/MazeWalker.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "services/data/GameData.h"
#include "services/settings/GameMode.h"
#include "services/settings/GameWorld.h"

namespace zelka::matchtest {

// Records what the match asked of its stage.
class HookSpy : public MatchHooks {
public:
    void Quake(int ms) override { quakes.push_back(ms); }
    void AddMsgLabel(const String& text, int player, bool big) override
    {
        labels.push_back(text), labelPlayers.push_back(player), labelBig.push_back(big);
    }
    void EmitDust(float x, float y) override { dust.push_back({x, y}); }
    void ShakeFace(int player, int ms, int mode) override { faces.push_back({player, ms, mode}); }

    std::vector<int> quakes;
    std::vector<String> labels;
    std::vector<int> labelPlayers;
    std::vector<bool> labelBig;
    std::vector<std::vector<float>> dust;
    std::vector<std::vector<int>> faces;
};

// Every event of one id, counted by source.
class EventCounter : public EventListener {
public:
    void HandleEvent(Object* source, int id, Object* /*data*/) override
    {
        sources.push_back(source);
        ids.push_back(id);
    }
    int Count(int id) const { return static_cast<int>(std::count(ids.begin(), ids.end(), id)); }
    std::vector<Object*> sources;
    std::vector<int> ids;
};

// A figure with no body that the maze can steer: the stand-in for a character.
class StandInWalker : public Object, public MazeWalker {
public:
    Vector& WalkerPosition() override { return position; }
    int GetDirection() const override { return direction; }
    int GetState() const override { return state; }
    int GetCurrentBuff() const override { return buff; }
    int GetCurrentDeBuff() const override { return debuff; }
    void SetCurrentDebuff(int type, int ms) override { debuff = type, debuffMs = ms, ++debuffSets; }
    void SetAccel(float a) override { accel = a; }
    void SetNavigationDir(int dir) override { navigation = dir; }
    int GetPlayerNumber() const override { return player; }

    Vector position;
    int direction = kDirRight;
    int state = kCharWalking;
    int buff = kBuffNone;
    int debuff = kBuffNone;
    int debuffMs = 0;
    int debuffSets = 0;
    float accel = -1.0f;
    int navigation = kDirNone;
    int player = 1;
};

inline constexpr int kStep = kMatchStepMs;

// A row of n cells with every inner wall open: tiles 1 .. 2n - 1 of row 1 are floor.
inline Ref<ExtendedMaze> Corridor(int n)
{
    auto cells = ExtendedMaze::New(n, 1);
    for (int x = 0; x + 1 < n; ++x) cells->RemoveWall(x, x + 1);
    return cells;
}

class MazeFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        graphics::ResetContext();
        same::ResetDrawingState();
        EventManager::RemoveAllListeners();
        EventManager::mute = false;
        Texture::encryptionEnabled = false;
        graphics::SetGraphicsDevice(&device_);
        // 20 wall tiles give variants, 19 floor tiles trails; 24 character frames of 32 x 40.
        for (const auto& [name, w, h] :
             {std::tuple{"mazeset.png", 20 * 32, 32}, {"floorset.png", 19 * 32, 32},
              {"lightmap.png", 6 * 32, 32}, {"blocktrap.png", 64, 48}, {"fallingrock.png", 8 * 32, 96},
              {"wallbreak.png", 5 * 48, 48},
              {"items.png", 8 * 32, 8 * 32}, {"sprite.png", 12 * 32, 2 * 40}, {"dig2.png", 7 * 32, 32},
              {"teleport.png", 32, 32}, {"status_fx.png", 4 * 32, 16}, {"nav_cursor.png", 8 * 16, 16},
              {"item_icons.png", 10 * 32, 32}, {"itframe_p1.png", 40, 40}, {"itframe_p2.png", 40, 40}}) {
            device_.AddFakeImage(name, w, h);
        }
        SoundManager::SetSpy([this](const SoundManager::Request& r) {
            if (!r.preload) sfx.push_back({r.number, r.channel});
        });
        match::SetHooks(&hooks);
        savedGameMode_ = GameData::curGameMode;
        savedModes_ = GameData::gameModeList;
        random::Seed = 1234;
    }

    void TearDown() override
    {
        for (auto& maze : mazes_) maze->GetMazeBaseGDO()->Deallocate();
        mazes_.clear();
        match::SetHooks(nullptr);
        SoundManager::SetSpy(nullptr);
        GameData::curGameMode = savedGameMode_;
        GameData::gameModeList = savedModes_;
        EventManager::RemoveAllListeners();
        graphics::ResetContext();
        same::ResetDrawingState();
    }

    // A maze kept until the test ends (its textures are released then).
    Ref<GameMaze> Keep(Ref<GameMaze> maze)
    {
        mazes_.push_back(maze);
        return maze;
    }

    Ref<GameMaze> MakeMaze(const ExtendedMaze& cells, int worldFlags = 0)
    {
        return Keep(GameMaze::New(cells, U"THE_MAZE", worldFlags));
    }

    // A generated versus maze of w x h cells from a fixed seed.
    Ref<ExtendedMaze> Versus(int w, int h, uint32_t seed)
    {
        random::Seed = seed;
        auto cells = ExtendedMaze::New(w, h);
        cells->GenerateMaze();
        return cells;
    }

    void SetRace(bool race)
    {
        GameData::gameModeList = {GameMode::New(2, U"RACE", U"IDOL 2P", kGameKindIdolRace, true),
                                  GameMode::New(1, U"VS", U"2P MODE", kGameKindVersus, true)};
        GameData::curGameMode = race ? 2 : 1;
    }

    int SfxCount(int number) const
    {
        const auto isIt = [&](const auto& s) { return s[0] == number; };
        return static_cast<int>(std::count_if(sfx.begin(), sfx.end(), isIt));
    }

    RecordingGraphicsDevice device_;
    HookSpy hooks;
    std::vector<std::array<int, 2>> sfx;   // (number, channel) of every effect played

private:
    std::vector<Ref<GameMaze>> mazes_;
    int savedGameMode_ = -1;
    std::vector<Ref<GameMode>> savedModes_;
};

// A stage record whose box follows the walker as the match stage's does.
struct WalkerStage {
    Ref<PlayerStageData> data = std::make_shared<PlayerStageData>();

    WalkerStage()
    {
        data->collisionBox = CollisionBox::New(data->collisionAnchor, 0, 0, 32, 32, nullptr);
    }
    // The anchor update, then event 1 from the walker, as each match update does.
    void SendMoved(StandInWalker& walker, const GameMaze& maze) const
    {
        const Vector& mapPos = *maze.GetMazeBaseGDO()->position;
        data->collisionAnchor->Set(walker.position.x + mapPos.x, walker.position.y + mapPos.y);
        EventManager::SendEvent(&walker, kEventMoved, data.get());
    }
};

}  // namespace zelka::matchtest
