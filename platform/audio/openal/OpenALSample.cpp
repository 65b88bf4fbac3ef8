#include "platform/audio/openal/OpenALSample.h"

namespace zelka {

OpenALSample::OpenALSample(const std::weak_ptr<OpenALDiscardQueue>& queue, ALuint buffer,
                           int length, int channels, int bytesPerSample, int rate)
    : Sample(length, channels, bytesPerSample, rate), queue_(queue), buffer_(buffer)
{
}

OpenALSample::~OpenALSample() { Discard(); }

void OpenALSample::Discard()
{
    if (buffer_ == 0) {
        return;
    }
    // Deleting now could fail (a source may still play it) or touch a dead context, so the
    // buffer only joins the queue; the device deletes it at its next flush.
    if (std::shared_ptr<OpenALDiscardQueue> queue = queue_.lock()) {
        queue->buffers.push_back(buffer_);
    }
    buffer_ = 0;
}

}  // namespace zelka
