#pragma once

#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <string>

namespace zelka {

class XMLNode;

// The settings file and the save file: XML trees (root SAVE) kept by GameData, stored as
// Base64 of the enciphered UTF-8 text. Paths are relative to the working directory.
namespace playerconfig {

inline constexpr char kSaveFolder[] = "savedata";
inline constexpr char kSettingsBaseName[] = "settings";
inline constexpr char kSaveBaseName[] = "save";

// The first call reads and applies both files (settings first); later calls rebuild both
// cached trees from the live state.
void RefreshGameData();
// Refresh, then write the save tree / the settings tree. Nothing before GameData::Init.
void SaveUserData();
void SaveGameSettings();

// The stored form back to a tree; null for an empty or undecodable text, XML that does
// not parse, or a root other than SAVE.
Ref<XMLNode> ReadSaveNodeFromFileContent(const String& text);
// The tree's text as stored on disk.
String FileContentFromSaveNode(const XMLNode& tree);

// Bring a tree up to date from the state; without a tree (or with a root other than
// SAVE) a new one is built.
Ref<XMLNode> XMLConfigNode(Ref<XMLNode> tree);
Ref<XMLNode> XMLSaveDataNode(Ref<XMLNode> tree);

// Copy the cached trees into the state. The statistics are brought into shape on the way
// (PlayerStats::ClampCounters), with one line on standard output when any was not.
void ApplyGameSettings_();
void ApplyUserData_();

// The first child of parent matching by XMLNode::GetChild2; when none (or no parent) a new
// empty element of that name, with the attribute when attributeName is not empty,
// appended to parent when there is one.
Ref<XMLNode> ChildNodeOrNew_(const String& name, const Ref<XMLNode>& parent,
                             const String& attributeName = {}, const String& attributeValue = {});
// The same lookup without making anything: null when absent.
Ref<XMLNode> ChildNode_(const String& name, const Ref<XMLNode>& parent,
                        const String& attributeName = {}, const String& attributeValue = {});

// Writes text to "savedata/" + baseName + ".dat", creating the folder when missing. A file
// that held no tree at start is first renamed to the first free "<name>.bad",
// "<name>.bad.1" ... (ten at most; an earlier copy is never replaced). A file that could
// not be read at all, or could not be set aside, is never written over: the text goes to
// "<name>.new" instead. A failed write prints one line per file per run. False when the
// write failed.
bool SaveDataFile_(const String& text, const std::string& baseName);
std::string FilePath(const std::string& baseName);

// Decimal numbers of the files: optional sign, then digits; no digits gives 0; values
// beyond int saturate. A boolean is false when empty, else its number is not 0.
int ParseInt(const String& text);
bool ParseBool(const String& text);

// Forgets that the files were read (tests run many games in one process).
void ResetForTest();

}  // namespace playerconfig

}  // namespace zelka
