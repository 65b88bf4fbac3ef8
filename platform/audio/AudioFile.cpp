#include "platform/audio/AudioDecoders.h"

#include "platform/files/FileIO.h"

#include <algorithm>
#include <cctype>

namespace zelka::audio {
namespace {

bool EndsWithNoCase(std::string_view text, std::string_view suffix)
{
    if (text.size() < suffix.size()) {
        return false;
    }
    return std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

std::optional<AudioData> LoadAudioData(std::string_view path)
{
    bool isWav = EndsWithNoCase(path, ".wav");
    bool isOgg = EndsWithNoCase(path, ".ogg");
    if (!isWav && !isOgg) {
        return std::nullopt;
    }
    std::optional<std::vector<std::uint8_t>> bytes = files::LoadData(path);
    if (!bytes) {
        return std::nullopt;
    }
    return isWav ? LoadWAV_mem(bytes->data(), bytes->size()) : LoadOGG_mem(bytes->data(), bytes->size());
}

}  // namespace zelka::audio
