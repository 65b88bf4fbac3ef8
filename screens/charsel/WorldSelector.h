#pragma once

#include "engine/display/RectangleGDO.h"

#include <vector>

namespace zelka {

class ArrowCursor;
class Label;

// The world choice of the character-select screen: a black 640 x 120 box with the title
// "WORLD", the selected world's name between two arrows (grey for a locked world) and one
// lock notice per locked world, which the stage shows when that world is chosen.
class WorldSelector : public RectangleGDO {
public:
    // Builds the children and the notices, then selects GameData::currentWorldNdx.
    static Ref<WorldSelector> New();

    // Index into GameData::worlds, wrapping both ways; nothing without worlds.
    void SelectWorld(int index);

    [[nodiscard]] int GetSelectedWorld() const { return selected_; }
    // The world's notice; null when it is unlocked or outside the list.
    [[nodiscard]] Ref<GDO> GetLockNotice(int index) const;
    [[nodiscard]] bool IsLocked(int index) const { return GetLockNotice(index) != nullptr; }
    // Releases the notices too, wherever they are attached.
    void Deallocate() override;

    WorldSelector();

private:
    void BuildChildren();

    int selected_ = 0;
    std::vector<Ref<GDO>> notices_;
    Ref<Label> worldLabel_;
    Ref<ArrowCursor> left_;
    Ref<ArrowCursor> right_;
};

}  // namespace zelka
