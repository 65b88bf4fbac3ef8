#pragma once

namespace zelka {

// Decoded audio held by an audio device (one device buffer). Made only by an AudioDevice;
// callers hold it by Ref. A channel playing the sample holds a Ref too, so dropping the
// caller's Ref never cuts a sound short. Whether the sample is discarded explicitly or
// reclaimed, its buffer is freed by the device later, once no channel plays it.
class Sample {
public:
    virtual ~Sample() = default;

    // Queues the buffer for deletion and forgets it. A discarded sample plays nothing.
    // Safe to call twice, and after the device is gone (then it makes no device call).
    virtual void Discard() = 0;

    // True once Discard has run (or the sample never held a buffer).
    [[nodiscard]] virtual bool IsDiscarded() const = 0;

    // Length in sample frames, channel count (1 or 2), bytes per sample (1 or 2) and rate
    // in hertz, as decoded. Kept after Discard.
    int Length() const { return length_; }
    int Channels() const { return channels_; }
    int BytesPerSample() const { return bytesPerSample_; }
    int Rate() const { return rate_; }

protected:
    Sample(int length, int channels, int bytesPerSample, int rate)
        : length_(length), channels_(channels), bytesPerSample_(bytesPerSample), rate_(rate)
    {
    }

private:
    int length_ = 0;
    int channels_ = 0;
    int bytesPerSample_ = 0;
    int rate_ = 0;
};

}  // namespace zelka
