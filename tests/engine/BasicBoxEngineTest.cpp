#include "engine/collision/BasicBoxEngine.h"

#include "engine/collision/Circle.h"
#include "engine/core/EventManager.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>
#include <vector>

namespace zelka {

namespace {

std::array<float, 2> XY(const Vector& v) { return {v.x, v.y}; }
using XYs = std::array<float, 2>;

constexpr int kIntMax = std::numeric_limits<int>::max();

struct Contact {
    int id;
    StaticBox* other;
    bool operator==(const Contact&) const = default;
};

class ContactListener : public EventListener {
public:
    void HandleEvent(Object*, int id, Object* data) override
    {
        auto* record = static_cast<CollisionData*>(data);
        contacts.push_back({id, record->other.get()});
        if (action) action(*record);
    }
    std::vector<Contact> contacts;
    std::function<void(CollisionData&)> action;
};

// 100 x 100 cells; a 20 x 20 wall centred at (50, 50) spans 40..60 on both axes.
class BasicBoxEngineTest : public ::testing::Test {
protected:
    void SetUp() override { EventManager::RemoveAllListeners(); }
    void TearDown() override
    {
        engine->Deallocate();
        EventManager::RemoveAllListeners();
    }
    Ref<StaticBox> Wall(float x = 50.0f, float y = 50.0f)
    {
        return engine->AddSolid2(x, y, 20.0f, 20.0f, nullptr);
    }
    // A dynamic 10 x 10 box, with a listener: centred (x, y) off `anchor`, or unanchored at
    // (x, y) when there is none.
    Ref<ContactListener> Dynamic(const Ref<Vector>& anchor, float x = 0.0f, float y = 0.0f)
    {
        box = anchor ? CollisionBox::New(anchor, x, y, 10.0f, 10.0f, nullptr) : CollisionBox::New2(x, y, 10.0f, 10.0f);
        engine->AddDynamic(box);
        auto listener = std::make_shared<ContactListener>();
        EventManager::RegisterListener(listener, box, kEventAnyId);
        return listener;
    }
    Ref<BasicBoxEngine> engine = BasicBoxEngine::New(100, 100, U"boxes");
    Ref<CollisionBox> box;
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
    EXPECT_EQ(XY(push), (XYs{0.0f, -4.0f}));
    EXPECT_EQ(XY(overlap), (XYs{4.0f, 4.0f}));
    // Smaller x overlap: pushed along x.
    ASSERT_TRUE(a.SolveCollision(Rectangle(-8.0f, 1.0f, 10.0f, 10.0f), &push, nullptr));
    EXPECT_EQ(XY(push), (XYs{2.0f, 0.0f}));
    // Same centre: sign(0) = 0, no push at all.
    ASSERT_TRUE(a.SolveCollision(Rectangle(0.0f, 0.0f, 4.0f, 4.0f), &push, nullptr));
    EXPECT_EQ(XY(push), (XYs{0.0f, 0.0f}));

