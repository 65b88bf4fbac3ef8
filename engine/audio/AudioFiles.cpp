// The enciphered sound files: names, formats and loading into device samples.

#include "engine/audio/AudioManager.h"

#include "engine/core/FilePath.h"
#include "engine/crypt/FileCrypt.h"
#include "platform/audio/AudioDecoders.h"
#include "platform/audio/AudioModule.h"
#include "platform/files/DataPath.h"

#include <optional>
#include <utility>

namespace zelka::audiomanager {
namespace {

bool EndsWith(const String& text, std::u32string_view tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The decoded sound of an enciphered data file, none on any failure.
std::optional<AudioData> DecodeEnc(const String& path)
{
    const int format = AudioFormatFromEncryptedPath_(path);
    if (format == kAudioFormatNone) {
        return std::nullopt;
    }
    const std::string file = files::PathToFilePath(data::FixDataPath(ToUtf8(path)));
    std::optional<std::vector<uint8_t>> plain = FileCrypt::DecryptFileToMem(file);
    if (!plain) {
        return std::nullopt;
    }
    const Ref<AudioDevice>& device = audio::GetAudioDevice();
    if (device) {
        device->FlushDiscarded();
    }
    std::optional<AudioData> decoded = format == kAudioFormatWav
        ? audio::LoadWAV_mem(plain->data(), plain->size())
        : audio::LoadOGG_mem(plain->data(), plain->size());
    // 8 or 16 bits in mono or stereo only: any other layout has no device format and is
    // refused here rather than reported as a loaded, silent sound.
    if (!decoded || !HasPlayableFormat(*decoded)) {
        return std::nullopt;
    }
    return decoded;
}

Ref<Sample> LoadSampleEnc(const String& path)
{
    const Ref<AudioDevice>& device = audio::GetAudioDevice();
    if (!device) {
        return nullptr;
    }
    std::optional<AudioData> decoded = DecodeEnc(path);
    return decoded ? device->NewSample(*decoded) : nullptr;
}

}  // namespace

String EncryptedAudioFileName_(const String& path)
{
    return filepath::EncipheredName(path, {{U"wav", U"aux"}, {U"ogg", U"auy"}});
}

int AudioFormatFromEncryptedPath_(const String& path)
{
    if (EndsWith(path, U".aux")) {
        return kAudioFormatWav;
    }
    if (EndsWith(path, U".auy")) {
        return kAudioFormatOgg;
    }
    return kAudioFormatNone;
}

Ref<Sound> LoadSoundEnc(const String& path)
{
    Ref<Sample> sample = LoadSampleEnc(path);
    return sample ? std::make_shared<Sound>(std::move(sample)) : nullptr;
}

int PlayMusicEnc(const String& path, bool loop)
{
    const Ref<AudioDevice>& device = audio::GetAudioDevice();
    if (!device) {
        return kAudioFailed;
    }
    // Stopped before decoding, so the old track's buffer can go first.
    device->StopMusic();
    const Ref<Sample> sample = LoadSampleEnc(path);
    if (!sample) {
        return kAudioFailed;
    }
    // The channel holds the sample while it plays; ours goes when this returns.
    return device->PlaySample(sample, kMusicChannel, loop ? kPlayLoop : kPlayOnce) == kAudioOk
        ? kAudioOk
        : kAudioFailed;
}

int PlayMusicExt(const String& path, bool loop)
{
    if (AudioManager::encryptionEnabled) {
        return PlayMusicEnc(EncryptedAudioFileName_(path), loop);
    }
    return audio::PlayMusic(ToUtf8(path), loop ? kPlayLoop : kPlayOnce);
}

}  // namespace zelka::audiomanager
