#pragma once

#include "engine/display/GDO.h"
#include "engine/media/TileSet.h"
#include "platform/core/Text.h"

#include <map>
#include <vector>

namespace zelka {

// A named frame sequence of a sprite: tile indices in play order.
class SequenceEntry : public Object {
public:
    SequenceEntry(bool loopFlag, std::vector<int> frameList)
        : loop(loopFlag), frames(std::move(frameList)) {}

    bool loop;
    std::vector<int> frames;
};

// A display node that animates a tile set through named frame sequences. Each frame shows
// for a fixed number of milliseconds; at most one frame changes per update. When the last
// frame of a sequence has run out the sprite sends kEventSequenceEnded (data: a
// StringObject with the sequence name); a looping sequence then starts over, a non-looping
// one stops on its last frame unless a listener started another sequence meanwhile.
class Sprite : public GDO {
public:
    // A tile set of tileWidth x tileHeight on the texture of `path` (fatal when the image
    // is missing, see TileSet::New).
    static Ref<Sprite> New(const String& path, int tileWidth, int tileHeight, int fps);
    static Ref<Sprite> New2(Ref<DrawableCollection> collection, int fps);

    // Frames firstTile, firstTile + 1, ... lastTile (none when lastTile < firstTile).
    // A name defined again replaces the earlier sequence.
    void DefineSequence(const String& sequenceName, int firstTile, int lastTile, bool loop);
    void DefineSequence2(const String& sequenceName, std::vector<int> tiles, bool loop);

    // 0 when the sequence starts, kPlaySequenceAlready (-2) when it is the current one
    // (not restarted), kPlaySequenceUnknown (-1) when undefined (none is current then,
    // and the last frame shown stays).
    virtual int PlaySequence(const String& sequenceName);
    // Resumes the current sequence entry, if any.
    void Play();
    // Stops; with rewind the current sequence goes back to its first frame. The current
    // name becomes "" while the entry stays, so Play resumes it and PlaySequence with the
    // same name restarts it.
    void Stop2(bool rewind);
    // 0 or less freezes the sprite; 1000 or more gives 1 ms frames; else 1000 div fps.
    void SetFPS(int fps);
    // Clamped to the current sequence's frames; nothing without a current sequence.
    void SetSequenceStep(int step);

    int GetPlaybackStatus() const { return status_; }
    const Ref<DrawableCollection>& GetTileSet() const { return collection_; }
    int GetSequenceStep() const { return step_; }
    const String& GetCurrentSequence() const { return currentName_; }
    int GetCurrentFrame() const { return frame_; }
    int GetFrameTime() const { return frameTime_; }
    // Frames of the named sequence, 0 when undefined.
    int GetSequenceStepCount(const String& sequenceName) const;

    float GetWidth() const override;
    float GetHeight() const override;
    void Draw() override;
    void Update(int ms) override;
    void Deallocate() override;

    Sprite(Ref<DrawableCollection> collection, int fps);

private:
    void AdvanceFrame();
    void SendSequenceEnded();
    // First frame of the current entry, when it has one.
    void RewindCurrent();

    Ref<DrawableCollection> collection_;
    int status_ = 0;
    std::map<String, Ref<SequenceEntry>> sequences_;
    int frameTime_ = 0;
    Ref<SequenceEntry> current_;
    String currentName_;
    int step_ = 0;
    int frame_ = 0;
    int elapsed_ = 0;
};

}  // namespace zelka