    const Circle c(0.0f, 0.0f, 5.0f);
    EXPECT_FALSE(c.TestCollision(8.0f, 0.0f, 3.0f));   // circles touching: no overlap either
    EXPECT_TRUE(c.TestCollision(7.9f, 0.0f, 3.0f));
}

TEST_F(BasicBoxEngineTest, BoxOnCellBorderIsFiledInBothCells)
{
    auto solid = Wall(100.0f, 50.0f);
    ASSERT_NE(engine->GetSolidRectsForCluster_(0, 0, false), nullptr);
    ASSERT_NE(engine->GetSolidRectsForCluster_(1, 0, false), nullptr);
    EXPECT_EQ(*engine->GetSolidRectsForCluster_(1, 0, false), (BasicBoxEngine::SolidList{solid}));
    EXPECT_EQ(engine->GetSolidRectsForCluster_(2, 0, false), nullptr);
    // Negative coordinates are floored, not truncated toward zero.
    engine->AddSolid2(-10.0f, -10.0f, 4.0f, 4.0f, nullptr);
    EXPECT_NE(engine->GetSolidRectsForCluster_(-1, -1, false), nullptr);
    engine->RemoveSolid(solid);
    EXPECT_TRUE(engine->GetSolidRectsForCluster_(0, 0, false)->empty());
    EXPECT_TRUE(engine->GetSolidRectsForCluster_(1, 0, false)->empty());
}

TEST_F(BasicBoxEngineTest, PushMovesTheAnchorAndLaterSolidsSeeTheCorrectedBox)
{
    auto wall = Wall();
    Wall(50.0f, 71.0f);   // a second wall below; after the first push the box misses it
    auto anchor = Vector::New2(30.0f, 62.0f);
    auto listener = Dynamic(anchor, -2.0f, 0.0f);   // centred 2 left of its anchor
    engine->Update(16);
    EXPECT_TRUE(listener->contacts.empty());

    anchor->Set(39.0f, 62.0f);   // box 32..42: overlap x 2, pushed left by 2
    engine->Update(16);
    EXPECT_EQ(listener->contacts, (std::vector<Contact>{{kEventSolidContact, wall.get()}}));
    EXPECT_EQ(XY(*anchor), (XYs{37.0f, 62.0f}));   // the anchor moves, the offset stays
    EXPECT_EQ(box->correction.x, -2.0f);
    EXPECT_EQ(box->center.x, -2.0f);
}

TEST_F(BasicBoxEngineTest, ZeroedPushOrNoAnchorLeavesTheBoxWhereItIs)
{
    Wall();
    auto anchor = Vector::New2(37.0f, 52.0f);
    auto listener = Dynamic(anchor);
    listener->action = [](CollisionData& data) { data.push.Set(0.0f, 0.0f); };
    engine->Update(16);
    ASSERT_EQ(listener->contacts.size(), 1u);
    EXPECT_EQ(XY(*anchor), (XYs{37.0f, 52.0f}));   // the handler cancelled the move

    auto loose = Dynamic(nullptr, 37.0f, 52.0f);
    engine->Update(16);
    EXPECT_EQ(loose->contacts.size(), 1u);
    EXPECT_EQ(box->center.x, 37.0f);
    EXPECT_EQ(box->correction.x, -2.0f);   // the total push is still recorded
}

// A chest can spawn during a contact: the handler adds a solid to the very cell being
// walked, and it is tested in the same pass.
TEST_F(BasicBoxEngineTest, HandlerMayAddSolidsDuringThePass)
{
    Wall();
    auto listener = Dynamic(Vector::New2(37.0f, 52.0f));
    int added = 0;
    listener->action = [&](CollisionData&) {
        if (added++ < 20) engine->AddSolid2(30.0f, 52.0f, 4.0f, 4.0f, nullptr);
    };
    engine->Update(16);
    EXPECT_GE(listener->contacts.size(), 2u);
}

TEST_F(BasicBoxEngineTest, NonSolidKinematicIsReportedButNeverPushes)
{
    auto ghost = CollisionBox::New2(40.0f, 0.0f, 10.0f, 10.0f);
    ghost->solid = false;
    auto block = CollisionBox::New2(-40.0f, 0.0f, 10.0f, 10.0f);
    engine->AddKinematic(ghost);
    engine->AddKinematic(block);
    engine->AddKinematic(ghost);
    engine->RemoveKinematic(ghost);   // every occurrence goes
    EXPECT_EQ(engine->KinematicCount(), 1u);
    engine->AddKinematic(ghost);
    auto anchor = Vector::New2(36.0f, 0.0f);
    auto listener = Dynamic(anchor);
    engine->AddKinematic(box);   // itself is skipped
    engine->Update(16);
    EXPECT_EQ(listener->contacts, (std::vector<Contact>{{kEventKinematicOverlap, ghost.get()}}));
    EXPECT_EQ(anchor->x, 36.0f);

    anchor->Set(-36.0f, 0.0f);
    engine->Update(16);
    ASSERT_EQ(listener->contacts.size(), 2u);
    EXPECT_EQ(listener->contacts[1].other, block.get());
    EXPECT_EQ(anchor->x, -30.0f);
}

TEST_F(BasicBoxEngineTest, RunawayCoordinatesAndTinyCellsCannotHangTheWalk)
{
    // A box beyond the last grid cell (or at infinity) once made the cell counter run past
    // INT_MAX: the walk never ended. Far-off boxes are filed and found in the last cell.
    const float far = 1e30f;
    auto solid = engine->AddSolid2(far, far, 20.0f, 20.0f, nullptr);
    auto listener = Dynamic(nullptr, far, far);
    engine->AddDynamic(CollisionBox::New2(std::numeric_limits<float>::infinity(), 0.0f, 10.0f, 10.0f));
    engine->Update(16);
    ASSERT_EQ(listener->contacts.size(), 1u);
    EXPECT_EQ(listener->contacts[0].other, solid.get());
    engine->RemoveSolid(solid);
    EXPECT_TRUE(engine->GetSolidRectsForCluster_(kIntMax - 1, kIntMax - 1, false)->empty());

    // A cell size of 0 once made every box cover about 2^32 cells: the first solid hung.
    EXPECT_EQ(BasicBoxEngine::New(0, 32, U"ZERO"), nullptr);
    EXPECT_EQ(BasicBoxEngine::New(32, -4, U"NEGATIVE"), nullptr);
    BasicBoxEngine direct(0, -1, U"DIRECT");   // built anyway: one-pixel cells
    auto tiny = direct.AddSolid2(2.5f, 0.5f, 1.0f, 1.0f, nullptr);
    ASSERT_NE(direct.GetSolidRectsForCluster_(2, 0, false), nullptr);
    EXPECT_EQ(direct.GetSolidRectsForCluster_(2, 0, false)->front(), tiny);
    EXPECT_EQ(direct.GetSolidRectsForCluster_(5, 0, false), nullptr);
}

}  // namespace zelka
