#pragma once

#include "platform/audio/Sample.h"

#include <AL/al.h>

#include <memory>
#include <vector>

namespace zelka {

// Buffers of discarded samples waiting until no source holds them. Owned by the device;
// samples see it through a weak pointer, so once the device is gone they make no AL call.
struct OpenALDiscardQueue {
    std::vector<ALuint> buffers;
};

// A sample in one OpenAL buffer (0 = none: discarded, or loaded while no device was open).
class OpenALSample final : public Sample {
public:
    OpenALSample(const std::weak_ptr<OpenALDiscardQueue>& queue, ALuint buffer, int length,
                 int channels, int bytesPerSample, int rate);
    // A sample nobody refers to any more queues its buffer just as Discard does.
    ~OpenALSample() override;

    // Implements Sample.
    void Discard() override;
    bool IsDiscarded() const override { return buffer_ == 0; }

    ALuint Buffer() const { return buffer_; }

private:
    std::weak_ptr<OpenALDiscardQueue> queue_;
    ALuint buffer_ = 0;
};

}  // namespace zelka
