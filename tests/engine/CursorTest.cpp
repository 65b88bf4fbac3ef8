#include "engine/ui/Cursor.h"

#include "engine/display/GDOWithSize.h"
#include "engine/ui/ArrowCursor.h"
#include "tests/support/UpdateStep.h"

#include <gtest/gtest.h>

#include <array>

namespace zelka {
namespace {

using testing::kStepMs;

// Position and frame size.
using Box = std::array<float, 4>;
Box Place(const Cursor& c) { return {c.position->x, c.position->y, c.GetFrame()->width, c.GetFrame()->height}; }

TEST(Cursor, SlidesAndResizesOntoItsTargetInOneHundredMs)
{
    Ref<Cursor> cursor = Cursor::New(nullptr);
    Ref<GDOWithSize> item = GDOWithSize::New(120, 20);
    item->position->Set(40, 60);
    cursor->MoveTo(item);
    cursor->Update(50);
    // Cubic ease-in: an eighth of the way at half time.
    EXPECT_EQ(Place(*cursor), (Box{5, 7.5f, 15, 2.5f}));
    cursor->Update(50);
    EXPECT_EQ(Place(*cursor), (Box{40, 60, 120, 20}));
    // Once the slide has ended, moving the item does not drag the cursor, nor does a move
    // to no target.
    cursor->Update(kStepMs);
    item->position->Set(0, 0);
    cursor->MoveTo(nullptr);
    cursor->Update(kStepMs);
    EXPECT_EQ(Place(*cursor), (Box{40, 60, 120, 20}));

    // The next move starts from where the cursor is, midway included.
    Ref<GDOWithSize> other = GDOWithSize::New(50, 20);
    other->position->Set(40, 200);
    cursor->MoveTo(other);
    cursor->Update(50);
    EXPECT_GT(cursor->position->y, 60);
    EXPECT_LT(cursor->position->y, 200);
    cursor->MoveTo(item);
    cursor->Update(100);
    EXPECT_EQ(Place(*cursor), (Box{0, 0, 120, 20}));
}

TEST(ArrowCursor, PulsesAndKeepsItsMirroring)
{
    Ref<ArrowCursor> arrow = ArrowCursor::New(1);
    EXPECT_EQ(arrow->GetTexture()->GetSource(), U"cursor1.png");
    arrow->scale.x = -1;
    float low = 10;
    float high = -10;
    for (int t = 0; t < 1200; t += kStepMs) {
        arrow->Update(kStepMs);
        EXPECT_FLOAT_EQ(arrow->scale.y, -arrow->scale.x);
        low = std::min(low, arrow->scale.x);
        high = std::max(high, arrow->scale.x);
    }
    EXPECT_NEAR(low, -1.25f, 0.01f);
    EXPECT_NEAR(high, -0.75f, 0.01f);
    EXPECT_TRUE(arrow->GetTween()->IsPlaying());
}

}  // namespace
}  // namespace zelka
