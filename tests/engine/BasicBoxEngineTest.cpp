#include "engine/collision/BasicBoxEngine.h"

#include "engine/collision/Circle.h"

#include "engine/core/EventManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

namespace zelka {

namespace {

struct Contact {
    int id;
    StaticBox* other;
    float pushX, pushY;
};

class ContactListener : public EventListener {
public:
    void HandleEvent(Object* /*source*/, int id, Object* data) override
    {
        auto* record = static_cast<CollisionData*>(data);
        contacts.push_back({id, record->other.get(), record->push.x, record->push.y});
        if (action) {
            action(*record);
        }
    }
    std::vector<Contact> contacts;
    std::function<void(CollisionData&)> action;
};

class BasicBoxEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EventManager::RemoveAllListeners();
        EventManager::mute = false;
    }
    void TearDown() override
    {
        engine->Deallocate();
        EventManager::RemoveAllListeners();
    }
    Ref<ContactListener> ListenTo(const Ref<CollisionBox>& box)
    {
        auto listener = std::make_shared<ContactListener>();
        EventManager::RegisterListener(listener, box, kEventAnyId);
        return listener;
    }
    Ref<BasicBoxEngine> engine = BasicBoxEngine::New(100, 100, U"boxes");
};

}  // namespace

TEST(Rectangle, TouchingIsNoOverlapAndTiesPushAlongY)
{
    const Rectangle a(0.0f, 0.0f, 10.0f, 10.0f);
    Vector push;
    Vector overlap;
    EXPECT_FALSE(a.SolveCollision(Rectangle(10.0f, 0.0f, 10.0f, 10.0f), &push, &overlap));
    EXPECT_FALSE(a.SolveCollision(Rectangle(0.0f, -10.0f, 10.0f, 10.0f), &push, &overlap));

    // Equal overlaps (4, 4): pushed along y, away from the other box.
    ASSERT_TRUE(a.SolveCollision(Rectangle(6.0f, 6.0f, 10.0f, 10.0f), &push, &overlap));
    EXPECT_EQ(push.x, 0.0f);
    EXPECT_EQ(push.y, -4.0f);
    EXPECT_EQ(overlap.x, 4.0f);
    EXPECT_EQ(overlap.y, 4.0f);

    // Smaller x overlap: pushed along x.
    ASSERT_TRUE(a.SolveCollision(Rectangle(-8.0f, 1.0f, 10.0f, 10.0f), &push, nullptr));
    EXPECT_EQ(push.x, 2.0f);
    EXPECT_EQ(push.y, 0.0f);

    // Same centre: sign(0) = 0, no push at all.
    ASSERT_TRUE(a.SolveCollision(Rectangle(0.0f, 0.0f, 4.0f, 4.0f), &push, nullptr));
    EXPECT_EQ(push.x, 0.0f);
    EXPECT_EQ(push.y, 0.0f);
}

TEST(Circle, StrictOverlap)
{
    const Circle c(0.0f, 0.0f, 5.0f);
    EXPECT_FALSE(c.TestCollision(8.0f, 0.0f, 3.0f));  // exactly touching
    EXPECT_TRUE(c.TestCollision(7.9f, 0.0f, 3.0f));
    EXPECT_TRUE(c.TestCollision2(Circle(3.0f, 4.0f, 0.5f)));
}

TEST_F(BasicBoxEngineTest, BoxOnCellBorderIsFiledInBothCells)
{
    auto solid = engine->AddSolid2(100.0f, 50.0f, 20.0f, 20.0f, nullptr);
    ASSERT_NE(engine->GetSolidRectsForCluster_(0, 0, false), nullptr);
    ASSERT_NE(engine->GetSolidRectsForCluster_(1, 0, false), nullptr);
    EXPECT_EQ(engine->GetSolidRectsForCluster_(0, 0, false)->size(), 1u);
    EXPECT_EQ(engine->GetSolidRectsForCluster_(1, 0, false)->size(), 1u);
    EXPECT_EQ(engine->GetSolidRectsForCluster_(2, 0, false), nullptr);
    // Negative coordinates are floored, not truncated toward zero.
    engine->AddSolid2(-10.0f, -10.0f, 4.0f, 4.0f, nullptr);
    EXPECT_NE(engine->GetSolidRectsForCluster_(-1, -1, false), nullptr);
    engine->RemoveSolid(solid);
    EXPECT_TRUE(engine->GetSolidRectsForCluster_(0, 0, false)->empty());
    EXPECT_TRUE(engine->GetSolidRectsForCluster_(1, 0, false)->empty());
}

