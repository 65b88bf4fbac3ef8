#include "platform/audio/openal/OpenALAudioDevice.h"

#include "platform/audio/AudioDecoders.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

namespace zelka {
namespace {

// Tried in this order when the default output will not open.
constexpr const char* kFallbackDevices[] = {"Generic Hardware", "Generic Software"};

ALenum FormatOf(int channels, int bytesPerSample)
{
    if (bytesPerSample == 1) {
        return channels == 1 ? AL_FORMAT_MONO8 : AL_FORMAT_STEREO8;
    }
    return channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
}

}  // namespace

OpenALAudioDevice::OpenALAudioDevice()
{
    Open();
}

void OpenALAudioDevice::Open()
{
    device_ = alcOpenDevice(nullptr);
    for (const char* name : kFallbackDevices) {
        if (device_ == nullptr) {
            device_ = alcOpenDevice(name);
        }
    }
    std::puts("opening openal device");
    if (device_ == nullptr) {
        std::puts("OpenAl error: alcOpenDevice failed");
        return;
    }
    ALCcontext* context = alcCreateContext(device_, nullptr);
    if (context == nullptr) {
        std::puts("OpenAl error: alcCreateContext failed");
        return;
    }
    if (alcMakeContextCurrent(context) == ALC_FALSE) {
        std::puts("OpenAl error: alcMakeContextCurrent failed");
        alcDestroyContext(context);
        return;
    }
    context_ = context;
    // Positions only pan: no distance attenuation.
    alDistanceModel(AL_NONE);
    SourceFor(kMusicChannel);
}

OpenALAudioDevice::~OpenALAudioDevice()
{
    if (context_ != nullptr) {
        for (Channel& c : channels_) {
            if (c.source != 0) {
                alSourceStop(c.source);
                alDeleteSources(1, &c.source);
            }
            c.sample = nullptr;   // queues the buffer if this was its last owner
        }
        for (ALuint buffer : discarded_->buffers) {
            alDeleteBuffers(1, &buffer);
        }
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context_);
    }
    if (device_ != nullptr) {
        alcCloseDevice(device_);
    }
    // Samples still alive hold only a weak pointer to this queue: once it is gone their
    // Discard and destructor touch nothing.
    discarded_.reset();
}

ALint OpenALAudioDevice::SourceState(ALuint source) const
{
    ALint state = AL_STOPPED;
    if (context_ != nullptr && source != 0) {
        alGetSourcei(source, AL_SOURCE_STATE, &state);
    }
    return state;
}

bool OpenALAudioDevice::IsSourcePlaying(int channel) const
{
    return IsChannel(channel) && channels_[channel].source != 0
        && SourceState(channels_[channel].source) == AL_PLAYING;
}

void OpenALAudioDevice::MarkStopped(Channel& channel)
{
    channel.state = kChannelStopped;
    channel.sample = nullptr;
}

// A channel keeps its source once it has one. When OpenAL will make no more, the first
// sound channel that has a source and has stopped hands it over. 0 = no source.
ALuint OpenALAudioDevice::SourceFor(int channel)
{
    Channel& c = channels_[channel];
    if (c.source != 0 || context_ == nullptr) {
        return c.source;
    }
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() == AL_NO_ERROR && source != 0) {
        c.source = source;
        return source;
    }
    for (int i = 0; i < kSoundChannelCount; ++i) {
        Channel& donor = channels_[i];
        if (donor.source != 0 && ChannelState(i) == kChannelStopped) {
            c.source = std::exchange(donor.source, 0);
            MarkStopped(donor);
            return c.source;
        }
    }
    return 0;
}

void OpenALAudioDevice::Suspend()
{
    for (Channel& c : channels_) {
        if (c.state == kChannelPlaying && SourceState(c.source) == AL_PLAYING) {
            alSourcePause(c.source);
        }
    }
}

void OpenALAudioDevice::Resume()
{
    for (Channel& c : channels_) {
        if (c.state == kChannelPlaying && SourceState(c.source) == AL_PAUSED) {
            alSourcePlay(c.source);
        }
    }
}

Ref<Sample> OpenALAudioDevice::LoadSample(std::string_view path)
{
    FlushDiscarded();
    std::optional<AudioData> data = audio::LoadAudioData(path);
    return data ? NewSample(*data) : nullptr;
}

Ref<Sample> OpenALAudioDevice::NewSample(const AudioData& data)
{
    FlushDiscarded();
    if (!HasPlayableFormat(data)) {
        return nullptr;
    }
    ALuint buffer = 0;
    if (context_ != nullptr) {
        alGetError();
        alGenBuffers(1, &buffer);
        if (alGetError() != AL_NO_ERROR) {
            return nullptr;
        }
        auto bytes = static_cast<ALsizei>(static_cast<std::size_t>(data.length) * data.channels
                                          * data.bytesPerSample);
        alBufferData(buffer, FormatOf(data.channels, data.bytesPerSample), data.samples.data(), bytes,
                     data.rate);
        if (alGetError() != AL_NO_ERROR) {
            alDeleteBuffers(1, &buffer);
            return nullptr;
        }
    }
    // Without a device the sample is still made (the file did decode) but holds no buffer.
    return std::make_shared<OpenALSample>(discarded_, buffer, data.length, data.channels,
                                          data.bytesPerSample, data.rate);
}

