#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelka {

// Paths are byte strings (UTF-8 from game text). A path beginning with "kestro:" is
// resolved here; any other path is used as given, relative to the working directory.
//   kestro://data/x      -> application folder + "/data/x"
//   kestro://external/x  -> application folder + "/external/x"
//   kestro://internal/x  -> $HOME/.config/Quillon Works/ZELKA/x
//   any other kestro:    -> "" (opens nothing)
namespace data {

// Gives "kestro://data/" + path unless the path has a scheme (":/" with no "/" before
// it), or begins with "./" or "/": fonts/a.fnt becomes kestro://data/fonts/a.fnt.
[[nodiscard]] std::string FixDataPath(std::string_view path);

}  // namespace data

namespace files {

// The "kestro:" scheme above; other paths unchanged.
[[nodiscard]] std::string PathToFilePath(std::string_view path);

// The running executable's folder, read once from /proc/self/exe; when that cannot be
// read, the folder of the program path given to SetProgramPath, else ".".
[[nodiscard]] std::string ApplicationFolder();

// The per-user folder, made (with its parents under $HOME, mode 0777) on first use. An
// unset HOME falls back to the user's password entry, then to ".".
[[nodiscard]] std::string InternalFolder();

// The start-up passes argv[0] here: the fallback when /proc cannot be read.
void SetProgramPath(std::string_view argv0);

// Test seam: the link read for the executable's path ("/proc/self/exe" by default).
void SetExecutableLink(std::string link);

// Test seams: fix the application folder or the home folder instead of asking the
// system (nullopt goes back to asking). Either resets the cached folders.
void SetApplicationFolder(std::optional<std::string> folder);
void SetHomeFolder(std::optional<std::string> home);

// The folder part of `path` (before its last '/'), "." when it has none.
[[nodiscard]] std::string FolderOf(std::string_view path);

}  // namespace files

}  // namespace zelka
