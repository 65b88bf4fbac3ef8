#include "platform/files/FileIO.h"

#include "platform/files/DataPath.h"

#include <algorithm>
#include <string>
#include <sys/stat.h>

namespace zelka::files {

namespace {

constexpr std::size_t kChunkBytes = 4096;

}  // namespace

FilePtr OpenFile(std::string_view path, const char* mode)
{
    const std::string filePath = PathToFilePath(path);
    if (filePath.empty()) return nullptr;
    return FilePtr(std::fopen(filePath.c_str(), mode));
}

std::vector<uint8_t> ReadRest(std::FILE* file)
{
    std::vector<uint8_t> bytes;
    // One read of the size the file reports (so a large file is read and stored once),
    // then chunks until a short one: the size may be 0 for /proc files or may have grown.
    struct stat info {};
    const long at = std::max(0L, std::ftell(file));
    if (fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > at) {
        const auto expected = static_cast<std::size_t>(info.st_size - at);
        bytes.reserve(expected + kChunkBytes);  // room for the final short chunk: no regrowth
        bytes.resize(expected);
        bytes.resize(std::fread(bytes.data(), 1, expected, file));
        if (bytes.size() < expected) return bytes;
    }
    while (true) {
        const std::size_t used = bytes.size();
        bytes.resize(used + kChunkBytes);
        const std::size_t got = std::fread(bytes.data() + used, 1, kChunkBytes, file);
        bytes.resize(used + got);
        if (got < kChunkBytes) return bytes;
    }
}

std::optional<std::vector<uint8_t>> LoadData(std::string_view path)
{
    const FilePtr file = OpenFile(path, "rb");
    if (!file) return std::nullopt;
    return ReadRest(file.get());
}

}  // namespace zelka::files
