#pragma once

#include "platform/audio/Sample.h"
#include "platform/core/Ref.h"

#include <utility>

namespace zelka {

// A loaded sound effect or track as the game holds it: one device sample, or none once
// discarded. Made by audio::LoadSound, or from a sample the caller made itself.
class Sound {
public:
    explicit Sound(Ref<Sample> sample) : sample_(std::move(sample)) {}

    // Discards the sample (its buffer goes once nothing plays it) and forgets it.
    void Discard()
    {
        if (sample_ != nullptr) {
            sample_->Discard();
            sample_ = nullptr;
        }
    }

    // Null after Discard.
    const Ref<Sample>& GetSample() const { return sample_; }

private:
    Ref<Sample> sample_;
};

}  // namespace zelka
