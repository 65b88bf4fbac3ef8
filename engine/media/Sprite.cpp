#include "engine/media/Sprite.h"

#include "engine/core/EventManager.h"
#include "engine/media/MediaConstants.h"
#include "engine/media/StringObject.h"

#include <algorithm>

namespace zelka {

Sprite::Sprite(Ref<DrawableCollection> collection, int fps) : collection_(std::move(collection))
{
    SetFPS(fps);
}

Ref<Sprite> Sprite::New(const String& path, int tileWidth, int tileHeight, int fps)
{
    return New2(TileSet::New(Texture::GetTexture(path), tileWidth, tileHeight), fps);
}

Ref<Sprite> Sprite::New2(Ref<DrawableCollection> collection, int fps)
{
    return std::make_shared<Sprite>(std::move(collection), fps);
}

void Sprite::DefineSequence(const String& sequenceName, int firstTile, int lastTile, bool loop)
{
    std::vector<int> frames;
    for (int tile = firstTile; tile <= lastTile; ++tile) {
        frames.push_back(tile);
    }
    DefineSequence2(sequenceName, std::move(frames), loop);
}

void Sprite::DefineSequence2(const String& sequenceName, std::vector<int> tiles, bool loop)
{
    sequences_[sequenceName] = std::make_shared<SequenceEntry>(loop, std::move(tiles));
}

void Sprite::RewindCurrent()
{
    if (current_) {
        step_ = 0;
        if (!current_->frames.empty()) {
            frame_ = current_->frames.front();
        }
    }
}

int Sprite::PlaySequence(const String& sequenceName)
{
    if (sequenceName == currentName_) {
        return kPlaySequenceAlready;
    }
    status_ = kSpriteStopped;
    RewindCurrent();
    elapsed_ = 0;
    currentName_.clear();
    const auto it = sequences_.find(sequenceName);
    if (it == sequences_.end()) {
        current_.reset();
        return kPlaySequenceUnknown;
    }
    current_ = it->second;
    currentName_ = sequenceName;
    RewindCurrent();
    status_ = kSpritePlaying;
    return kPlaySequenceStarted;
}

void Sprite::Play()
{
    if (current_) {
        status_ = kSpritePlaying;
    }
}

void Sprite::Stop2(bool rewind)
{
    status_ = kSpriteStopped;
    if (rewind) {
        RewindCurrent();
    }
    elapsed_ = 0;
    currentName_.clear();
}

void Sprite::SetFPS(int fps)
{
    if (fps <= 0) {
        frameTime_ = 0;
    } else if (fps >= kMaxSpriteFps) {
        frameTime_ = 1;
    } else {
        frameTime_ = kMaxSpriteFps / fps;
    }
}

void Sprite::SetSequenceStep(int step)
{
    if (!current_ || current_->frames.empty()) {
        return;
    }
    step_ = std::clamp(step, 0, static_cast<int>(current_->frames.size()) - 1);
    frame_ = current_->frames[static_cast<std::size_t>(step_)];
}

int Sprite::GetSequenceStepCount(const String& sequenceName) const
{
    const auto it = sequences_.find(sequenceName);
    return it == sequences_.end() ? 0 : static_cast<int>(it->second->frames.size());
}

float Sprite::GetWidth() const
{
    return collection_ ? static_cast<float>(collection_->GetDrawableWidth()) : 0.0f;
}

float Sprite::GetHeight() const
{
    return collection_ ? static_cast<float>(collection_->GetDrawableHeight()) : 0.0f;
}

void Sprite::Draw()
{
    if (collection_) {
        collection_->SetCurrentDrawable(frame_);
        collection_->Draw();
    }
}

void Sprite::SendSequenceEnded()
{
    // A copy of the name: a listener may switch sequences while the event is delivered.
    StringObject name(currentName_);
    EventManager::SendEvent(this, kEventSequenceEnded, &name);
}

void Sprite::AdvanceFrame()
{
    // Held across the event: a listener may redefine or replace the sequence.
    const Ref<SequenceEntry> entry = current_;
    const int count = static_cast<int>(entry->frames.size());
    if (step_ < count - 1) {
        ++step_;
        frame_ = entry->frames[static_cast<std::size_t>(step_)];
    } else if (entry->loop) {
        SendSequenceEnded();
        // Whatever is current after the event starts over; an empty sequence keeps the
        // frame shown, and with none current there is nothing to rewind.
        RewindCurrent();
    } else {
        status_ = kSpriteSequenceEnded;
        SendSequenceEnded();
        if (status_ == kSpriteSequenceEnded) {
            Stop2(false);
        }
    }
    elapsed_ = 0;   // one frame per update at most; time beyond the frame is dropped
}

void Sprite::Update(int ms)
{
    // Keeps this sprite alive should a listener drop the last other reference to it.
    const Ref<Object> self = weak_from_this().lock();
    if (status_ == kSpritePlaying) {
        elapsed_ += ms;
        if (frameTime_ > 0 && current_ && elapsed_ >= frameTime_) {
            AdvanceFrame();
        }
    }
    if (auto* updateable = dynamic_cast<Updateable*>(collection_.get())) {
        if (updateable->IsEnabled()) {
            updateable->Update(ms);
        }
    }
    GDO::Update(ms);
}

void Sprite::Deallocate()
{
    GDO::Deallocate();
    if (auto* resource = dynamic_cast<Resource*>(collection_.get())) {
        resource->Deallocate();
    }
    collection_.reset();
}

}  // namespace zelka
