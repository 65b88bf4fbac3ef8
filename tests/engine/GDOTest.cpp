#include "engine/display/GDO.h"

#include "engine/display/DrawingState.h"
#include "engine/display/GDOWithTween.h"
#include "engine/display/RectangleGDO.h"
#include "tests/engine/MediaTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <utility>
#include <vector>

namespace zelka {

namespace {

// Counts its updates; optionally runs an action during its first one.
class CountingNode : public RectangleGDO {
public:
    CountingNode() : RectangleGDO(10.0f, 10.0f, false) {}
    void Update(int ms) override
    {
        ++updates;
        if (onUpdate) std::exchange(onUpdate, nullptr)();
        GDO::Update(ms);
    }
    int updates = 0;
    std::function<void()> onUpdate;
};

class GDOTest : public testing_media::RecordingFixture {
protected:
    static Ref<RectangleGDO> Rect(float x, float y, float alpha = 1.0f)
    {
        auto r = RectangleGDO::New(10.0f, 10.0f, false);
        r->position->Set(x, y);
        r->alpha = alpha;
        return r;
    }
};

}  // namespace

TEST_F(GDOTest, AlphaMultipliesAndClampsTintIsAbsoluteBothRestored)
{
    auto parent = Rect(100.0f, 100.0f, 0.5f);
    parent->tint.Set(0, 255, 0);
    auto child = Rect(0.0f, 0.0f, 0.5f);
    child->tint.Set(255, 0, 0);
    parent->AddChild(child);
    auto top = Rect(200.0f, 100.0f);
    top->AddChild(Rect(5.0f, 0.0f, 3.0f));
    parent->Render();
    top->Render();
    std::vector<float> alphas;
    std::vector<std::array<float, 3>> colours;
    for (const DeviceCall& draw : device_.Draws()) {
        alphas.push_back(draw.alpha);
        colours.push_back(draw.color);
    }
    EXPECT_EQ(alphas, (std::vector<float>{0.5f, 0.25f, 1.0f, 1.0f}));   // 3 clamped
    // The child's red replaces the parent's green, not mixed with it.
    EXPECT_EQ(colours, (std::vector<std::array<float, 3>>{{0, 255, 0}, {255, 0, 0}, {255, 255, 255}, {255, 255, 255}}));
    EXPECT_FLOAT_EQ(graphics::GetAlpha(), 1.0f);
    EXPECT_EQ((std::array<int, 4>{same::TINTr_, same::TINTg_, same::TINTb_, same::RGBptr_}),
              (std::array<int, 4>{255, 255, 255, 0}));
}

TEST_F(GDOTest, InvisibleHidesSubtreeDisabledStillDrawsButFreezes)
{
    auto root = EmptyGDOContainer::New();
    auto hidden = std::make_shared<CountingNode>();
    hidden->position->Set(100.0f, 100.0f);
    hidden->visible = false;
    hidden->AddChild(Rect(0.0f, 0.0f));
    auto disabled = std::make_shared<CountingNode>();
    disabled->position->Set(100.0f, 100.0f);
    disabled->enabled = false;
    auto grandchild = std::make_shared<CountingNode>();
    disabled->AddChild(grandchild);
    auto late = std::make_shared<CountingNode>();
    hidden->onUpdate = [&]() { root->AddChild(late); };
    root->AddChild(hidden);
    root->AddChild(disabled);
    root->Render();
    EXPECT_EQ(device_.Draws().size(), 2u);   // the disabled node and its child
    root->Update(16);
    // Invisible nodes still update, disabled subtrees do not; a node appended during the
    // pass is updated in it.
    EXPECT_EQ((std::array<int, 4>{hidden->updates, disabled->updates, grandchild->updates, late->updates}),
              (std::array<int, 4>{1, 0, 0, 1}));
}

TEST_F(GDOTest, CullingUsesTheDeviceOrTheClipUnlessNeverCulled)
{
    auto parent = Rect(-500.0f, -500.0f);   // off the 640x360 device (clipping off)
    auto child = Rect(600.0f, 600.0f);      // would land at (100, 100)
    parent->neverCulled = false;            // sized nodes start never-culled
    parent->AddChild(child);
    parent->Render();
    EXPECT_TRUE(device_.Draws().empty());
    EXPECT_EQ(same::RGBptr_, 0);   // the cull left the tint stack alone
    parent->neverCulled = true;
    parent->Render();
    ASSERT_EQ(device_.Draws().size(), 2u);
    EXPECT_FLOAT_EQ(device_.Draws()[1].matrix[4], 100.0f);

    device_.ClearCalls();
    auto inside = Rect(100.0f, 100.0f);
    inside->neverCulled = false;
    same::SetClipping(300.0f, 0.0f, 340.0f, 360.0f);
    same::ApplyCurrentClipping();
    inside->Render();
    EXPECT_TRUE(device_.Draws().empty());
    same::UndoClipping();
    inside->Render();
    EXPECT_EQ(device_.Draws().size(), 1u);

    // The clip test itself: the box tests are strict, then a circle test at the corners.
    same::SetClipping(0.0f, 0.0f, 100.0f, 100.0f);
    same::clipIsOn_ = true;
    std::vector<bool> seen;
    for (const auto& [x, y, r] : std::vector<std::array<float, 3>>{
             {50, 50, 0}, {-11, 50, 10}, {-10, 50, 10}, {50, 111, 10}, {-30, -30, 10}}) {
        seen.push_back(same::CheckIfInsideClipping(Circle(x, y, r)));
    }
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false, false}));
}

