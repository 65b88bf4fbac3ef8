#pragma once

#include "engine/EngineConstants.h"
#include "engine/core/RGB.h"
#include "engine/display/GDOBase.h"

#include <vector>

namespace zelka {

// A display node with a tint, an alpha and ordered children (later ones draw over earlier
// ones). Children are held by Ref; the parent pointer is raw and is cleared whenever the
// child leaves (RemoveChild, DetachFromParent, Deallocate, the parent's destruction).
class GDO : public GDOBase, public Resource {
public:
    GDO() : tint(kColorMax, kColorMax, kColorMax) {}
    ~GDO() override;
    static Ref<GDO> New();

    // Keys "alpha" (unclamped) and "tint.r", "tint.g", "tint.b" (truncated, NaN gives 0),
    // then the GDOBase keys.
    bool TrySetFloatProperty(std::u32string_view name, float value) override;
    float GetFloatProperty(std::u32string_view name) const override;

    // Updates every present, enabled child in order; a child appended meanwhile is reached.
    void Update(int ms) override;
    // Draws the subtree: skipped when invisible, culled against the clip by its bounding
    // circle unless never-culled; own absolute tint; alpha multiplied into the parent's.
    virtual void Render();
    // Releases the subtree and empties the child list.
    void Deallocate() override;

    // Null does nothing. The child leaves its old parent first. An index below 0 or not
    // below the count appends. Adding this node or one of its ancestors is refused (it
    // would make a cycle); returns whether the child was added.
    bool AddChild(Ref<GDO> child, int index = -1);
    bool AddChild2(Ref<GDO> child, float x, float y, int index = -1);
    // An index outside 0..count-1 does nothing.
    void RemoveChild(int index);
    void DetachFromParent();
    int FindChild(std::u32string_view childName) const;  // -1 when none
    int FindChild2(const GDO* child) const;               // -1 when none
    Ref<GDO> GetChild(int index) const;                   // null outside the range
    int ChildCount() const { return static_cast<int>(children_.size()); }
    GDO* GetParent() const { return parent_; }
    // Direct children only, or depth first pre-order: each child is compared, then its
    // subtree is searched, before the next child.
    Ref<GDO> GetChildByName(std::u32string_view childName, bool recursive = false) const;
    // Invalid indices do nothing.
    void SwapChildren(int i, int j);
    bool IsReleased() const { return released_; }

    bool neverCulled = false;
    RGB tint;
    float alpha = 1.0f;

protected:
    void RenderChildren();

private:
    bool IsSelfOrAncestor(const GDO* node) const;

    std::vector<Ref<GDO>> children_;
    bool released_ = false;
    GDO* parent_ = nullptr;
};

namespace same {
// Sets the name and returns the node, for chaining.
Ref<GDO> GDOWithName(Ref<GDO> gdo, const String& name);
}  // namespace same

namespace misc {
// Mirror image: scale.x = -1.
Ref<GDO> GDOHFlip(Ref<GDO> gdo);
Ref<GDO> GDOWithTint(Ref<GDO> gdo, int r, int g, int b);
}  // namespace misc

}  // namespace zelka
