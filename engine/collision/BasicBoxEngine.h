#pragma once

#include "engine/collision/CollisionBox.h"
#include "engine/core/Cog.h"

#include <map>
#include <vector>

namespace zelka {

// The record sent with the collision events (kEventSolidContact, kEventKinematicOverlap).
// One per engine, reused for every report: a listener that keeps it must copy it. A
// handler may change `push`; the engine then moves the box by the changed push (setting
// it to (0, 0) cancels the move).
class CollisionData : public Object {
public:
    Ref<StaticBox> other;
    Vector push;
    Vector overlap;
};

// Axis-aligned box collision: solids filed in a grid of cells, a few kinematic boxes tested
// exhaustively, and dynamic boxes resolved once per update, pushed out along the axis of
// least overlap; an anchored box's anchor is moved by the total push.
class BasicBoxEngine : public Cog {
public:
    using SolidList = std::vector<Ref<StaticBox>>;

    // A size below 1 is taken as 1.
    BasicBoxEngine(int cellWidth, int cellHeight, const String& name);
    // Cells of cellWidth x cellHeight pixels; null (refused) when either is below 1.
    static Ref<BasicBoxEngine> New(int cellWidth, int cellHeight, const String& name);

    // Files the box in every cell it covers; a null box is ignored. Returns the box.
    Ref<StaticBox> AddSolid(Ref<StaticBox> box);
    Ref<StaticBox> AddSolid2(float x, float y, float width, float height, Ref<Object> object);
    // Removes every entry of the box from the cells it covers now (move no solid while filed).
    void RemoveSolid(const Ref<StaticBox>& box);
    // One cell's list; created when missing and `create` is set, else null.
    SolidList* GetSolidRectsForCluster_(int column, int row, bool create);

    void AddKinematic(Ref<CollisionBox> box);
    // Every occurrence.
    void RemoveKinematic(const Ref<CollisionBox>& box);
    void AddDynamic(Ref<CollisionBox> box);

    // Resolves every dynamic box, in the order they were added.
    void Update(int ms) override;
    void Deallocate() override;

    size_t DynamicCount() const { return dynamic_.size(); }
    size_t KinematicCount() const { return kinematic_.size(); }

private:
    struct CellRange {
        int firstColumn, lastColumn, firstRow, lastRow;
    };
    CellRange Cover(const Rectangle& box) const;
    void DoDynamicCollision_(const Ref<CollisionBox>& box);
    void SolveAgainstSolids(CollisionBox& box, const CellRange& cells);
    void SolveAgainstKinematics(CollisionBox& box);
    void Report(CollisionBox& box, int id);

    int cellWidth_;
    int cellHeight_;
    std::map<int, std::map<int, SolidList>> grid_;  // row -> column -> solids in insertion order
    std::vector<Ref<CollisionBox>> kinematic_;
    std::vector<Ref<CollisionBox>> dynamic_;
    Ref<CollisionData> data_;
    Rectangle scratch_;  // the dynamic box at its corrected world position
    Rectangle other_;    // a kinematic box at its world position
};

}  // namespace zelka
