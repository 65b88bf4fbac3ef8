#include "services/data/GameData.h"

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "services/config/GlobalOptions.h"
#include "services/config/PlayerConfig.h"
#include "services/data/ContentLock.h"
#include "services/data/GameDataHooks.h"
#include "services/data/VideoHost.h"
#include "services/input/InputHardware.h"
#include "services/input/InputHardwareJoystick.h"
#include "services/input/InputKeyboard.h"
#include "platform/input/JoystickBackend.h"
#include "services/input/RawJoystick.h"
#include "services/mapping/BothPlayersInput.h"
#include "services/player/PlayerData.h"
#include "services/player/PlayerStats.h"
#include "services/roster/CharProfile.h"
#include "services/roster/Roster.h"
#include "services/settings/GameMode.h"
#include "services/settings/GameWorld.h"
#include "services/settings/StageSettings.h"

#include <algorithm>
#include <array>
#include <optional>

namespace zelka {

namespace {

constexpr int kSwapInterval = 1;
constexpr int kVolumeMax = 100;
constexpr int kBaseWindowWidth = 640;   // windowed modes are 640x360 times 1-4
constexpr int kBaseWindowHeight = 360;
constexpr int kWindowedModeSteps = 4;
constexpr int kToggleWindowWidth = 1280;  // the window full screen toggles back to
constexpr int kToggleWindowHeight = 720;
constexpr int kFirstWorldId = 2;          // the world a new match starts on

struct Collaborators {
    GameDataHooks* hooks = nullptr;
    Ref<VideoHost> video;
    Ref<JoystickBackend> joysticks;
    bool initialized = false;
};

Collaborators& Shared()
{
    // Never destroyed: an exit() from a library runs static destructors in any order.
    static Collaborators& collaborators = *new Collaborators;
    return collaborators;
}

GameDataHooks& NoHooks()
{
    // Never destroyed: an exit() from a library runs static destructors in any order.
    static GameDataHooks& none = *new GameDataHooks;
    return none;
}

void BuildGameModes()
{
    GameData::gameModeList = {
        GameMode::New(1, U"PLAYER VS PLAYER", U"2P MODE", kGameKindVersus, true),
        GameMode::New(2, U"RACE FOR THE IDOL ", U"IDOL 2P", kGameKindIdolRace, true),
        GameMode::New(0, U"PLAYER VS CPU (1P)", U"1P MODE", kGameKindVersus, false),
        GameMode::New(3, U"RACE FOR THE IDOL (1P)", U"IDOL 1P", kGameKindIdolRace, false),
    };
}

void BuildWorlds()
{
    Ref<GameWorld> tombs = GameWorld::New(0, U"world0", U"The Lost Tombs", kWorldFallingRocks);
    Ref<GameWorld> graveyard =
        GameWorld::New(3, U"world3", U"The Haunted Graveyard", kWorldDarkness);
    tombs->SetLock(ContentLock::New(tombs.get(), kLockTotalMatches, 0, 1));
    graveyard->SetLock(ContentLock::New(graveyard.get(), kLockTotalMatches, 0, 3));
    GameData::worlds = {
        GameWorld::New(2, U"world2", U"The Grand Gallery", 0),
        GameWorld::New(1, U"world1", U"The Frozen Labyrinth", kWorldIce),
        tombs,
        graveyard,
    };
}

void BuildDevices()
{
    GameData::inputHwList.clear();
    for (int index = 0; index < kJoysticksTried; ++index) {
        if (auto pad = InputHardwareJoystick::New(Shared().joysticks, index)) {
            GameData::inputHwList.push_back(pad);
        }
    }
    GameData::inputHwList.push_back(InputKeyboard::New());
    GameData::bothPlayersIn = BothPlayersInput::New(GameData::player1, GameData::player2);
}

std::optional<DisplayMode> Desktop()
{
    return Shared().video ? Shared().video->DesktopMode() : std::nullopt;
}

void BuildVideoModes()
{
    GameData::videoModes.clear();
    if (Shared().video) {
        for (const DisplayMode& mode : Shared().video->DisplayModes()) {
            // The monitor lists a size once per refresh rate: keep the first.
            if (GameData::FindVideoMode(mode.width, mode.height) < 0) {
                GameData::videoModes.push_back({mode.width, mode.height, false});
            }
        }
    }
    if (auto desktop = Desktop(); desktop && GameData::FindVideoMode(desktop->width,
                                                                     desktop->height) < 0) {
        GameData::videoModes.push_back({desktop->width, desktop->height, false});
    }
    GameData::AddWindowedModes();
}

void BuildWatchList()
{
    GameData::locksToWatch.clear();
    Roster::Init();
    for (int i = 0; i < Roster::GetTotalCharacters(); ++i) {
        const Ref<ContentLock>& lock = Roster::GetCharacterByIndex(i)->GetLock();
        if (lock && lock->LockActive()) GameData::locksToWatch.push_back(lock);
    }
    for (const Ref<GameWorld>& world : GameData::worlds) {
        if (world->GetLock() && world->GetLock()->LockActive()) {
            GameData::locksToWatch.push_back(world->GetLock());
        }
    }
}

String UpperAscii(String text)
{
    for (char32_t& c : text) {
        if (c >= U'a' && c <= U'z') c = c - U'a' + U'A';
    }
    return text;
}

void ApplyWindow(int width, int height, bool fullscreen)
{
    if (!Shared().video) return;
    Shared().video->SetDeviceWindow(width, height, fullscreen);
    Shared().video->SetSwapInterval(kSwapInterval);
}

}  // namespace

void GameData::SetHooks(GameDataHooks* hooks)
{
    Shared().hooks = hooks;
}

GameDataHooks& GameData::Hooks()
{
    return Shared().hooks ? *Shared().hooks : NoHooks();
}

void GameData::SetVideoHost(Ref<VideoHost> host)
{
    Shared().video = std::move(host);
}

void GameData::SetJoystickBackend(Ref<JoystickBackend> backend)
{
    Shared().joysticks = std::move(backend);
}

bool GameData::IsInitialized()
{
    return Shared().initialized;
}

void GameData::Init()
{
    if (Shared().initialized) return;
    Hooks().LoadFonts();
    Shared().initialized = true;

    BuildGameModes();
    gameSettings = StageSettings::New();
    options = GlobalOptions::New();
    stats = PlayerStats::New(GetTotalGameModes());
    lastSelOpt = 0;
    SoundManager::Init();  // 5 effect channels, unless set up already
    BuildWorlds();

    player1 = PlayerData::New();
    player2 = PlayerData::New();
    player1->color.Set(255, 100, 100);
    player2->color.Set(132, 132, 220);

    *options = GlobalOptions{};
    BuildDevices();
    playerconfig::RefreshGameData();

    BuildVideoModes();
    ChangeVideoMode(FindVideoMode(options->screenWidth, options->screenHeight),
                    options->fullscreen);
    SetBGMVolume(options->bgmVolume);
    SetSFXVolume(options->sfxVolume);
    BuildWatchList();
}

void GameData::ResetForTest()
{
    Collaborators& shared = Shared();
    shared.initialized = false;
    stdFont.reset();
    secFont.reset();
    gameModeList.clear();
    curGameMode = -1;
    worlds.clear();
    currentWorldNdx = -1;
    gameSettings.reset();
    options.reset();
    stats.reset();
    player1.reset();
    player2.reset();
    inputHwList.clear();
    bothPlayersIn.reset();
    videoModes.clear();
    locksToWatch.clear();
    settingsNode.reset();
    saveDataNode.reset();
    isDemoMode = false;
    lastDemoMode = 0;
    lastSelOpt = 0;
    PlayerData::ResetPlayerCounter();
    same::ResetRawTables();
    playerconfig::ResetForTest();
}

void GameData::UpdateRegisteredHardware()
{
    // One poll of every pad per update, before any device reads its state.
    if (Shared().joysticks) Shared().joysticks->Update();
    for (const Ref<InputHardware>& device : inputHwList) device->DeviceUpdate();
}

// ---- Game modes ----

int GameData::GetTotalGameModes()
{
    return static_cast<int>(gameModeList.size());
}

Ref<GameMode> GameData::GetGameModeEntryByIndex(int index)
{
    if (index < 0 || index >= GetTotalGameModes()) return nullptr;
    return gameModeList[index];
}

Ref<GameMode> GameData::GetGameMode_(int id)
{
    for (const Ref<GameMode>& mode : gameModeList) {
        if (mode->GetId() == id) return mode;
    }
    return nullptr;
}

void GameData::SetGameMode(int id)
{
    curGameMode = GetGameMode_(id) ? id : -1;
}

bool GameData::Is2PMode()
{
    Ref<GameMode> mode = GetGameMode_(curGameMode);
    return mode && mode->Is2P();
}

int GameData::GetCurrentGameType()
{
    Ref<GameMode> mode = GetGameMode_(curGameMode);
    return mode ? mode->GetKind() : -1;
}

String GameData::GetGameModeName(int id)
{
    Ref<GameMode> mode = GetGameMode_(id);
    return mode ? mode->GetName() : U"???";
}

String GameData::GetGameModeShortName(int id)
{
    Ref<GameMode> mode = GetGameMode_(id);
    return mode ? mode->GetShortName() : U"???";
}

// ---- Worlds ----

int GameData::GetTotalWorlds()
{
    return static_cast<int>(worlds.size());
}

String GameData::GetWorldName(int index)
{
    if (index < 0 || index >= GetTotalWorlds()) return {};
    return worlds[index]->GetName();
}

int GameData::GetWorldFlags(int index)
{
    if (index < 0 || index >= GetTotalWorlds()) return 0;
    return worlds[index]->GetFlags();
}

Ref<ContentLock> GameData::GetWorldLock(int index)
{
    if (index < 0 || index >= GetTotalWorlds()) return nullptr;
    return worlds[index]->GetLock();
}

int GameData::GetWorldIndexById(int id)
{
    for (int i = 0; i < GetTotalWorlds(); ++i) {
        if (worlds[i]->GetId() == id) return i;
    }
    return -1;
}

void GameData::SetCurrentWorldByIndex(int index)
{
    if (worlds.empty()) return;
    currentWorldNdx = std::clamp(index, 0, GetTotalWorlds() - 1);
}

int GameData::GetCurrentWorldId()
{
    if (currentWorldNdx < 0 || currentWorldNdx >= GetTotalWorlds()) return -1;
    return worlds[currentWorldNdx]->GetId();
}

String GameData::WorldAssetPath(const String& file)
{
    if (currentWorldNdx < 0 || currentWorldNdx >= GetTotalWorlds()) return file;
    return U"worlds/" + worlds[currentWorldNdx]->GetKey() + U"/" + file;
}

void GameData::ResetPlayerInfo()
{
    currentWorldNdx = GetWorldIndexById(kFirstWorldId);
    for (const Ref<PlayerData>& player : {player1, player2}) {
        if (!player) continue;
        player->character.reset();
        player->characterIndex = 0;
    }
}

// ---- Video ----

int GameData::GetTotalVideoModes()
{
    return static_cast<int>(videoModes.size());
}

const VideoMode_* GameData::GetVideoModeInfo(int index)
{
    if (index < 0 || index >= GetTotalVideoModes()) return nullptr;
    return &videoModes[index];
}

int GameData::FindVideoMode(int width, int height)
{
    for (int i = 0; i < GetTotalVideoModes(); ++i) {
        if (videoModes[i].width == width && videoModes[i].height == height) return i;
    }
    return -1;
}

int GameData::GetCurrentVideoModeIndex()
{
    if (!Shared().video) return -1;
    return FindVideoMode(Shared().video->DeviceWidth(), Shared().video->DeviceHeight());
}

void GameData::AddWindowedModes()
{
    int limitW = 0;
    int limitH = 0;
    if (auto desktop = Desktop()) {
        limitW = desktop->width;
        limitH = desktop->height;
    } else if (Shared().video) {
        limitW = Shared().video->DeviceWidth();
        limitH = Shared().video->DeviceHeight();
    }
    for (int k = 1; k <= kWindowedModeSteps; ++k) {
        int w = kBaseWindowWidth * k;
        int h = kBaseWindowHeight * k;
        if (w <= limitW && h <= limitH && FindVideoMode(w, h) < 0) {
            videoModes.push_back({w, h, true});
        }
    }
}

void GameData::ChangeVideoMode(int index, bool fullscreen)
{
    int width = kBaseWindowWidth;
    int height = kBaseWindowHeight;
    if (const VideoMode_* mode = GetVideoModeInfo(index)) {
        width = mode->width;
        height = mode->height;
        fullscreen = fullscreen && !mode->windowedOnly;
    } else if (auto desktop = Desktop()) {
        width = desktop->width;
        height = desktop->height;
    } else {
        // No monitor reported a desktop: a small window always opens.
        fullscreen = false;
    }
    if (options) {
        options->screenWidth = width;
        options->screenHeight = height;
        options->fullscreen = fullscreen;
    }
    ApplyWindow(width, height, fullscreen);
}

void GameData::SetToWindow(int width, int height)
{
    int index = FindVideoMode(width, height);
    if (index >= 0) {
        ChangeVideoMode(index, false);
        return;
    }
    ApplyWindow(width, height, false);
    if (options) {
        options->screenWidth = width;
        options->screenHeight = height;
        options->fullscreen = false;
    }
}

void GameData::ToggleFullScreenAuto()
{
    std::optional<DisplayMode> desktop = Desktop();
    if (!desktop || !options) return;
    if (!options->fullscreen) {
        ChangeVideoMode(-1, true);
    } else if (desktop->width > kToggleWindowWidth && desktop->height > kToggleWindowHeight) {
        SetToWindow(kToggleWindowWidth, kToggleWindowHeight);
    } else {
        SetToWindow(kBaseWindowWidth, kBaseWindowHeight);
    }
}

// ---- Volumes ----

void GameData::SetBGMVolume(int volume)
{
    volume = std::clamp(volume, 0, kVolumeMax);
    if (options) options->bgmVolume = volume;
    AudioManager::SetBGMMaxVol(static_cast<float>(volume) / kVolumeMax);
}

void GameData::SetSFXVolume(int volume)
{
    volume = std::clamp(volume, 0, kVolumeMax);
    if (options) options->sfxVolume = volume;
    for (int channel = 0; channel < AudioManager::GetSFXChannels(); ++channel) {
        AudioManager::SetSFXChannelMaxVol(channel, static_cast<float>(volume) / kVolumeMax);
    }
}

// ---- Attract mode ----

void GameData::SetDemo(bool on)
{
    isDemoMode = on;
    if (!on) return;
    int mode = lastDemoMode == 1 ? 2 : 1;
    SetGameMode(mode);
    lastDemoMode = mode;
}

// ---- Unlocks ----

void GameData::CheckActiveLocks()
{
    if (!stats) return;
    for (auto it = locksToWatch.begin(); it != locksToWatch.end(); ++it) {
        const ContentLock& lock = **it;
        int kind = lock.GetKind();
        if (kind != kLockItemUses && kind != kLockTotalMatches) continue;
        if (lock.LockActive(*stats)) continue;
        Ref<ContentLock> reached = *it;
        locksToWatch.erase(it);
        if (const CharProfile* character = reached->GetLockedCharacter()) {
            Hooks().ShowCharacterUnlocked(*character);
        } else if (const GameWorld* world = reached->GetLockedWorld()) {
            Hooks().ShowWorldUnlocked(UpperAscii(world->GetName()));
        }
        return;
    }
}

}  // namespace zelka
