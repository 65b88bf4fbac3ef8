#include "services/config/PlayerConfig.h"

#include "platform/files/TextFile.h"
#include "services/config/GlobalOptions.h"
#include "services/crypt/DataCrypt.h"
#include "services/crypt/Encoding.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"
#include "services/player/PlayerStats.h"
#include "services/xml/XMLNode.h"
#include "services/xml/XMLParser.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <system_error>
#include <unistd.h>

namespace zelka::playerconfig {

namespace {

constexpr char32_t kRootName[] = U"SAVE";
constexpr char kTemporarySuffix[] = ".tmp";  // SaveString's own
constexpr char kNewSuffix[] = ".new";        // the data of a file that must not be replaced
constexpr char kKeptSuffix[] = ".bad";
constexpr int kKeptCopies = 10;              // damaged files kept per name; then none more

// What may happen to a file found at start.
enum class Fate {
    kReplace,     // missing or good: writes replace it
    kSetAside,    // damaged: renamed to a free "<name>.bad" slot before the first write
    kKeep,        // unreadable, or setting it aside failed: never written over
};

struct ConfigState {
    bool read = false;
    std::map<std::string, Fate> fates;  // by path; absent = kReplace
    std::set<std::string> warned;       // write targets whose failed write was reported
};

ConfigState& State()
{
    static ConfigState& state = *new ConfigState;  // never destroyed, like the platform's
    return state;
}

// "<path>.bad", then "<path>.bad.1" ... "<path>.bad.<kKeptCopies - 1>".
std::string KeptName(const std::string& path, int slot)
{
    return path + kKeptSuffix + (slot == 0 ? "" : "." + std::to_string(slot));
}

// The first slot name not in use, or "" when all are.
std::string FreeKeptName(const std::string& path)
{
    for (int slot = 0; slot < kKeptCopies; ++slot) {
        std::error_code error;
        std::string name = KeptName(path, slot);
        if (!std::filesystem::exists(std::filesystem::symlink_status(name, error))) return name;
    }
    return {};
}

// Renames the damaged file to the first free slot, never replacing an earlier copy (the
// rename itself refuses an existing name, so two games cannot race for one slot). True
// when it was kept, or is gone and so needs no keeping.
bool SetAside(const std::string& path)
{
    for (int slot = 0; slot < kKeptCopies; ++slot) {
        const std::string name = KeptName(path, slot);
        int result = renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE);
        if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // A file system without the no-replace rename: check first, then rename.
            std::error_code error;
            if (std::filesystem::exists(std::filesystem::symlink_status(name, error))) continue;
            result = std::rename(path.c_str(), name.c_str());
        }
        if (result == 0) {
            SyncParentFolder(path);
            return true;
        }
        if (errno == ENOENT) return true;
        if (errno != EEXIST) return false;
    }
    return false;  // every slot holds an earlier copy
}

void Report(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

String Decimal(int n)
{
    return FromLatin1(std::to_string(n));
}

String Flag(bool on)
{
    return on ? U"1" : U"0";
}

// Reads one file. A stale "<name>.tmp" of a write that never finished is removed first:
// it is never the file. A file that is there but cannot be read, or that holds no tree,
// is reported once; the first is never written over, the second is kept under a ".bad"
// name before the first write.
Ref<XMLNode> ReadFile(const std::string& baseName)
{
    ConfigState& state = State();
    std::string path = FilePath(baseName);
    unlink((path + kTemporarySuffix).c_str());
    unlink((path + kNewSuffix + kTemporarySuffix).c_str());
    LoadedText loaded = LoadTextFile(path);
    // A missing file is a first start: nothing to decode, nothing to report. An empty one
    // goes through the decoder (which prints its length line) but holds nothing to keep.
    if (loaded.state == FileState::kMissing) return nullptr;
    Ref<XMLNode> tree = ReadSaveNodeFromFileContent(loaded.text);
    if (loaded.state == FileState::kUnreadable) {
        state.fates[path] = Fate::kKeep;
        Report("Cannot read " + path + ": using defaults; the file is left as it is and the game's data goes to " +
               path + kNewSuffix);
    } else if (!tree && !loaded.text.empty()) {
        state.fates[path] = Fate::kSetAside;
        const std::string kept = FreeKeptName(path);
        Report("Unreadable file " + path + ": using defaults (" +
               (kept.empty() ? "every name to keep it under is taken" : "it is kept as " + kept) + ")");
    }
    return tree;
}

void WriteTree(const Ref<XMLNode>& tree, const std::string& baseName)
{
    if (tree) SaveDataFile_(FileContentFromSaveNode(*tree), baseName);
}

Ref<XMLNode> NewRoot(Ref<XMLNode> tree)
{
    if (tree && tree->name == kRootName) return tree;
    return XMLNode::New(kRootName);
}

void AppendStoredControls(const Ref<XMLNode>& mapping, const Ref<PlayerData>& player)
{
    mapping->children.clear();
    if (!player) return;
    // storedControls is ordered by device type.
    for (const auto& [type, input] : player->storedControls) {
        if (input) mapping->children.push_back(input);
    }
}

void ReadStoredControls(const Ref<XMLNode>& mapping, const Ref<PlayerData>& player)
{
    if (!player) return;
    for (const Ref<XMLNode>& input : mapping->GetChildren(U"input")) {
        player->storedControls[input->GetAttribute(U"device")] = input;
    }
}

const std::array<const char32_t*, 3> kCounterNames{U"matches", U"victories", U"draws"};

}  // namespace

