// The match stage's eleven load steps, one per loading update.
#include "match/stage/ZELKAStage.h"

#include "engine/EngineConstants.h"
#include "engine/audio/SoundManager.h"
#include "engine/collision/BasicBoxEngine.h"
#include "engine/core/Cog.h"
#include "engine/display/EmptyGDOContainer.h"
#include "engine/display/GDOWithTween.h"
#include "engine/display/HorizGDOStrip.h"
#include "engine/display/RectangleGDO.h"
#include "engine/media/Sprite.h"
#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "engine/particles/ParticleEmitter.h"
#include "engine/particles/ParticleEngine.h"
#include "engine/stage/Window.h"
#include "engine/text/FXLabel.h"
#include "engine/text/RetroFont.h"
#include "engine/tween/Ease.h"
#include "engine/tween/Tween.h"
#include "match/MatchConstants.h"
#include "match/MatchEvents.h"
#include "match/MatchHooks.h"
#include "match/PlayerStageData.h"
#include "match/ai/AILogic.h"
#include "match/camera/SplitScreenCamera.h"
#include "match/character/Character.h"
#include "match/character/ManualLogic.h"
#include "match/items/ItemManager.h"
#include "match/items/ItemStack.h"
#include "match/maze/ExtendedMaze.h"
#include "match/maze/GameMaze.h"
#include "match/maze/MazeTileMap.h"
#include "match/maze/TileMap.h"
#include "match/stage/StageConstants.h"
#include "match/topbar/PlayerProfilePic.h"
#include "match/topbar/SETimersBar.h"
#include "match/topbar/TopBar.h"
#include "match/topbar/TopBarConstants.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"
#include "services/roster/Roster.h"
#include "services/settings/StageSettings.h"

#include <array>
#include <utility>

