#pragma once

#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <utility>
#include <vector>

namespace zelka {

class BothPlayersInput;
class ContentLock;
class Font;
class GameDataHooks;
class GameMode;
class GameWorld;
class InputHardware;
class InputMapping;
class JoystickBackend;
class PlayerData;
class PlayerStats;
class StageSettings;
class VideoHost;
class XMLNode;
struct GlobalOptions;

// A video mode of the game's list (named apart from the window's VideoMode, which
// carries colour depths).
struct VideoMode_ {
    int width = 0;    // px
    int height = 0;   // px
    bool windowedOnly = false;
};

// The process-wide store of the game's state outside a match. Init builds it once; the
// collaborators (hooks, display, pads) are set before Init.
class GameData {
public:
    GameData() = delete;

    // ---- Collaborators (keep them set for the process) ----
    // Null restores hooks that do nothing.
    static void SetHooks(GameDataHooks* hooks);
    static GameDataHooks& Hooks();
    // Null: no window (video calls keep the options only).
    static void SetVideoHost(Ref<VideoHost> host);
    // Null: no pads.
    static void SetJoystickBackend(Ref<JoystickBackend> backend);

    // ---- Life ----
    // Builds everything and reads the settings and save files; later calls do nothing.
    static void Init();
    static bool IsInitialized();
    // Forgets everything Init built (tests run many Inits in one process).
    static void ResetForTest();

    // ---- Game modes ----
    static int GetTotalGameModes();
    static Ref<GameMode> GetGameModeEntryByIndex(int index);  // null outside the list
    static Ref<GameMode> GetGameMode_(int id);                // null if absent
    static void SetGameMode(int id);                          // -1 when no mode has it
    static int GetCurGameMode() { return curGameMode; }
    static bool Is2PMode();
    static int GetCurrentGameType();                          // kind, -1 when none
    static String GetGameModeName(int id);                    // "???" if absent
    static String GetGameModeShortName(int id);               // "???" if absent

    // ---- Worlds ----
    static int GetTotalWorlds();
    static String GetWorldName(int index);                    // "" outside the list
    static int GetWorldFlags(int index);                      // 0 outside the list
    static Ref<ContentLock> GetWorldLock(int index);          // null outside / unlocked
    static int GetWorldIndexById(int id);                     // -1 if absent
    static void SetCurrentWorldByIndex(int index);            // clamped to the list
    static int GetCurrentWorldIndex() { return currentWorldNdx; }
    static int GetCurrentWorldId();                           // -1 when none
    // "worlds/" + the current world's folder key + "/" + file (file alone without worlds).
    static String WorldAssetPath(const String& file);

    // ---- Players ----
    // Current world := world 2; both players lose their chosen character.
    static void ResetPlayerInfo();

    // ---- Input ----
    // Polls the pads once, then every device in list order. Once per update.
    static void UpdateRegisteredHardware();
    static Ref<InputHardware> GetInputHardwareByName(const String& name);  // null if absent
    // The first device (list order) with an input hit in this update, "" if none. The
    // mapping's own device is passed over when its first hit input is one of its keys.
    static String GetAnyKeyFromAnyHardware(const InputMapping* mapping = nullptr);
    static bool GlobalCancelPressed();  // Escape hit in this update
    static bool CheckInputDeviceClashes();
    // Guarded changes for player 1 or 2; each returns whether the change was made.
    static bool SetNewInputDeviceForPlayer(int player, const String& deviceName);
    static bool SafeInputSet(int player, int slot, const String& inputName);
    static bool SafeMoveSchemeSet(int player, int schemeIndex);
    static bool ResetDeviceSettings(int player);
    static Ref<PlayerData> GetPlayer(int player);  // null unless 1 or 2

    // ---- Video ----
    static int GetTotalVideoModes();
    static const VideoMode_* GetVideoModeInfo(int index);  // null outside the list
    static int FindVideoMode(int width, int height);       // -1 if absent
    static int GetCurrentVideoModeIndex();                 // mode of the window's size, -1
    static void ChangeVideoMode(int index, bool fullscreen);
    static void SetToWindow(int width, int height);
    static void ToggleFullScreenAuto();
    static void AddWindowedModes();

    // ---- Volumes (clamped to 0-100) ----
    static void SetBGMVolume(int volume);
    static void SetSFXVolume(int volume);

    // ---- Attract mode ----
    // On: the game mode alternates 1, 2, 1, ... per attract match.
    static void SetDemo(bool on);
    static bool IsDemoMode2() { return isDemoMode; }

    // ---- Unlocks ----
    // Announces the first watched lock whose condition is met (at most one per call) and
    // stops watching it.
    static void CheckActiveLocks();

    // ---- Cached files (see playerconfig) ----
    static Ref<XMLNode> GetConfigNode() { return settingsNode; }
    static void SetConfigNode(Ref<XMLNode> node) { settingsNode = std::move(node); }
    static Ref<XMLNode> GetSaveDataNode() { return saveDataNode; }
    static void SetSaveDataNode(Ref<XMLNode> node) { saveDataNode = std::move(node); }

    // ---- State (set by Init) ----
    // The objects are never destroyed: an exit() from a library runs static destructors in
    // any order.
    // The two fonts every screen uses; loaded by the hooks (font loading lives above).
    static inline Ref<Font>& stdFont = *new Ref<Font>;
    static inline Ref<Font>& secFont = *new Ref<Font>;
    static inline std::vector<Ref<GameMode>>& gameModeList = *new std::vector<Ref<GameMode>>;
    static inline int curGameMode = -1;
    static inline std::vector<Ref<GameWorld>>& worlds = *new std::vector<Ref<GameWorld>>;
    static inline int currentWorldNdx = -1;
    static inline Ref<StageSettings>& gameSettings = *new Ref<StageSettings>;
    static inline Ref<GlobalOptions>& options = *new Ref<GlobalOptions>;
    static inline Ref<PlayerStats>& stats = *new Ref<PlayerStats>;
    static inline Ref<PlayerData>& player1 = *new Ref<PlayerData>;
    static inline Ref<PlayerData>& player2 = *new Ref<PlayerData>;
    static inline std::vector<Ref<InputHardware>>& inputHwList = *new std::vector<Ref<InputHardware>>;
    static inline Ref<BothPlayersInput>& bothPlayersIn = *new Ref<BothPlayersInput>;
    static inline std::vector<VideoMode_>& videoModes = *new std::vector<VideoMode_>;
    static inline std::vector<Ref<ContentLock>>& locksToWatch = *new std::vector<Ref<ContentLock>>;
    static inline Ref<XMLNode>& settingsNode = *new Ref<XMLNode>;
    static inline Ref<XMLNode>& saveDataNode = *new Ref<XMLNode>;
    static inline bool isDemoMode = false;
    static inline int lastDemoMode = 0;
    static inline int lastSelOpt = 0;  // game-mode choice last made in the title menu
};

}  // namespace zelka