std::string FilePath(const std::string& baseName)
{
    return std::string(kSaveFolder) + "/" + baseName + ".dat";
}

int ParseInt(const String& text)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == U'-' || text[i] == U'+')) negative = text[i++] == U'-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= U'0' && text[i] <= U'9'; ++i) {
        value = value * 10 + (text[i] - U'0');
        if (value > int64_t{INT_MAX} + 1) value = int64_t{INT_MAX} + 1;  // saturate early
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

bool ParseBool(const String& text)
{
    return !text.empty() && ParseInt(text) != 0;
}

Ref<XMLNode> ReadSaveNodeFromFileContent(const String& text)
{
    String xml = DataCrypt::Decrypt(encoding::Base64ToString(text), DataCrypt::kSaveFileKey);
    if (xml.empty()) return nullptr;
    try {
        Ref<XMLNode> root = XMLParser::New(xml)->GetRoot();
        if (!root || root->name != kRootName) return nullptr;
        return root;
    } catch (const XMLParseError&) {
        return nullptr;
    }
}

String FileContentFromSaveNode(const XMLNode& tree)
{
    return encoding::StringToBase64(DataCrypt::Encrypt(tree.ToString(), DataCrypt::kSaveFileKey));
}

Ref<XMLNode> ChildNode_(const String& name, const Ref<XMLNode>& parent,
                        const String& attributeName, const String& attributeValue)
{
    if (!parent) return nullptr;
    Ref<XMLNode> child = parent->GetChild2(name, attributeName, attributeValue);
    return child->name.empty() ? nullptr : child;
}

Ref<XMLNode> ChildNodeOrNew_(const String& name, const Ref<XMLNode>& parent,
                             const String& attributeName, const String& attributeValue)
{
    if (Ref<XMLNode> found = ChildNode_(name, parent, attributeName, attributeValue)) return found;
    Ref<XMLNode> child = XMLNode::New(name);
    if (!attributeName.empty()) child->attributes[attributeName] = attributeValue;
    if (parent) parent->children.push_back(child);
    return child;
}

Ref<XMLNode> XMLConfigNode(Ref<XMLNode> tree)
{
    tree = NewRoot(std::move(tree));
    Ref<XMLNode> optionsNode = ChildNodeOrNew_(U"options", tree);
    GlobalOptions defaults;
    const GlobalOptions& options = GameData::options ? *GameData::options : defaults;
    const std::array<std::pair<const char32_t*, String>, 6> values{{
        {U"displayHowToPlay", Flag(options.displayHowToPlay)},
        {U"screenWidth", Decimal(options.screenWidth)},
        {U"screenHeight", Decimal(options.screenHeight)},
        {U"bgmVolume", Decimal(options.bgmVolume)},
        {U"sfxVolume", Decimal(options.sfxVolume)},
        {U"fullscreen", Flag(options.fullscreen)},
    }};
    for (const auto& [name, value] : values) {
        ChildNodeOrNew_(U"option", optionsNode, U"name", name)->value = value;
    }
    AppendStoredControls(ChildNodeOrNew_(U"mapping", tree, U"player", U"1"), GameData::player1);
    AppendStoredControls(ChildNodeOrNew_(U"mapping", tree, U"player", U"2"), GameData::player2);
    return tree;
}

Ref<XMLNode> XMLSaveDataNode(Ref<XMLNode> tree)
{
    tree = NewRoot(std::move(tree));
    Ref<PlayerStats> stats = GameData::stats ? GameData::stats : PlayerStats::New();
    Ref<XMLNode> statsNode = ChildNodeOrNew_(U"stats", tree);
    for (int mode = 0; mode < stats->GetTotalModes(); ++mode) {
        Ref<XMLNode> counters = ChildNodeOrNew_(U"counters", statsNode, U"mode", Decimal(mode));
        const MatchStats& record = *stats->GetModeStats(mode);
        const std::array<int, 3> values{record.matches, record.victories, record.draws};
        for (size_t i = 0; i < values.size(); ++i) {
            ChildNodeOrNew_(kCounterNames[i], counters)->value = Decimal(values[i]);
        }
    }
    Ref<XMLNode> items = ChildNodeOrNew_(U"items", tree);
    for (int item = 0; item < kCountedItemTypes; ++item) {
        Ref<XMLNode> node = ChildNodeOrNew_(U"item", items, U"id", Decimal(item));
        node->attributes[U"uses"] = Decimal(stats->GetItemUses(1, item));
        node->attributes[U"uses_p2"] = Decimal(stats->GetItemUses(2, item));
    }
    return tree;
}