int OpenALAudioDevice::PlaySample(const Ref<Sample>& sample, int channel, int flags)
{
    FlushDiscarded();
    auto* alSample = dynamic_cast<OpenALSample*>(sample.get());
    if (!IsChannel(channel) || alSample == nullptr || alSample->IsDiscarded()) {
        return kAudioFailed;
    }
    ALuint source = SourceFor(channel);
    if (source == 0) {
        return kAudioFailed;
    }
    Channel& c = channels_[channel];
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(alSample->Buffer()));
    alSourcei(source, AL_LOOPING, flags != 0 ? AL_TRUE : AL_FALSE);
    alSourcePlay(source);
    c.sample = sample;
    c.flags = flags;
    c.state = kChannelPlaying;
    return kAudioOk;
}

void OpenALAudioDevice::StopChannel(int channel)
{
    if (!IsChannel(channel) || channels_[channel].state == kChannelStopped) {
        return;
    }
    Channel& c = channels_[channel];
    if (c.source != 0) {
        alSourceStop(c.source);
    }
    MarkStopped(c);
}

void OpenALAudioDevice::PauseChannel(int channel)
{
    if (!IsChannel(channel) || channels_[channel].state != kChannelPlaying) {
        return;
    }
    Channel& c = channels_[channel];
    if (SourceState(c.source) == AL_STOPPED) {
        MarkStopped(c);
        return;
    }
    alSourcePause(c.source);
    c.state = kChannelPaused;
}

void OpenALAudioDevice::ResumeChannel(int channel)
{
    if (!IsChannel(channel) || channels_[channel].state != kChannelPaused) {
        return;
    }
    Channel& c = channels_[channel];
    alSourcePlay(c.source);
    c.state = kChannelPlaying;
}

int OpenALAudioDevice::ChannelState(int channel)
{
    if (!IsChannel(channel)) {
        return kChannelStopped;
    }
    Channel& c = channels_[channel];
    if (c.state == kChannelPlaying && SourceState(c.source) == AL_STOPPED) {
        MarkStopped(c);
    }
    return c.state;
}

void OpenALAudioDevice::SetVolume(int channel, float volume)
{
    if (IsChannel(channel)) {
        if (ALuint source = SourceFor(channel)) {
            alSourcef(source, AL_GAIN, volume);
        }
    }
}

void OpenALAudioDevice::SetPan(int channel, float pan)
{
    if (IsChannel(channel)) {
        if (ALuint source = SourceFor(channel)) {
            alSource3f(source, AL_POSITION, std::sin(pan), 0.0f, -std::cos(pan));
        }
    }
}

void OpenALAudioDevice::SetRate(int channel, float rate)
{
    if (IsChannel(channel)) {
        if (ALuint source = SourceFor(channel)) {
            alSourcef(source, AL_PITCH, rate);
        }
    }
}

int OpenALAudioDevice::PlayMusic(std::string_view path, int flags)
{
    StopMusic();
    Ref<Sample> sample = LoadSample(path);
    if (sample == nullptr) {
        return kAudioFailed;
    }
    // A loaded file counts as success even when nothing can sound (no device, no source).
    (void)PlaySample(sample, kMusicChannel, flags);
    return kAudioOk;
}

void OpenALAudioDevice::StopMusic() { StopChannel(kMusicChannel); }

void OpenALAudioDevice::PauseMusic() { PauseChannel(kMusicChannel); }

void OpenALAudioDevice::ResumeMusic() { ResumeChannel(kMusicChannel); }

int OpenALAudioDevice::MusicState() { return ChannelState(kMusicChannel); }

void OpenALAudioDevice::SetMusicVolume(float volume) { SetVolume(kMusicChannel, volume); }

// OpenAL refuses to delete a buffer that any source still has attached, even a stopped
// one, and a call deleting several buffers fails whole if one is refused. So stopped
// sources let go of their buffers first, and buffers are deleted one at a time; a refused
// one stays queued for the next flush.
void OpenALAudioDevice::FlushDiscarded()
{
    std::vector<ALuint>& waiting = discarded_->buffers;
    if (waiting.empty() || context_ == nullptr) {
        return;
    }
    for (Channel& c : channels_) {
        ALint state = SourceState(c.source);
        if (c.source != 0 && state != AL_PLAYING && state != AL_PAUSED) {
            alSourcei(c.source, AL_BUFFER, 0);
        }
    }
    std::vector<ALuint> kept;
    for (ALuint buffer : waiting) {
        alGetError();
        alDeleteBuffers(1, &buffer);
        if (alGetError() != AL_NO_ERROR) {
            kept.push_back(buffer);
        }
    }
    waiting = std::move(kept);
}

}  // namespace zelka