TEST_F(GDOTest, ThirtySecondTintLevelIsTheLast)
{
    auto root = EmptyGDOContainer::New();
    Ref<GDO> leaf = root;
    for (int i = 1; i < kTintStackDepth; ++i) {
        auto next = EmptyGDOContainer::New();
        leaf->AddChild(next);
        leaf = next;
    }
    root->Render();   // 32 levels: fine
    EXPECT_EQ(same::RGBptr_, 0);
    leaf->AddChild(EmptyGDOContainer::New());
    EXPECT_EXIT((testing_media::StdoutToStderr(), root->Render()), ::testing::ExitedWithCode(255),
                "RGB Stack overflow!");
    EXPECT_EXIT((testing_media::StdoutToStderr(), same::PopTint()), ::testing::ExitedWithCode(255),
                "RGB Stack is empty. Nothing to Pop\\(\\)!");
}

TEST(GDO, FloatPropertyKeys)
{
    auto node = RectangleGDO::New(30.0f, 40.0f, false);
    EXPECT_TRUE(node->SetFloatProperty(U"scale", 2.0f));   // both axes, set only
    EXPECT_EQ(node->GetFloatProperty(U"scale.y"), 2.0f);
    EXPECT_FALSE(node->TrySetFloatProperty(U"width", 1.0f));   // read-only
    EXPECT_TRUE(node->SetFloatProperty(U"tint.g", std::numeric_limits<float>::quiet_NaN()));
    EXPECT_EQ(node->tint.g, 0);
}

TEST(GDO, ChildIndicesReparentingAndInvalidIndices)
{
    auto a = GDO::New();
    auto b = GDO::New();
    auto c1 = same::GDOWithName(GDO::New(), U"c1");
    auto c2 = same::GDOWithName(GDO::New(), U"c2");
    auto c3 = same::GDOWithName(GDO::New(), U"c3");
    a->AddChild(c1);
    a->AddChild(c2);
    a->AddChild(c3, 5);   // beyond the count: appended
    EXPECT_EQ(a->FindChild(U"c3"), 2);
    a->AddChild(c3, 0);   // moves to the front
    EXPECT_EQ(a->FindChild2(c3.get()), 0);
    EXPECT_EQ(a->ChildCount(), 3);

    b->AddChild(c1);   // reparenting leaves the old parent
    EXPECT_EQ(a->FindChild2(c1.get()), -1);
    EXPECT_EQ(c1->GetParent(), b.get());

    a->SwapChildren(0, 1);
    a->SwapChildren(0, 7);   // invalid: nothing
    a->SwapChildren(-1, 0);
    EXPECT_EQ((std::vector<Ref<GDO>>{a->GetChild(0), a->GetChild(1)}), (std::vector<Ref<GDO>>{c2, c3}));
    a->RemoveChild(9);   // invalid: nothing
    a->RemoveChild(0);
    EXPECT_EQ(c2->GetParent(), nullptr);
    c3->DetachFromParent();
    EXPECT_EQ(a->ChildCount(), 0);
    EXPECT_EQ(c3->GetParent(), nullptr);
}

// A node added under itself or a descendant would recurse for ever: refused.
TEST(GDO, AddingSelfOrAncestorIsRefused)
{
    auto a = GDO::New();
    auto b = GDO::New();
    auto c = GDO::New();
    a->AddChild(b);
    b->AddChild(c);
    EXPECT_FALSE(a->AddChild(a));
    EXPECT_FALSE(c->AddChild(a));
    EXPECT_FALSE(c->AddChild(b));
    EXPECT_EQ(b->GetParent(), a.get());
    EXPECT_EQ(c->ChildCount(), 0);
    EXPECT_TRUE(a->AddChild(c));   // a descendant may move up
    EXPECT_EQ(b->ChildCount(), 0);
}

TEST(GDO, RecursiveNameSearchIsDepthFirstPreOrder)
{
    auto root = GDO::New();
    auto first = same::GDOWithName(GDO::New(), U"branch");
    auto deep = same::GDOWithName(GDO::New(), U"x");
    auto second = same::GDOWithName(GDO::New(), U"x");
    root->AddChild(first);
    first->AddChild(deep);
    root->AddChild(second);
    EXPECT_EQ(root->GetChildByName(U"x"), second);       // direct children only
    EXPECT_EQ(root->GetChildByName(U"x", true), deep);   // first subtree searched first
    EXPECT_EQ(root->GetChildByName(U"none", true), nullptr);
}

TEST(GDO, ParentPointersAreClearedOnRelease)
{
    auto child = GDO::New();
    {
        auto parent = GDO::New();
        parent->AddChild(child);
        parent->Deallocate();
        EXPECT_TRUE(parent->IsReleased());
        EXPECT_EQ(child->GetParent(), nullptr);
        parent->AddChild(child);
    }
    EXPECT_EQ(child->GetParent(), nullptr);   // the parent died
    child->DetachFromParent();                // and this is safe
}

TEST(GDOWithTween, DrivesItsOwnPropertyAfterTheChild)
{
    auto child = std::make_shared<CountingNode>();
    auto tween = Tween::New(LinearEase::New(), 1.0f, 2.0f, 100, false, false);
    auto node = GDOWithTween::New(child, tween, U"scale");
    node->Update(50);   // not playing: only the child
    EXPECT_EQ(child->updates, 1);
    EXPECT_EQ(node->scale.x, 1.0f);
    tween->Start();
    node->Update(50);
    EXPECT_EQ((std::array<float, 2>{node->scale.x, node->scale.y}), (std::array<float, 2>{1.5f, 1.5f}));
}

}  // namespace zelka
