#include "match/maze/GameMaze.h"

#include "engine/audio/SoundManager.h"
#include "engine/media/Texture.h"
#include "match/MatchConstants.h"
#include "match/MatchEvents.h"
#include "match/MatchHooks.h"
#include "match/PlayerStageData.h"
#include "match/character/CharacterDirectionRequest.h"
#include "match/maze/ExtendedMaze.h"
#include "match/maze/FallingRock.h"
#include "match/maze/MazeWalker.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"
#include "services/settings/GameMode.h"
#include "services/settings/GameWorld.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>

namespace zelka {

namespace {

const String kConfuseText = U"CONFUSE";

Ref<TileSet> LoadTiles(const String& path)
{
    return TileSet::New(Texture::GetTexture(path), kTileSize, kTileSize);
}

}  // namespace

Ref<GameMaze> GameMaze::New(const ExtendedMaze& maze, const String& name)
{
    return New(maze, name, GameData::GetWorldFlags(GameData::GetCurrentWorldIndex()));
}

Ref<GameMaze> GameMaze::New(const ExtendedMaze& maze, const String& name, int worldFlags)
{
    auto game = std::make_shared<GameMaze>();
    game->worldFlags_ = worldFlags;
    game->columns_ = 2 * maze.MazeWidth() + 1;
    game->rows_ = 2 * maze.MazeHeight() + 1;
    Ref<TileSet> light;
    if ((worldFlags & kWorldDarkness) != 0) {
        light = LoadTiles(U"lightmap.png");
    }
    game->map_ = MazeTileMap::New(LoadTiles(GameData::WorldAssetPath(U"floorset.png")),
                                  LoadTiles(GameData::WorldAssetPath(U"mazeset.png")),
                                  game->columns_, game->rows_, light);
    game->distance_.assign(static_cast<size_t>(game->columns_ * game->rows_), -1);
    game->probe_.halfWidth = kProbeHalfExtent;
    game->probe_.halfHeight = kProbeHalfExtent;
    game->Build(maze);
    game->map_->name = name;
    game->map_->_RecomputeAllWalls(true);
    return game;
}

void GameMaze::Build(const ExtendedMaze& maze)
{
    TileMap& walls = *map_->GetWalls();
    for (int y = 0; y < maze.MazeHeight(); ++y) {
        for (int x = 0; x < maze.MazeWidth(); ++x) {
            const int cell = maze.GetCell2(x, y);
            const int c = 2 * x + 1;
            const int r = 2 * y + 1;
            if ((cell & kWallNorth) != 0) walls.SetTile(c, r - 1, kWallTile);
            if ((cell & kWallSouth) != 0) walls.SetTile(c, r + 1, kWallTile);
            if ((cell & kWallWest) != 0) walls.SetTile(c - 1, r, kWallTile);
            if ((cell & kWallEast) != 0) walls.SetTile(c + 1, r, kWallTile);
            for (int dy = -1; dy <= 1; dy += 2) {
                for (int dx = -1; dx <= 1; dx += 2) {
                    walls.SetTile(c + dx, r + dy, kWallTile);
                }
            }
            if ((cell & kCellTrap) != 0) {
                map_->AddTrap(c, r);
            } else if ((cell & kCellOpen) != 0 && (worldFlags_ & kWorldFallingRocks) != 0) {
                map_->AddFallingRock(c, r);
            }
        }
    }
}

bool GameMaze::IsCellPosValid(int c, int r) const
{
    return c >= 0 && r >= 0 && c < columns_ && r < rows_;
}

int GameMaze::TileColAt(float x) const
{
    return static_cast<int>(std::floor((x + static_cast<float>(columns_ * kHalfTile)) /
                                       static_cast<float>(kTileSize)));
}

int GameMaze::TileRowAt(float y) const
{
    return static_cast<int>(std::floor((y + static_cast<float>(rows_ * kHalfTile)) /
                                       static_cast<float>(kTileSize)));
}

bool GameMaze::IsWall(int c, int r) const
{
    return !IsCellPosValid(c, r) || map_->GetWalls()->GetTile(c, r) != kEmptyTile;
}

bool GameMaze::IsBorder(int c, int r) const
{
    return c <= 0 || r <= 0 || c >= columns_ - 1 || r >= rows_ - 1;
}

bool GameMaze::IsTrapFloor(int c, int r) const
{
    return map_->GetFloor()->GetTile(c, r) == MazeTileMap::TRAP_FLOOR_TILE;
}

void GameMaze::ClearDistanceArray()
{
    std::fill(distance_.begin(), distance_.end(), -1);
}

void GameMaze::SetCellDistInfo(int c, int r, int value)
{
    if (IsCellPosValid(c, r)) {
        distance_[static_cast<size_t>(c + r * columns_)] = value;
    }
}

int GameMaze::GetCellDistInfo(int c, int r) const
{
    return IsCellPosValid(c, r) ? distance_[static_cast<size_t>(c + r * columns_)] : -1;
}

int GameMaze::GetCellDistInfoWithDir(int c, int r, int dir) const
{
    if (dir < 0 || dir >= kDirCount) {
        return -1;
    }
    return GetCellDistInfo(c + kDirStepC[dir], r + kDirStepR[dir]);
}

void GameMaze::ComputeDistancesToGoal(int c, int r)
{
    // A breadth-first walk: every tile is settled once at its shortest distance, the same
    // values a relax-and-repush walk reaches, with bounded work.
    ClearDistanceArray();
    if (!IsCellPosValid(c, r)) {
        return;
    }
    SetCellDistInfo(c, r, 0);
    std::deque<int> queue{c + r * columns_};
    while (!queue.empty()) {
        const int index = queue.front();
        queue.pop_front();
        const int tc = index % columns_;
        const int tr = index / columns_;
        const int next = distance_[static_cast<size_t>(index)] + 1;
        for (const int dir : kOrderRLUD) {
            const int nc = tc + kDirStepC[dir];
            const int nr = tr + kDirStepR[dir];
            if (IsWall(nc, nr) || GetCellDistInfo(nc, nr) != -1) {
                continue;
            }
            SetCellDistInfo(nc, nr, next);
            queue.push_back(nc + nr * columns_);
        }
    }
}

int GameMaze::GetNavigationDirAt(int c, int r) const
{
    const int own = GetCellDistInfo(c, r);
    if (own < 0) {
        return kDirNone;
    }
    int best = kDirNone;
    int bestValue = own;
    for (const int dir : kOrderRLUD) {
        const int v = GetCellDistInfoWithDir(c, r, dir);
        if (v >= 0 && v < bestValue) {
            best = dir;
            bestValue = v;
        }
    }
    return best;
}

bool GameMaze::CanChangeDirTo(MazeWalker& walker, int c, int r, int dir, bool snap)
{
    if (dir < 0 || dir >= kDirCount) {
        return false;
    }
    const int ac = c + kDirStepC[dir];
    const int ar = r + kDirStepR[dir];
    if (IsWall(ac, ar)) {
        const bool interior = !IsBorder(ac, ar);
        const bool digger = walker.IsDigging();
        const bool breaker = walker.GetCurrentBuff() == kBuffWallBreaker &&
                             !(IsTrapFloor(ac, ar) && map_->AreBlocksUp());
        if (!interior || !(digger || breaker)) {
            return false;
        }
    }
    Vector& pos = walker.WalkerPosition();
    const float cx = TileCenterX(c);
    const float cy = TileCenterY(r);
    if (std::fabs(pos.x - cx) >= kTurnWindow || std::fabs(pos.y - cy) >= kTurnWindow) {
        return false;
    }
    if (snap) {
        pos.Set(cx, cy);
    }
    return true;
}

bool GameMaze::IsCellClear(int c, int r) const
{
    if (IsWall(c, r)) {
        return false;
    }
    return !(map_->AreBlocksUp() && IsTrapFloor(c, r));
}

bool GameMaze::CoordIsNearTileCenter(float x, float y) const
{
    const int c = TileColAt(x);
    const int r = TileRowAt(y);
    return std::fabs(x - TileCenterX(c)) < kTurnWindow && std::fabs(y - TileCenterY(r)) < kTurnWindow;
}

int GameMaze::GetFirstExitFromCell(int c, int r) const
{
    if (IsBorder(c, r)) {
        return kDirNone;
    }
    // The bounds differ on purpose between the sides; they only matter on even tiles.
    if (!IsWall(c + 1, r) && c + 1 < columns_ - 1) return kDirRight;
    if (!IsWall(c - 1, r) && c > 2) return kDirLeft;
    if (!IsWall(c, r - 1) && r > 2) return kDirUp;
    if (!IsWall(c, r + 1) && r + 1 < rows_ - 1) return kDirDown;
    return kDirNone;
}

void GameMaze::ToggleBlockTraps()
{
    map_->ActivateBlockTraps(map_->GetTrapTimer() < 1);
}

void GameMaze::ClampToMap(Vector& position) const
{
    const float halfW = static_cast<float>(columns_ * kHalfTile);
    const float halfH = static_cast<float>(rows_ * kHalfTile);
    position.x = std::clamp(position.x, kMapClampInset - halfW, halfW - kMapClampInset);
    position.y = std::clamp(position.y, kMapClampInset - halfH, halfH - kMapClampInset);
}

void GameMaze::HandleEvent(Object* source, int id, Object* data)
{
    auto* walker = dynamic_cast<MazeWalker*>(source);
    if (walker == nullptr || (id != kEventTurnRequest && id != kEventMoved)) {
        return;
    }
    Vector& pos = walker->WalkerPosition();
    ClampToMap(pos);
    const int c = TileColAt(pos.x);
    const int r = TileRowAt(pos.y);
    if (id == kEventTurnRequest) {
        HandleTurn(*walker, c, r, data);
    } else {
        HandleMove(*walker, c, r, dynamic_cast<PlayerStageData*>(data));
    }
}

void GameMaze::HandleTurn(MazeWalker& walker, int c, int r, Object* data)
{
    auto* request = dynamic_cast<CharacterDirectionRequest*>(data);
    if (request != nullptr && !CanChangeDirTo(walker, c, r, request->newDirection, true)) {
        request->allowed = false;
    }
}

void GameMaze::HandleMove(MazeWalker& walker, int c, int r, PlayerStageData* stage)
{
    int fromC = c;
    int fromR = r;
    if (stage != nullptr) {
        fromC = stage->tileC;
        fromR = stage->tileR;
        stage->tileC = c;
        stage->tileR = r;
    }
    if (GameData::GetCurrentGameType() == kGameKindIdolRace) {
        walker.SetNavigationDir(GetNavigationDirAt(c, r));
        if (stage != nullptr && stage->playerData != nullptr) {
            stage->playerData->raceValue = GetCellDistInfo(c, r);
        }
    }
    if (walker.IsTeleporting()) {
        return;
    }
    PushOffWall(walker, c, r, stage);
    if (map_->HasTrails() && !walker.IsDigging()) {
        LeaveTrail(fromC, fromR, c, r);
    }
    if ((worldFlags_ & kWorldFallingRocks) != 0) {
        CheckRock(walker, c, r);
    }
    ApplyIce(walker, c, r);
}

void GameMaze::PushOffWall(MazeWalker& walker, int c, int r, PlayerStageData* stage)
{
    const int dir = walker.GetDirection();
    if (dir < 0 || dir >= kDirCount || IsWall(c, r)) {
        return;
    }
    const int ac = c + kDirStepC[dir];
    const int ar = r + kDirStepR[dir];
    const bool raisedTrap = map_->AreBlocksUp() && IsTrapFloor(ac, ar);
    if (!IsWall(ac, ar) && !raisedTrap) {
        return;
    }
    const Vector& mapPos = *map_->position;
    probe_.center.Set(TileCenterX(ac) + mapPos.x, TileCenterY(ar) + mapPos.y);
    Vector& pos = walker.WalkerPosition();
    // The player's box, placed at the walker's position as it is now: the anchor was set
    // before this event, and the clamp above may have moved the walker since. Without a
    // box, one of the character's size.
    Rectangle box(pos.x + mapPos.x, pos.y + mapPos.y, static_cast<float>(kTileSize),
                  static_cast<float>(kTileSize));
    if (stage != nullptr && stage->collisionBox) {
        const CollisionBox& real = *stage->collisionBox;
        box.halfWidth = real.halfWidth;
        box.halfHeight = real.halfHeight;
        if (real.anchor) {
            box.center.x += real.center.x;   // the box's offset from its anchor
            box.center.y += real.center.y;
        }
    }
    push_.Set(0.0f, 0.0f);
    if (!box.SolveCollision(probe_, &push_, nullptr)) {
        return;
    }
    const bool interior = !IsBorder(ac, ar) && !IsBorder(c, r);
    if (walker.IsDigging()) {
        if (interior) {
            return;   // passes under the wall
        }
    } else if (walker.GetCurrentBuff() == kBuffWallBreaker && interior && !raisedTrap) {
        BreakWall(ac, ar);
        return;
    }
    pos.x += push_.x;
    pos.y += push_.y;
}

void GameMaze::BreakWall(int c, int r)
{
    // The wall goes even when every break animation is still busy with earlier walls.
    map_->BreakWallAt(c, r);
    SoundManager::PlaySFX(kSfxWallBreak, kSfxChannelGeneral, false);
    map_->GetWalls()->SetTile(c, r, kEmptyTile);
    map_->GetFloor()->SetTile(c, r, MazeTileMap::RUBBLE_FLOOR_TILE);
    map_->_RecomputeMazeWalls(c - 1, r - 1, c + 1, r + 1, false);
}

void GameMaze::LeaveTrail(int fromC, int fromR, int toC, int toR)
{
    const int dc = toC - fromC;
    const int dr = toR - fromR;
    if (std::abs(dc) + std::abs(dr) != 1) {
        return;   // not one tile's move (the first event, a teleport, a snap)
    }
    int leftThrough = kSideRight;
    int cameThrough = kSideLeft;
    if (dc < 0) {
        leftThrough = kSideLeft;
        cameThrough = kSideRight;
    } else if (dr > 0) {
        leftThrough = kSideDown;
        cameThrough = kSideUp;
    } else if (dr < 0) {
        leftThrough = kSideUp;
        cameThrough = kSideDown;
    }
    TileMap& floor = *map_->GetFloor();
    const int from = floor.GetTile(fromC, fromR);
    if (from >= 0 && from <= kSidesMask) {
        floor.SetTile(fromC, fromR, from | leftThrough);
    }
    const int to = floor.GetTile(toC, toR);
    if (to >= 0 && to <= kSidesMask) {
        floor.SetTile(toC, toR, to | cameThrough);
    }
}

void GameMaze::CheckRock(MazeWalker& walker, int c, int r)
{
    const Ref<FallingRock> rock = map_->GetFallingRockAt(c, r);
    if (!rock || !rock->CloseToTheGround() || !walker.IsWalking()) {
        return;
    }
    if (walker.GetCurrentDeBuff() != kDebuffConfused) {
        const int player = walker.GetPlayerNumber();
        SoundManager::PlaySFX(kSfxConfused, player == 2 ? kSfxChannelPlayer2 : kSfxChannelPlayer1,
                              false);
        match::Hooks().AddMsgLabel(kConfuseText, player, true);
    }
    walker.SetCurrentDebuff(kDebuffConfused, kRockConfusionMs);
}

void GameMaze::ApplyIce(MazeWalker& walker, int c, int r)
{
    if ((worldFlags_ & kWorldIce) == 0) {
        walker.SetAccel(0.0f);
        return;
    }
    const int dir = walker.GetDirection();
    const int ac = (dir >= 0 && dir < kDirCount) ? c + kDirStepC[dir] : c;
    const int ar = (dir >= 0 && dir < kDirCount) ? r + kDirStepR[dir] : r;
    bool slide;
    if (map_->HasTrails()) {
        const auto isTrail = [](int v) { return v >= 1 && v < MazeTileMap::RUBBLE_FLOOR_TILE; };
        slide = isTrail(GetMazeFloor()->GetTile(c, r)) && isTrail(GetMazeFloor()->GetTile(ac, ar));
    } else {
        slide = !IsCellPosValid(ac, ar) || GetMazeWalls()->GetTile(ac, ar) == kEmptyTile;
    }
    walker.SetAccel(slide ? kIceAccel : 0.0f);
}

}  // namespace zelka