TEST_F(BasicBoxEngineTest, AnchoredBoxIsPushedOutAndReported)
{
    auto wall = engine->AddSolid2(50.0f, 50.0f, 20.0f, 20.0f, nullptr);
    auto anchor = Vector::New2(35.0f, 52.0f);
    // Offset (-2, 0): the box is centred at 33 and spans 28..38; the wall spans 40..60.
    auto box = CollisionBox::New(anchor, -2.0f, 0.0f, 10.0f, 10.0f, nullptr);
    engine->AddDynamic(box);
    auto listener = ListenTo(box);
    engine->Update(16);
    EXPECT_TRUE(listener->contacts.empty());

    anchor->Set(39.0f, 52.0f);  // box 32..42: overlap x 2, y 8, pushed left by 2
    engine->Update(16);
    ASSERT_EQ(listener->contacts.size(), 1u);
    EXPECT_EQ(listener->contacts[0].id, kEventSolidContact);
    EXPECT_EQ(listener->contacts[0].other, wall.get());
    EXPECT_EQ(anchor->x, 37.0f);  // the anchor moves, the offset stays
    EXPECT_EQ(anchor->y, 52.0f);
    EXPECT_EQ(box->correction.x, -2.0f);
    EXPECT_EQ(box->center.x, -2.0f);
}

TEST_F(BasicBoxEngineTest, HandlerZeroingThePushCancelsTheMove)
{
    engine->AddSolid2(50.0f, 50.0f, 20.0f, 20.0f, nullptr);
    auto anchor = Vector::New2(37.0f, 52.0f);
    auto box = CollisionBox::New(anchor, 0.0f, 0.0f, 10.0f, 10.0f, nullptr);
    engine->AddDynamic(box);
    auto listener = ListenTo(box);
    listener->action = [](CollisionData& data) { data.push.Set(0.0f, 0.0f); };
    engine->Update(16);
    ASSERT_EQ(listener->contacts.size(), 1u);
    EXPECT_EQ(anchor->x, 37.0f);  // not moved
    EXPECT_EQ(anchor->y, 52.0f);
}

TEST_F(BasicBoxEngineTest, UnanchoredBoxIsReportedButNothingMoves)
{
    engine->AddSolid2(50.0f, 50.0f, 20.0f, 20.0f, nullptr);
    auto box = CollisionBox::New2(37.0f, 52.0f, 10.0f, 10.0f);
    engine->AddDynamic(box);
    auto listener = ListenTo(box);
    engine->Update(16);
    EXPECT_EQ(listener->contacts.size(), 1u);
    EXPECT_EQ(box->center.x, 37.0f);
    EXPECT_EQ(box->correction.x, -2.0f);  // the total push is still recorded
}

TEST_F(BasicBoxEngineTest, LaterSolidsSeeTheCorrectedPosition)
{
    // Two walls side by side in one cell; after the first push the box no longer reaches
    // the second one.
    engine->AddSolid2(50.0f, 50.0f, 20.0f, 20.0f, nullptr);
    engine->AddSolid2(50.0f, 71.0f, 20.0f, 20.0f, nullptr);
    auto anchor = Vector::New2(37.0f, 62.0f);
    auto box = CollisionBox::New(anchor, 0.0f, 0.0f, 10.0f, 10.0f, nullptr);
    engine->AddDynamic(box);
    auto listener = ListenTo(box);
    engine->Update(16);
    EXPECT_EQ(listener->contacts.size(), 1u);
    EXPECT_EQ(anchor->x, 35.0f);
}