void ApplyGameSettings_()
{
    Ref<XMLNode> tree = GameData::GetConfigNode();
    if (!tree || !GameData::options) return;
    GlobalOptions& options = *GameData::options;
    Ref<XMLNode> optionsNode = ChildNodeOrNew_(U"options", tree);
    auto option = [&](const char32_t* name) {
        return ChildNodeOrNew_(U"option", optionsNode, U"name", name)->value;
    };
    options.displayHowToPlay = ParseBool(option(U"displayHowToPlay"));
    options.fullscreen = ParseBool(option(U"fullscreen"));
    options.screenWidth = ParseInt(option(U"screenWidth"));
    options.screenHeight = ParseInt(option(U"screenHeight"));
    // A missing volume keeps its default (unlike the flags above, which read false).
    if (auto bgm = ChildNode_(U"option", optionsNode, U"name", U"bgmVolume")) {
        options.bgmVolume = ParseInt(bgm->value);
    }
    if (auto sfx = ChildNode_(U"option", optionsNode, U"name", U"sfxVolume")) {
        options.sfxVolume = ParseInt(sfx->value);
    }
    ReadStoredControls(ChildNodeOrNew_(U"mapping", tree, U"player", U"1"), GameData::player1);
    ReadStoredControls(ChildNodeOrNew_(U"mapping", tree, U"player", U"2"), GameData::player2);
}

void ApplyUserData_()
{
    Ref<XMLNode> tree = GameData::GetSaveDataNode();
    if (!tree || !GameData::stats) return;
    PlayerStats& stats = *GameData::stats;
    Ref<XMLNode> statsNode = ChildNodeOrNew_(U"stats", tree);
    for (int mode = 0; mode < stats.GetTotalModes(); ++mode) {
        Ref<XMLNode> counters = ChildNodeOrNew_(U"counters", statsNode, U"mode", Decimal(mode));
        MatchStats& record = *stats.GetModeStats(mode);
        std::array<int*, 3> targets{&record.matches, &record.victories, &record.draws};
        for (size_t i = 0; i < targets.size(); ++i) {
            *targets[i] = ParseInt(ChildNodeOrNew_(kCounterNames[i], counters)->value);
        }
    }
    Ref<XMLNode> items = ChildNodeOrNew_(U"items", tree);
    for (int item = 0; item < kCountedItemTypes; ++item) {
        Ref<XMLNode> node = ChildNodeOrNew_(U"item", items, U"id", Decimal(item));
        stats.SetItemUses(1, item, ParseInt(node->GetAttribute(U"uses")));
        stats.SetItemUses(2, item, ParseInt(node->GetAttribute(U"uses_p2")));
    }
    if (stats.ClampCounters()) {
        Report("Statistics out of range in " + FilePath(kSaveBaseName) + ": each counter is kept within 0 to " +
               std::to_string(kMaxStatsCounter) + ", draws and wins within the matches");
    }
}

void RefreshGameData()
{
    ConfigState& state = State();
    if (state.read) {
        GameData::SetConfigNode(XMLConfigNode(GameData::GetConfigNode()));
        GameData::SetSaveDataNode(XMLSaveDataNode(GameData::GetSaveDataNode()));
        return;
    }
    state.read = true;
    Ref<XMLNode> settings = ReadFile(kSettingsBaseName);
    GameData::SetConfigNode(settings ? settings : XMLConfigNode(nullptr));
    ApplyGameSettings_();
    Ref<XMLNode> save = ReadFile(kSaveBaseName);
    GameData::SetSaveDataNode(save ? save : XMLSaveDataNode(nullptr));
    ApplyUserData_();
}

void SaveUserData()
{
    // Closing the window before the game data exists has nothing to save.
    if (!GameData::IsInitialized()) return;
    RefreshGameData();
    WriteTree(GameData::GetSaveDataNode(), kSaveBaseName);
}

void SaveGameSettings()
{
    if (!GameData::IsInitialized()) return;
    RefreshGameData();
    WriteTree(GameData::GetConfigNode(), kSettingsBaseName);
}

bool SaveDataFile_(const String& text, const std::string& baseName)
{
    ConfigState& state = State();
    std::string path = FilePath(baseName);
    Fate& fate = state.fates[path];
    if (fate == Fate::kSetAside) {
        if (SetAside(path)) {
            fate = Fate::kReplace;
        } else {
            fate = Fate::kKeep;
            Report("Could not set " + path + " aside: it is left as it is and the game's data goes to " +
                   path + kNewSuffix);
        }
    }
    const std::string target = fate == Fate::kKeep ? path + kNewSuffix : path;
    std::error_code error;
    std::filesystem::create_directories(kSaveFolder, error);
    if (SaveString(text, target) == 0) return true;
    if (state.warned.insert(target).second) Report("Could not write " + target + ": the change is not saved");
    return false;
}

void ResetForTest()
{
    State() = ConfigState{};
}

}  // namespace zelka::playerconfig
