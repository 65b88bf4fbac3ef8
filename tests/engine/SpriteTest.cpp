#include "engine/media/Sprite.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "MediaTestSupport.h"
#include "engine/media/MediaConstants.h"
#include "engine/media/StringObject.h"
#include "tests/support/UpdateStep.h"

namespace zelka {
namespace {

using testing::kStepMs;
constexpr int kFrameMs = 62;   // one frame at the sheet's 16 frames per second

// Records every sequence-end event and runs an optional reaction inside the delivery.
class SequenceEndSpy : public EventListener {
public:
    void HandleEvent(Object* source, int id, Object* data) override
    {
        ASSERT_EQ(id, kEventSequenceEnded);
        auto* name = dynamic_cast<StringObject*>(data);
        ASSERT_NE(name, nullptr);
        names.push_back(name->value);
        statusDuringEvent.push_back(static_cast<Sprite*>(source)->GetPlaybackStatus());
        if (react) react(*static_cast<Sprite*>(source));
    }

    std::vector<String> names;
    std::vector<int> statusDuringEvent;
    std::function<void(Sprite&)> react;
};

class SpriteTest : public testing_media::RecordingFixture {
protected:
    void SetUp() override
    {
        RecordingFixture::SetUp();
        device_.AddFakeImage("sprite_sheet.png", 128, 32);   // 4 tiles of 32 x 32
        sprite_ = Sprite::New(U"sprite_sheet.png", 32, 32, 16);
        spy_ = std::make_shared<SequenceEndSpy>();
        EventManager::RegisterListener(spy_, sprite_, kEventSequenceEnded);
    }

    void TearDown() override
    {
        sprite_->Deallocate();
        RecordingFixture::TearDown();
    }

    // Updates of kStepMs until the frame changes; the number of updates it took.
    int UpdatesUntilFrameChange(int limit = 100)
    {
        const int frame = sprite_->GetCurrentFrame();
        const size_t events = spy_->names.size();
        for (int n = 1; n <= limit; ++n) {
            sprite_->Update(kStepMs);
            if (sprite_->GetCurrentFrame() != frame || spy_->names.size() != events) return n;
        }
        return -1;
    }

    // Current sequence, playback status and frame at once.
    std::tuple<String, int, int> Now() const
    {
        return {sprite_->GetCurrentSequence(), sprite_->GetPlaybackStatus(), sprite_->GetCurrentFrame()};
    }
    void Updates(int n, int ms = kFrameMs)
    {
        for (int i = 0; i < n; ++i) sprite_->Update(ms);
    }

