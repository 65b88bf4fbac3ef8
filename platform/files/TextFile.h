#pragma once

#include "platform/core/Text.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace zelka {

// Text files: FE FF starts UTF-16 high byte first, FF FE low byte first (an odd last
// byte is dropped); anything else is UTF-8 of one to three bytes per character after an
// optional EF BB BF. At the first byte that is not such UTF-8 the whole text (after the
// mark, if any) is read again as one character per byte.
struct DecodedText {
    String text;
    bool invalidUtf8 = false;  // the one-character-per-byte fallback was taken
};
[[nodiscard]] DecodedText DecodeText(std::span<const uint8_t> bytes);

namespace files {

// The decoded text of the file at `path` (the "kestro:" scheme applies); "" when it
// cannot be opened.
[[nodiscard]] String LoadString(std::string_view path);

}  // namespace files

namespace app {

// files::LoadString after data::FixDataPath: a bare name reads from the data folder.
[[nodiscard]] String LoadString(std::string_view path);

}  // namespace app

// The decoded text of the file at `path` exactly as given (no scheme, relative to the
// working directory); "" when it cannot be opened. Invalid UTF-8 prints
// "Invalid UTF-8 in file: <path>" and still returns the fallback text.
[[nodiscard]] String LoadString(std::string_view path);

// LoadString that tells a file that is not there from one that is there but cannot be
// read (no permission, an I/O error, a folder or other non-file in its place): the second
// holds data that must not be taken for a first start.
enum class FileState { kMissing, kRead, kUnreadable };
struct LoadedText {
    FileState state = FileState::kMissing;
    String text;   // "" unless kRead
};
[[nodiscard]] LoadedText LoadTextFile(std::string_view path);

// Writes `text` as UTF-8 to `path` (as given; no folder is created). The old file is
// replaced only once the new one is complete on disk: the bytes go to "<path>.tmp" in
// the same folder, are flushed with fsync and renamed over `path`, and the folder is
// synced so that the rename itself survives a power cut.
// 0 on success; -1 when the file cannot be created; -2 when a write fails (the old file
// is left whole).
[[nodiscard]] int SaveString(const String& text, std::string_view path);

// Flushes the folder holding `path` (its entries: names created, renamed or removed).
// False when the folder cannot be opened or synced.
bool SyncParentFolder(std::string_view path);

}  // namespace zelka
