#include "engine/display/GDO.h"

#include "engine/core/MathUtil.h"
#include "engine/display/DrawingState.h"
#include "platform/graphics/Graphics.h"

#include <utility>

namespace zelka {

GDO::~GDO()
{
    for (const Ref<GDO>& child : children_) {
        if (child && child->parent_ == this) {
            child->parent_ = nullptr;
        }
    }
}

Ref<GDO> GDO::New()
{
    return std::make_shared<GDO>();
}

bool GDO::TrySetFloatProperty(std::u32string_view name, float value)
{
    if (name == U"alpha") {
        alpha = value;
    } else if (name == U"tint.r") {
        tint.r = math::TruncToInt(value);
    } else if (name == U"tint.g") {
        tint.g = math::TruncToInt(value);
    } else if (name == U"tint.b") {
        tint.b = math::TruncToInt(value);
    } else {
        return GDOBase::TrySetFloatProperty(name, value);
    }
    return true;
}

float GDO::GetFloatProperty(std::u32string_view name) const
{
    if (name == U"alpha") {
        return alpha;
    }
    if (name == U"tint.r") {
        return static_cast<float>(tint.r);
    }
    if (name == U"tint.g") {
        return static_cast<float>(tint.g);
    }
    if (name == U"tint.b") {
        return static_cast<float>(tint.b);
    }
    return GDOBase::GetFloatProperty(name);
}

void GDO::Update(int ms)
{
    // Count re-read after every child and a local Ref held across its update: a child
    // may append siblings or remove itself.
    for (size_t i = 0; i < children_.size(); ++i) {
        const Ref<GDO> child = children_[i];
        if (child && child->IsEnabled()) {
            child->Update(ms);
        }
    }
}

void GDO::Render()
{
    if (!IsVisible()) {
        return;
    }
    graphics::PushMatrix();
    const float parentAlpha = graphics::GetAlpha();
    graphics::Translate(position->x, position->y);
    graphics::Scale(scale.x, scale.y);
    graphics::Rotate(rotation);
    if (!neverCulled) {
        bounds = GetBounds2(same::GetTransform());
        if (!same::CheckIfInsideClipping(bounds)) {
            graphics::PopMatrix();
            return;
        }
    }
    same::PushTint();
    same::SetTint(tint.r, tint.g, tint.b);
    graphics::SetAlpha(math::Clamp(parentAlpha * alpha, 0.0f, 1.0f));
    Draw();
    RenderChildren();
    graphics::SetAlpha(parentAlpha);
    graphics::PopMatrix();
    same::PopTint();
}

void GDO::RenderChildren()
{
    // The count is read once; the index is checked again in case a child went away.
    const size_t count = children_.size();
    for (size_t i = 0; i < count && i < children_.size(); ++i) {
        const Ref<GDO> child = children_[i];
        if (child && child->IsVisible()) {
            child->Render();
        }
    }
}

void GDO::Deallocate()
{
    for (size_t i = 0; i < children_.size(); ++i) {
        const Ref<GDO> child = children_[i];
        if (child) {
            child->Deallocate();
        }
    }
    std::vector<Ref<GDO>> old = std::move(children_);
    children_.clear();
    for (const Ref<GDO>& child : old) {
        if (child && child->parent_ == this) {
            child->parent_ = nullptr;
        }
    }
    released_ = true;
}

bool GDO::IsSelfOrAncestor(const GDO* node) const
{
    for (const GDO* p = this; p != nullptr; p = p->parent_) {
        if (p == node) {
            return true;
        }
    }
    return false;
}

bool GDO::AddChild(Ref<GDO> child, int index)
{
    if (!child || IsSelfOrAncestor(child.get())) {
        return false;
    }
    child->DetachFromParent();
    child->parent_ = this;
    if (index < 0 || index >= ChildCount()) {
        children_.push_back(std::move(child));
    } else {
        children_.insert(children_.begin() + index, std::move(child));
    }
    return true;
}

bool GDO::AddChild2(Ref<GDO> child, float x, float y, int index)
{
    const Ref<GDO> keep = child;
    if (!AddChild(std::move(child), index)) {
        return false;
    }
    keep->position->Set(x, y);
    return true;
}

void GDO::RemoveChild(int index)
{
    if (index < 0 || index >= ChildCount()) {
        return;
    }
    const Ref<GDO> child = children_[index];
    children_.erase(children_.begin() + index);
    if (child && child->parent_ == this) {
        child->parent_ = nullptr;
    }
}

void GDO::DetachFromParent()
{
    GDO* parent = parent_;
    parent_ = nullptr;
    if (parent == nullptr) {
        return;
    }
    const int index = parent->FindChild2(this);
    if (index >= 0) {
        // Keeps this node alive while the parent drops its Ref.
        const Ref<GDO> self = std::move(parent->children_[index]);
        parent->children_.erase(parent->children_.begin() + index);
    }
}

int GDO::FindChild(std::u32string_view childName) const
{
    for (size_t i = 0; i < children_.size(); ++i) {
        if (children_[i] && children_[i]->name == childName) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int GDO::FindChild2(const GDO* child) const
{
    for (size_t i = 0; i < children_.size(); ++i) {
        if (children_[i].get() == child) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

Ref<GDO> GDO::GetChild(int index) const
{
    if (index < 0 || index >= ChildCount()) {
        return nullptr;
    }
    return children_[index];
}

Ref<GDO> GDO::GetChildByName(std::u32string_view childName, bool recursive) const
{
    for (const Ref<GDO>& child : children_) {
        if (!child) {
            continue;
        }
        if (child->name == childName) {
            return child;
        }
        if (recursive) {
            if (Ref<GDO> found = child->GetChildByName(childName, true)) {
                return found;
            }
        }
    }
    return nullptr;
}

void GDO::SwapChildren(int i, int j)
{
    if (i < 0 || j < 0 || i >= ChildCount() || j >= ChildCount()) {
        return;
    }
    std::swap(children_[i], children_[j]);
}

namespace same {

Ref<GDO> GDOWithName(Ref<GDO> gdo, const String& name)
{
    if (gdo) {
        gdo->name = name;
    }
    return gdo;
}

}  // namespace same

namespace misc {

Ref<GDO> GDOHFlip(Ref<GDO> gdo)
{
    if (gdo) {
        gdo->scale.x = -1.0f;
    }
    return gdo;
}

Ref<GDO> GDOWithTint(Ref<GDO> gdo, int r, int g, int b)
{
    if (gdo) {
        gdo->tint.Set(r, g, b);
    }
    return gdo;
}

}  // namespace misc

}  // namespace zelka