    Ref<Sprite> sprite_;
    Ref<SequenceEndSpy> spy_;
};

using State = std::tuple<String, int, int>;

TEST_F(SpriteTest, FrameTimeFromFpsAndAFrozenSprite)
{
    EXPECT_EQ(sprite_->GetFrameTime(), kFrameMs);
    sprite_->SetFPS(999);
    EXPECT_EQ(sprite_->GetFrameTime(), 1);
    sprite_->SetFPS(-5);
    EXPECT_EQ(sprite_->GetFrameTime(), 0);
    // Frozen: never advances, draws its current tile.
    sprite_->DefineSequence(U"a", 1, 3, true);
    sprite_->PlaySequence(U"a");
    sprite_->Update(10000);
    EXPECT_EQ(sprite_->GetCurrentFrame(), 1);
    sprite_->Draw();
    const auto draws = SurfaceDraws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_FLOAT_EQ(draws[0].args[2], 32.0f);   // source x of tile 1
}

TEST_F(SpriteTest, LoopingSequenceAtSixteenMsSteps)
{
    sprite_->DefineSequence(U"spin", 0, 2, true);
    ASSERT_EQ(sprite_->PlaySequence(U"spin"), kPlaySequenceStarted);
    EXPECT_EQ(sprite_->GetCurrentFrame(), 0);
    // 62 ms frames: 4 updates of 16 ms (64 ms) per frame, the 2 ms excess dropped.
    for (int frame : {1, 2, 0}) {
        EXPECT_EQ(UpdatesUntilFrameChange(), 4);
        EXPECT_EQ(sprite_->GetCurrentFrame(), frame);
        EXPECT_EQ(spy_->names.size(), frame == 0 ? 1u : 0u);
    }
    EXPECT_EQ(spy_->names[0], U"spin");
    EXPECT_EQ(spy_->statusDuringEvent[0], kSpritePlaying);
    // A long update still moves one frame only.
    sprite_->Update(200);
    EXPECT_EQ(Now(), (State{U"spin", kSpritePlaying, 1}));
    EXPECT_EQ(sprite_->GetSequenceStep(), 1);
}

TEST_F(SpriteTest, NonLoopingSequenceEndsOnceAndStandsOnItsLastFrame)
{
    sprite_->DefineSequence2(U"once", {3, 1}, false);
    sprite_->PlaySequence(U"once");
    EXPECT_EQ(sprite_->GetCurrentFrame(), 3);
    EXPECT_EQ(UpdatesUntilFrameChange(), 4);
    EXPECT_EQ(sprite_->GetCurrentFrame(), 1);
    // The update after the last frame's time has run out sends the event.
    EXPECT_EQ(UpdatesUntilFrameChange(), 4);
    EXPECT_EQ(spy_->statusDuringEvent, (std::vector<int>{kSpriteSequenceEnded}));
    EXPECT_EQ(Now(), (State{U"", kSpriteStopped, 1}));
    Updates(20, kStepMs);
    EXPECT_EQ(spy_->names.size(), 1u);
    sprite_->Play();   // resumes the entry that stayed current
    EXPECT_EQ(sprite_->GetPlaybackStatus(), kSpritePlaying);
}

TEST_F(SpriteTest, ListenerThatSwitchesSequenceKeepsItPlaying)
{
    sprite_->DefineSequence(U"open", 0, 1, false);
    sprite_->DefineSequence(U"idle", 2, 3, true);
    spy_->react = [](Sprite& s) {
        if (s.GetPlaybackStatus() == kSpriteSequenceEnded) s.PlaySequence(U"idle");
    };
    sprite_->PlaySequence(U"open");
    Updates(2);   // frame 1, then the end of "open": the listener starts "idle"
    EXPECT_EQ(spy_->names.back(), U"open");
    EXPECT_EQ(Now(), (State{U"idle", kSpritePlaying, 2}));
    sprite_->Update(kFrameMs);
    EXPECT_EQ(sprite_->GetCurrentFrame(), 3);
    // A looping end whose listener switches: the new sequence starts at its first frame.
    spy_->react = [](Sprite& s) { s.PlaySequence(U"open"); };
    sprite_->Update(kFrameMs);
    EXPECT_EQ(spy_->names.back(), U"idle");
    EXPECT_EQ(Now(), (State{U"open", kSpritePlaying, 0}));
    EXPECT_EQ(sprite_->GetSequenceStep(), 0);

    // A looping end whose listener leaves no sequence current: "step 0" is skipped.
    sprite_->DefineSequence(U"loop", 0, 1, true);
    spy_->react = [](Sprite& s) { s.PlaySequence(U"undefined"); };
    sprite_->PlaySequence(U"loop");
    Updates(2);
    EXPECT_EQ(spy_->names.back(), U"loop");
    EXPECT_EQ(Now(), (State{U"", kSpriteStopped, 0}));   // rewound by PlaySequence, then left alone
}

TEST_F(SpriteTest, EmptySequenceKeepsTheFrameAndCountsAsEnded)
{
    sprite_->DefineSequence(U"two", 2, 2, false);
    sprite_->PlaySequence(U"two");
    sprite_->DefineSequence(U"none", 3, 1, false);   // last below first: no frames
    EXPECT_EQ(sprite_->GetSequenceStepCount(U"none"), 0);
    EXPECT_EQ(sprite_->PlaySequence(U"none"), kPlaySequenceStarted);
    sprite_->SetSequenceStep(5);   // nothing to step to
    EXPECT_EQ(sprite_->GetCurrentFrame(), 2);
    sprite_->Update(kFrameMs);
    EXPECT_EQ(spy_->names, (std::vector<String>{U"none"}));
    EXPECT_EQ(Now(), (State{U"", kSpriteStopped, 2}));

    sprite_->DefineSequence2(U"emptyloop", {}, true);
    sprite_->PlaySequence(U"emptyloop");
    Updates(2);
    EXPECT_EQ(spy_->names.size(), 3u);   // ends on every frame time, frame unchanged
    EXPECT_EQ(sprite_->GetCurrentFrame(), 2);
}

TEST_F(SpriteTest, PlaySequenceReturnsMinusTwoForCurrentAndMinusOneForUnknown)
{
    sprite_->DefineSequence(U"walk", 0, 0, false);
    sprite_->DefineSequence(U"walk", 0, 3, true);   // redefined: replaces
    ASSERT_EQ(sprite_->PlaySequence(U"walk"), kPlaySequenceStarted);
    Updates(2);
    EXPECT_EQ(sprite_->PlaySequence(U"walk"), kPlaySequenceAlready);
    EXPECT_EQ(sprite_->GetCurrentFrame(), 2);   // not restarted
    EXPECT_EQ(sprite_->GetSequenceStep(), 2);

    // Stopped, the entry stays: Play resumes, the same name restarts.
    sprite_->Stop2(false);
    EXPECT_EQ(sprite_->GetCurrentSequence(), U"");
    sprite_->Update(200);
    sprite_->Play();
    sprite_->Update(kFrameMs);
    EXPECT_EQ(sprite_->GetCurrentFrame(), 3);   // resumed where it was
    sprite_->Stop2(true);
    EXPECT_EQ(sprite_->GetCurrentFrame(), 0);
    sprite_->SetSequenceStep(9);
    EXPECT_EQ(sprite_->GetCurrentFrame(), 3);   // clamped
    EXPECT_EQ(sprite_->PlaySequence(U"walk"), kPlaySequenceStarted);
    EXPECT_EQ(sprite_->GetCurrentFrame(), 0);

    sprite_->Update(kFrameMs);
    EXPECT_EQ(sprite_->PlaySequence(U"WALK"), kPlaySequenceUnknown);   // names are exact
    EXPECT_EQ(Now(), (State{U"", kSpriteStopped, 0}));   // the old sequence was rewound first
    sprite_->Play();   // nothing current: stays stopped
    EXPECT_EQ(sprite_->GetPlaybackStatus(), kSpriteStopped);
}

TEST_F(SpriteTest, DeallocateReleasesTheTileSetAndItsTexture)
{
    const auto tiles = std::dynamic_pointer_cast<TileSet>(sprite_->GetTileSet());
    ASSERT_TRUE(tiles);
    const Ref<Texture> sheet = tiles->GetTexture();
    sprite_->Deallocate();
    EXPECT_EQ(sprite_->GetTileSet(), nullptr);
    EXPECT_FALSE(sheet->IsRegistered());
    EXPECT_FLOAT_EQ(sprite_->GetWidth(), 0.0f);
}

}  // namespace
}  // namespace zelka