TEST_F(BasicBoxEngineTest, RunawayCoordinatesEndTheCellWalk)
{
    // A box beyond the last grid cell (or at infinity) once made the cell counter run past
    // INT_MAX: the walk never ended. Far-off boxes are filed and found in the last cell.
    const float far = 1e30f;
    auto solid = engine->AddSolid2(far, far, 20.0f, 20.0f, nullptr);
    auto box = CollisionBox::New2(far, far, 10.0f, 10.0f);
    auto listener = ListenTo(box);
    engine->AddDynamic(box);
    auto lost = CollisionBox::New2(std::numeric_limits<float>::infinity(), 0.0f, 10.0f, 10.0f);
    engine->AddDynamic(lost);
    engine->Update(16);
    ASSERT_EQ(listener->contacts.size(), 1u);
    EXPECT_EQ(listener->contacts[0].other, solid.get());
    engine->RemoveSolid(solid);
    EXPECT_TRUE(engine->GetSolidRectsForCluster_(std::numeric_limits<int>::max() - 1,
                                                 std::numeric_limits<int>::max() - 1, false)
                    ->empty());
}

TEST_F(BasicBoxEngineTest, CellSizesBelowOneAreRefused)
{
    // A size of 0 once made every box cover about 2^32 cells: the first solid hung the game.
    EXPECT_EQ(BasicBoxEngine::New(0, 32, U"ZERO"), nullptr);
    EXPECT_EQ(BasicBoxEngine::New(32, -4, U"NEGATIVE"), nullptr);
    BasicBoxEngine direct(0, -1, U"DIRECT");   // built anyway: one-pixel cells
    auto solid = direct.AddSolid2(2.5f, 0.5f, 1.0f, 1.0f, nullptr);
    ASSERT_NE(direct.GetSolidRectsForCluster_(2, 0, false), nullptr);
    EXPECT_EQ(direct.GetSolidRectsForCluster_(2, 0, false)->front(), solid);
    EXPECT_EQ(direct.GetSolidRectsForCluster_(5, 0, false), nullptr);
}

TEST_F(BasicBoxEngineTest, NonSolidKinematicIsReportedButNeverPushes)
{
    auto ghost = CollisionBox::New2(40.0f, 0.0f, 10.0f, 10.0f);
    ghost->solid = false;
    auto block = CollisionBox::New2(-40.0f, 0.0f, 10.0f, 10.0f);
    engine->AddKinematic(ghost);
    engine->AddKinematic(block);
    auto anchor = Vector::New2(36.0f, 0.0f);
    auto box = CollisionBox::New(anchor, 0.0f, 0.0f, 10.0f, 10.0f, nullptr);
    engine->AddKinematic(box);  // itself is skipped
    engine->AddDynamic(box);
    auto listener = ListenTo(box);
    engine->Update(16);
    ASSERT_EQ(listener->contacts.size(), 1u);
    EXPECT_EQ(listener->contacts[0].id, kEventKinematicOverlap);
    EXPECT_EQ(listener->contacts[0].other, ghost.get());
    EXPECT_EQ(anchor->x, 36.0f);

    anchor->Set(-36.0f, 0.0f);
    engine->Update(16);
    ASSERT_EQ(listener->contacts.size(), 2u);
    EXPECT_EQ(listener->contacts[1].other, block.get());
    EXPECT_EQ(anchor->x, -30.0f);
}

TEST_F(BasicBoxEngineTest, RemoveKinematicRemovesEveryOccurrence)
{
    auto k = CollisionBox::New2(0.0f, 0.0f, 10.0f, 10.0f);
    auto other = CollisionBox::New2(5.0f, 0.0f, 10.0f, 10.0f);
    engine->AddKinematic(k);
    engine->AddKinematic(other);
    engine->AddKinematic(k);
    engine->RemoveKinematic(k);
    EXPECT_EQ(engine->KinematicCount(), 1u);
}

// A chest can spawn during a contact: the handler adds a solid to the very cell being
// walked, and it is tested in the same pass.
TEST_F(BasicBoxEngineTest, HandlerMayAddSolidsDuringThePass)
{
    engine->AddSolid2(50.0f, 50.0f, 20.0f, 20.0f, nullptr);
    auto anchor = Vector::New2(37.0f, 52.0f);
    auto box = CollisionBox::New(anchor, 0.0f, 0.0f, 10.0f, 10.0f, nullptr);
    engine->AddDynamic(box);
    auto listener = ListenTo(box);
    int added = 0;
    listener->action = [&](CollisionData&) {
        if (added++ < 20) {
            engine->AddSolid2(30.0f, 52.0f, 4.0f, 4.0f, nullptr);
        }
    };
    engine->Update(16);
    EXPECT_GE(listener->contacts.size(), 2u);
}

}  // namespace zelka
