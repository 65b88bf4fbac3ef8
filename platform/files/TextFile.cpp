#include "platform/files/TextFile.h"

#include "platform/files/DataPath.h"
#include "platform/files/FileIO.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zelka {

namespace {

constexpr uint8_t kUtf8Mark[] = {0xEF, 0xBB, 0xBF};
constexpr mode_t kFileMode = 0666;  // narrowed by the umask, as fopen would

bool IsContinuation(uint8_t b)
{
    return (b & 0xC0) == 0x80;
}

// One character of one to three bytes at `at`; the byte count, or 0 when invalid
// (overlong forms and surrogates included).
int DecodeUtf8Char(std::span<const uint8_t> bytes, std::size_t at, char32_t& out)
{
    const uint8_t lead = bytes[at];
    const std::size_t left = bytes.size() - at;
    if (lead < 0x80) {
        out = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF && left >= 2 && IsContinuation(bytes[at + 1])) {
        out = (char32_t(lead & 0x1F) << 6) | (bytes[at + 1] & 0x3F);
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF && left >= 3 && IsContinuation(bytes[at + 1]) &&
        IsContinuation(bytes[at + 2])) {
        out = (char32_t(lead & 0x0F) << 12) | (char32_t(bytes[at + 1] & 0x3F) << 6) | (bytes[at + 2] & 0x3F);
        if (out < 0x800 || (out >= 0xD800 && out <= 0xDFFF)) return 0;
        return 3;
    }
    return 0;
}

String DecodeUtf16(std::span<const uint8_t> bytes, bool highFirst)
{
    String text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = highFirst ? (char32_t(bytes[i]) << 8) | bytes[i + 1]
                                        : (char32_t(bytes[i + 1]) << 8) | bytes[i];
        // A high surrogate followed by a low one is one character; a lone half stays as read.
        if (!text.empty() && unit >= 0xDC00 && unit <= 0xDFFF && text.back() >= 0xD800 && text.back() <= 0xDBFF) {
            text.back() = 0x10000 + ((text.back() - 0xD800) << 10) + (unit - 0xDC00);
        } else {
            text += unit;
        }
    }
    return text;
}

String Latin1(std::span<const uint8_t> bytes)
{
    return String(bytes.begin(), bytes.end());
}

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

DecodedText DecodeText(std::span<const uint8_t> bytes)
{
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return {DecodeUtf16(bytes.subspan(2), true)};
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return {DecodeUtf16(bytes.subspan(2), false)};
    if (bytes.size() >= 3 && bytes[0] == kUtf8Mark[0] && bytes[1] == kUtf8Mark[1] && bytes[2] == kUtf8Mark[2]) {
        bytes = bytes.subspan(3);
    }
    DecodedText decoded;
    decoded.text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        const int used = DecodeUtf8Char(bytes, i, c);
        if (used == 0) return {Latin1(bytes), true};
        decoded.text += c;
        i += static_cast<std::size_t>(used);
    }
    return decoded;
}

namespace files {

String LoadString(std::string_view path)
{
    const FilePtr file = OpenFile(path, "rb");
    if (!file) return {};
    return DecodeText(ReadRest(file.get())).text;
}

}  // namespace files

namespace app {

String LoadString(std::string_view path)
{
    return files::LoadString(data::FixDataPath(path));
}

}  // namespace app

String LoadString(std::string_view path)
{
    return LoadTextFile(path).text;
}

LoadedText LoadTextFile(std::string_view path)
{
    const std::string filePath(path);
    const int fd = open(filePath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        // A missing folder on the way is a missing file too; anything else (EACCES, EIO,
        // ELOOP...) leaves something there that could not be read.
        return {errno == ENOENT || errno == ENOTDIR ? FileState::kMissing : FileState::kUnreadable, {}};
    }
    struct stat info {};
    std::vector<uint8_t> bytes;
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    // O_NONBLOCK only kept a FIFO from blocking the open; reads of a file never block.
    while (ok) {
        uint8_t chunk[4096];
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    close(fd);
    if (!ok) return {FileState::kUnreadable, {}};
    DecodedText decoded = DecodeText(bytes);
    if (decoded.invalidUtf8) std::printf("Invalid UTF-8 in file: %s\n", filePath.c_str());
    return {FileState::kRead, std::move(decoded.text)};
}

bool SyncParentFolder(std::string_view path)
{
    const std::string file(path);
    const std::size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : file.substr(0, slash);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = fsync(fd) == 0;
    close(fd);
    return synced;
}

int SaveString(const String& text, std::string_view path)
{
    const std::string target(path);
    const std::string temporary = target + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kFileMode);
    if (fd < 0) {
        std::fflush(stdout);
        return -1;
    }
    bool written = WriteAll(fd, ToUtf8(text)) && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || std::rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return -2;
    }
    // Without this a power cut may bring back the old name (or none) after the rename.
    // The data itself is complete either way, so a failed sync is not a failed write.
    SyncParentFolder(target);
    return 0;
}

}  // namespace zelka
