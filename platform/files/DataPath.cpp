#include "platform/files/DataPath.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelka {

namespace {

constexpr std::string_view kScheme = "kestro:";
constexpr std::string_view kDataPrefix = "kestro://data/";
constexpr std::string_view kInternalPrefix = "kestro://internal/";
constexpr std::string_view kExternalPrefix = "kestro://external/";
constexpr std::size_t kMaxLinkBytes = 4095;  // readlink result without its NUL
constexpr mode_t kFolderMode = 0777;         // narrowed by the umask

struct PathState {
    std::string executableLink = "/proc/self/exe";
    std::string programPath;  // argv[0]
    std::optional<std::string> applicationOverride;
    std::optional<std::string> homeOverride;
    std::optional<std::string> applicationFolder;  // cached
    std::optional<std::string> internalFolder;     // cached
};

PathState& State()
{
    static PathState& state = *new PathState;  // never destroyed: see App.cpp
    return state;
}

std::optional<std::string> ReadExecutablePath()
{
    char buffer[kMaxLinkBytes + 1];
    const ssize_t length = readlink(State().executableLink.c_str(), buffer, kMaxLinkBytes);
    if (length <= 0) return std::nullopt;
    buffer[length] = '\0';  // readlink does not terminate
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::string HomeFolder()
{
    auto& state = State();
    if (state.homeOverride) return *state.homeOverride;
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir && *entry->pw_dir) return entry->pw_dir;
    return ".";
}

}  // namespace

namespace data {

std::string FixDataPath(std::string_view path)
{
    const std::size_t scheme = path.find(":/");
    if (scheme != std::string_view::npos && path.substr(0, scheme).find('/') == std::string_view::npos) {
        return std::string(path);
    }
    if (path.starts_with("./") || path.starts_with("/")) return std::string(path);
    return std::string(kDataPrefix) + std::string(path);
}

}  // namespace data

namespace files {

std::string FolderOf(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return ".";
    return std::string(path.substr(0, slash));
}

void SetProgramPath(std::string_view argv0)
{
    State().programPath = std::string(argv0);
    State().applicationFolder.reset();
}

void SetExecutableLink(std::string link)
{
    State().executableLink = std::move(link);
    State().applicationFolder.reset();
}

void SetApplicationFolder(std::optional<std::string> folder)
{
    State().applicationOverride = std::move(folder);
    State().applicationFolder.reset();
}

void SetHomeFolder(std::optional<std::string> home)
{
    State().homeOverride = std::move(home);
    State().internalFolder.reset();
}

std::string ApplicationFolder()
{
    auto& state = State();
    if (state.applicationOverride) return *state.applicationOverride;
    if (!state.applicationFolder) {
        if (const auto exe = ReadExecutablePath()) {
            state.applicationFolder = FolderOf(*exe);
        } else {
            state.applicationFolder = state.programPath.empty() ? "." : FolderOf(state.programPath);
        }
    }
    return *state.applicationFolder;
}

std::string InternalFolder()
{
    auto& state = State();
    if (!state.internalFolder) {
        // Each level is made in turn; an existing folder or a failure is left to the opener.
        std::string folder = HomeFolder() + "/.config";
        mkdir(folder.c_str(), kFolderMode);
        folder += "/Quillon Works";
        mkdir(folder.c_str(), kFolderMode);
        folder += "/ZELKA";
        mkdir(folder.c_str(), kFolderMode);
        state.internalFolder = folder;
    }
    return *state.internalFolder;
}

std::string PathToFilePath(std::string_view path)
{
    if (!path.starts_with(kScheme)) return std::string(path);
    if (path.starts_with(kDataPrefix)) {
        return ApplicationFolder() + "/data/" + std::string(path.substr(kDataPrefix.size()));
    }
    if (path.starts_with(kInternalPrefix)) {
        return InternalFolder() + "/" + std::string(path.substr(kInternalPrefix.size()));
    }
    if (path.starts_with(kExternalPrefix)) {
        return ApplicationFolder() + "/external/" + std::string(path.substr(kExternalPrefix.size()));
    }
    return {};
}

}  // namespace files

}  // namespace zelka