namespace zelka {
namespace {

bool computerForBoth = false;

const std::array<int, 3> kMessageColourA = {240, 240, 240};
const RGB kMessageColourB(160, 160, 240);

// Every effect the match plays, loaded before the first update.
constexpr std::array<int, 32> kMatchSounds = {
    6,   7,   8,   10,  11,  12,  13,  17,  18,  20,  21,  22,  23,  24,  25,  26,
    27,  28,  302, 303, 500, 501, 400, 401, 402, 403, 404, 405, 406, 407, 408, 409};

}  // namespace

void ZELKAStage::SetComputerForBothPlayers(bool both)
{
    computerForBoth = both;
}

// ---- Loading.

void ZELKAStage::LoadStep(int step)
{
    switch (step) {
    case 0: BuildMaze(); break;
    case 1: BuildPlayers(); break;
    case 2: BuildDust(); break;
    case 3: BuildWindows(); break;
    case 4: BuildCollisionAndLabels(); break;
    case 5: BuildItems(); break;
    case 6: BuildCharacters(); break;
    case 7: BuildHud(); break;
    case 8: StartPlayers(); break;
    case 9: BuildBanner(); break;
    case 10: PreloadSounds(); break;
    default: break;
    }
}

void ZELKAStage::BuildMaze()
{
    match::SetHooks(this);
    // Like the characters, a world is always chosen before a match; should none be, the
    // match is played in the first one rather than with pictures that do not exist.
    if (GameData::GetCurrentWorldId() < 0) {
        GameData::SetCurrentWorldByIndex(0);
    }
    if (race_) {
        cellMaze_ = ExtendedMaze::New(kRaceTrackWidth, kRaceTrackHeight);
        orientation_ = cellMaze_->GenerateRFTIMaze();
    } else {
        const Ref<StageSettings>& settings = GameData::gameSettings;
        cellMaze_ = ExtendedMaze::New(settings ? settings->GetMazeWidth() : kDefaultMazeWidth,
                                      settings ? settings->GetMazeHeight() : kDefaultMazeHeight);
        cellMaze_->GenerateMaze();
    }
    particles_ = ParticleEngine::New(U"PARTICLE_ENGINE");
    AddCog(particles_);
}

void ZELKAStage::BuildPlayers()
{
    maze_ = GameMaze::New(*cellMaze_, U"THE_MAZE");
    const Ref<MazeTileMap>& map = maze_->GetMazeBaseGDO();
    worldRoot_->AddChild(map);
    for (const Ref<PlayerData>& player : {GameData::player1, GameData::player2}) {
        if (!player) {
            continue;
        }
        // A character is always chosen before a match; should none be, the player plays
        // the roster's character of its own number rather than a body without pictures.
        if (!player->character) {
            Roster::Init();
            const int index = player == GameData::player1 ? 0 : 1;
            player->character = Roster::GetCharacterByIndex(index);
        }
        player->stageData = PlayerStageData::New(player, maze_.get());
        player->ResetScore();
    }
    p1_ = GameData::player1 ? GameData::player1->stageData : nullptr;
    p2_ = GameData::player2 ? GameData::player2->stageData : nullptr;
    tileMap_ = map.get();
    EventManager::RegisterListener(Self(), map, kEventTrapsToggled);
}

void ZELKAStage::BuildDust()
{
    const Ref<MazeTileMap>& map = maze_->GetMazeBaseGDO();
    for (const Ref<PlayerStageData>& player : {p1_, p2_}) {
        if (player) {
            map->AddChild(player->pointer);
        }
    }
    const Ref<ParticleEmitter> dust = ParticleEmitter::New(kDustParticles, map->GetWalls());
    const Ref<Texture> image = Texture::GetTexture(GameData::WorldAssetPath(U"dust.png"));
    for (int i = 0; i < kDustParticles; ++i) {
        dust->SetParticleGDO(i, StaticImage::New(image));
    }
    dust->AddAnimation(U"scale.x", 1.0f, kDustEndScale, 1.0f, nullptr);
    dust->AddAnimation(U"scale.y", 1.0f, kDustEndScale, 1.0f, nullptr);
    particles_->AddEmitter(U"dustEmitter", dust);
}

void ZELKAStage::BuildWindows()
{
    p2Window_ = Window::New(0.0f, 0.0f);
    p2Window_->name = U"P2WIN";
    AddLayer(p2Window_);
    camera_ = SplitScreenCamera::New(rootWindow_, p2Window_);
    SetScreens(false, false);
}

void ZELKAStage::BuildCollisionAndLabels()
{
    boxEngine_ = BasicBoxEngine::New(kBoxCellSize, kBoxCellSize, U"BASIC_BOX_ENGINE");
    AddCog(boxEngine_);
    if (GameData::secFont) {
        messageFont_ = RetroFont::New(GameData::secFont->GetFilename(), kMessageColourA,
                                      kMessageColourB);
    }
    for (Ref<FXLabel>* label : {&msgLabel1_, &msgLabel2_}) {
        *label = FXLabel::New(messageFont_, kMessageFontScale);
        (*label)->SetSize(kMessageLabelWidth, kMessageLabelHeight);
        AddLayer(*label);
    }
}

void ZELKAStage::BuildItems()
{
    itemManager_ = ItemManager::New(boxEngine_);
    // Taking the idol ends a race at the results; the attract demo must never show them.
    const std::weak_ptr<ZELKAStage> self =
        std::dynamic_pointer_cast<ZELKAStage>(shared_from_this());
    itemManager_->goToStage = [self](int stageId) {
        if (const Ref<ZELKAStage> stage = self.lock()) {
            stage->LeaveTo(stage->attract_ ? kStageTitleId : stageId);
        }
    };
    AddCog(itemManager_);
    itemManager_->AddStartingItems(*maze_, *cellMaze_, orientation_);
}

void ZELKAStage::BuildCharacters()
{
    const Ref<TileMap>& walls = maze_->GetMazeWalls();
    for (const Ref<PlayerStageData>& player : {p1_, p2_}) {
        if (!player) {
            continue;
        }
        const int number = player->GetPlayerNumber();
        player->character = Character::New(number == 1 ? U"Player1" : U"Player2",
                                           player->playerData);
        player->collisionBox =
            CollisionBox::New(player->collisionAnchor, 0.0f, 0.0f, player->character->GetWidth(),
                              player->character->GetHeight(), player->character);
        boxEngine_->AddDynamic(player->collisionBox);
        walls->AddChild(player->character);
    }
    PlaceAtStart();
    itemManager_->RegisterForPlayerEvents();
    if (p1_) {
        p1Character_ = p1_->character.get();
        EventManager::RegisterListener(Self(), p1_->character, kEventTeleportStarted);
        EventManager::RegisterListener(Self(), p1_->character, kEventTeleportArrived);
    }
    const bool bothComputer = attract_ || computerForBoth;
    const bool p2Human = !bothComputer && GameData::player2 && GameData::player2->GetInputMapping();
    InstallControl(p1_, !bothComputer);
    InstallControl(p2_, p2Human);
}

void ZELKAStage::PlaceAtStart()
{
    const int w = cellMaze_->MazeWidth();
    const int h = cellMaze_->MazeHeight();
    if (race_) {
        const int column = (orientation_ & kTrackStartOnRight) ? 2 * w - 1 : 1;
        CommitAt(p1_, column, 2 * h - 1);
        CommitAt(p2_, column, 2 * h - 3);
    } else {
        CommitAt(p1_, w - 1, h);
        CommitAt(p2_, w + 1, h);
    }
}

void ZELKAStage::CommitAt(const Ref<PlayerStageData>& player, int col, int row)
{
    if (player) {
        player->CommitPlayerToMaze(col, row);
    }
}

void ZELKAStage::InstallControl(const Ref<PlayerStageData>& player, bool human)
{
    if (!player) {
        return;
    }
    if (human) {
        player->control = ManualLogic::New(player.get());
    } else {
        player->control = AILogic::New(player.get());
    }
    if (player->control) {
        player->control->Stop();   // runs from the end of loading
        AddCog(player->control);
    }
}

void ZELKAStage::BuildHud()
{
    hud_ = EmptyGDOContainer::New();
    topBar_ = TopBar::New(this, GameData::player1, GameData::player2);
    hud_->AddChild2(same::GDOWithName(topBar_, U"TOP_BAR"), kTopBarX, kTopBarY);
    const std::array<PlayerStageData*, 2> players = {p1_.get(), p2_.get()};
    const std::array<Ref<PlayerProfilePic>, 2> faces = {topBar_->GetP1ProfilePic(),
                                                        topBar_->GetP2ProfilePic()};
    for (int i = 0; i < 2; ++i) {
        PlayerStageData* player = players[static_cast<size_t>(i)];
        if (player == nullptr || player->playerData == nullptr) {
            continue;
        }
        const bool first = i == 0;
        player->profilePic = faces[static_cast<size_t>(i)];
        player->itemStack = ItemStack::New(*player->playerData);
        hud_->AddChild2(same::GDOWithName(player->itemStack, first ? U"P1_ITEMS" : U"P2_ITEMS"),
                        first ? kItemsP1X : kItemsP2X, kItemsY);
        player->statusBar = SETimersBar::New(GetStatus(i + 1), first ? 1 : -1);
        hud_->AddChild2(
            same::GDOWithName(player->statusBar, first ? U"P1_STATUSBAR" : U"P2_STATUSBAR"),
            first ? kStatusBarP1X : kStatusBarP2X, kStatusBarY);
    }
    AddLayer(hud_);
}

void ZELKAStage::StartPlayers()
{
    for (const Ref<PlayerStageData>& player : {p1_, p2_}) {
        if (player && player->control) {
            player->control->Start();
        }
    }
    SetWindowToPlayers();
    // The view starts on the players. In a versus match too: the application centres every
    // root window on the virtual screen, so the camera would otherwise first slide in from
    // the screen's corner.
    if (p1_ && p2_) {
        const Vector a = p1_->GetCameraPosition();
        const Vector b = p2_->GetCameraPosition();
        rootWindow_->SetViewX((a.x + b.x) * 0.5f);
        rootWindow_->SetViewY((a.y + b.y) * 0.5f);
    }
}

void ZELKAStage::BuildBanner()
{
    const Ref<StaticImage> go = StaticImage::New(Texture::GetTexture(U"go.png"));
    // Equal pads either side keep "GO" on the point the group scales around.
    const Ref<HorizGDOStrip> goGroup =
        HorizGDOStrip::New(RectangleGDO::New(kBannerGoPadWidth, 0.0f, false));
    goGroup->AppendRight(go, 0.0f);
    goGroup->AppendRight(RectangleGDO::New(kBannerGoPadWidth, 0.0f, false), 0.0f);
    intro2_ = TweenWithName::New(U"INTRO_2", LinearEase::New(), 1.0f, kBannerGrowTo,
                                 kBannerGrowMs, false, false);
    intro2_->SetEvents(true);

    const Ref<HorizGDOStrip> strip =
        HorizGDOStrip::New(RectangleGDO::New(kBannerLeadWidth, 0.0f, false));
    strip->AppendRight(StaticImage::New(Texture::GetTexture(U"ready.png")), 0.0f);
    strip->AppendRight(RectangleGDO::New(kBannerGapWidth, 0.0f, false), 0.0f);
    strip->AppendRight(GDOWithTween::New(goGroup, intro2_, U"scale"), 0.0f);

    const float half = strip->GetWidth() * 0.5f;
    intro1_ = TweenWithName::New(U"INTRO_1", LinearEase::New(), half, kScreenWidthPx - half,
                                 kBannerSlideMs, false, false);
    intro1_->SetEvents(true);
    banner_ = GDOWithTween::New(strip, intro1_, U"position.x");
    banner_->position->Set(half, kBannerY);
    EventManager::RegisterListener(Self(), intro1_, kEventTweenRunEnded);
    EventManager::RegisterListener(Self(), intro2_, kEventTweenRunEnded);
    intro1_->Start();
    AddLayer(banner_);
}

void ZELKAStage::PreloadSounds()
{
    for (const int sound : kMatchSounds) {
        SoundManager::PreloadSFX(sound);
    }
}

}  // namespace zelka
