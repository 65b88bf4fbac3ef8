#include "engine/collision/BasicBoxEngine.h"

#include "engine/EngineConstants.h"
#include "engine/core/EventManager.h"
#include "engine/core/MathUtil.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelka {

// A cell size of 0 makes every box span the whole grid (about 2^32 cells per walk) and a
// negative one turns the walk around: below 1, a size is taken as 1.
BasicBoxEngine::BasicBoxEngine(int cellWidth, int cellHeight, const String& name)
    : Cog(name), cellWidth_(std::max(cellWidth, 1)), cellHeight_(std::max(cellHeight, 1)),
      data_(std::make_shared<CollisionData>())
{
}

Ref<BasicBoxEngine> BasicBoxEngine::New(int cellWidth, int cellHeight, const String& name)
{
    if (cellWidth < 1 || cellHeight < 1) return nullptr;
    return std::make_shared<BasicBoxEngine>(cellWidth, cellHeight, name);
}

namespace {

// Cells are walked up to and including the last one: a last cell of INT_MAX would overflow
// the loop counter and never end, so a far-off box (a runaway or infinite coordinate)
// counts as lying in the cell before it.
constexpr int kLastCell = std::numeric_limits<int>::max() - 1;

// std::floor, not a cast: a cast rounds negative coordinates toward zero.
int CellOf(float coordinate, float cellSize)
{
    return std::min(math::TruncToInt(std::floor(coordinate / cellSize)), kLastCell);
}

}  // namespace

BasicBoxEngine::CellRange BasicBoxEngine::Cover(const Rectangle& box) const
{
    const float cw = static_cast<float>(cellWidth_);
    const float ch = static_cast<float>(cellHeight_);
    return {CellOf(box.center.x - box.halfWidth, cw), CellOf(box.center.x + box.halfWidth, cw),
            CellOf(box.center.y - box.halfHeight, ch), CellOf(box.center.y + box.halfHeight, ch)};
}

BasicBoxEngine::SolidList* BasicBoxEngine::GetSolidRectsForCluster_(int column, int row,
                                                                    bool create)
{
    auto rowIt = grid_.find(row);
    if (rowIt == grid_.end()) {
        if (!create) {
            return nullptr;
        }
        rowIt = grid_.emplace(row, std::map<int, SolidList>()).first;
    }
    auto cellIt = rowIt->second.find(column);
    if (cellIt == rowIt->second.end()) {
        if (!create) {
            return nullptr;
        }
        cellIt = rowIt->second.emplace(column, SolidList()).first;
    }
    return &cellIt->second;
}

Ref<StaticBox> BasicBoxEngine::AddSolid(Ref<StaticBox> box)
{
    if (!box) {
        return box;
    }
    const CellRange cells = Cover(*box);
    for (int row = cells.firstRow; row <= cells.lastRow; ++row) {
        for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
            GetSolidRectsForCluster_(column, row, true)->push_back(box);
        }
    }
    return box;
}

Ref<StaticBox> BasicBoxEngine::AddSolid2(float x, float y, float width, float height,
                                         Ref<Object> object)
{
    return AddSolid(StaticBox::New(x, y, width, height, std::move(object)));
}

void BasicBoxEngine::RemoveSolid(const Ref<StaticBox>& box)
{
    if (!box) {
        return;
    }
    const CellRange cells = Cover(*box);
    for (int row = cells.firstRow; row <= cells.lastRow; ++row) {
        for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
            if (SolidList* list = GetSolidRectsForCluster_(column, row, false)) {
                std::erase(*list, box);
            }
        }
    }
}

void BasicBoxEngine::AddKinematic(Ref<CollisionBox> box)
{
    kinematic_.push_back(std::move(box));
}

void BasicBoxEngine::RemoveKinematic(const Ref<CollisionBox>& box)
{
    std::erase(kinematic_, box);
}

void BasicBoxEngine::AddDynamic(Ref<CollisionBox> box)
{
    dynamic_.push_back(std::move(box));
}

void BasicBoxEngine::Update(int /*ms*/)
{
    // By index with a local Ref: a handler may add boxes or release the engine mid-pass.
    for (size_t i = 0; i < dynamic_.size(); ++i) {
        const Ref<CollisionBox> box = dynamic_[i];
        if (box) {
            DoDynamicCollision_(box);
        }
    }
}

void BasicBoxEngine::Report(CollisionBox& box, int id)
{
    if (box.events) {
        const Ref<CollisionData> data = data_;  // survives a Deallocate inside the handler
        EventManager::SendEvent(&box, id, data.get());
    }
}

void BasicBoxEngine::SolveAgainstSolids(CollisionBox& box, const CellRange& cells)
{
    for (int row = cells.firstRow; row <= cells.lastRow; ++row) {
        for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
            // The cell is looked up again for every solid: a handler may add solids (even
            // to this cell) or empty the grid.
            for (size_t i = 0;; ++i) {
                SolidList* list = GetSolidRectsForCluster_(column, row, false);
                if (list == nullptr || i >= list->size()) {
                    break;
                }
                const Ref<StaticBox> solid = (*list)[i];
                if (!solid || !scratch_.SolveCollision(*solid, &data_->push, &data_->overlap)) {
                    continue;
                }
                data_->other = solid;
                box.correction.x += data_->push.x;
                box.correction.y += data_->push.y;
                Report(box, kEventSolidContact);
                scratch_.center.x += data_->push.x;
                scratch_.center.y += data_->push.y;
            }
        }
    }
}

void BasicBoxEngine::SolveAgainstKinematics(CollisionBox& box)
{
    for (size_t i = 0; i < kinematic_.size(); ++i) {
        const Ref<CollisionBox> other = kinematic_[i];
        if (!other || other.get() == &box) {
            continue;
        }
        other_.halfWidth = other->halfWidth;
        other_.halfHeight = other->halfHeight;
        other_.center = other->WorldCenter();
        if (!scratch_.SolveCollision(other_, &data_->push, &data_->overlap)) {
            continue;
        }
        data_->other = other;
        Report(box, kEventKinematicOverlap);
        if (other->solid) {
            scratch_.center.x += data_->push.x;
            scratch_.center.y += data_->push.y;
            box.correction.x += data_->push.x;
            box.correction.y += data_->push.y;
        }
    }
}

void BasicBoxEngine::DoDynamicCollision_(const Ref<CollisionBox>& box)
{
    box->correction.Set(0.0f, 0.0f);
    scratch_.halfWidth = box->halfWidth;
    scratch_.halfHeight = box->halfHeight;
    scratch_.center = box->WorldCenter();
    const CellRange cells = Cover(scratch_);
    SolveAgainstSolids(*box, cells);
    SolveAgainstKinematics(*box);
    if (box->anchor) {
        box->anchor->Set(scratch_.center.x - box->center.x, scratch_.center.y - box->center.y);
    }
}

void BasicBoxEngine::Deallocate()
{
    for (auto& [row, columns] : grid_) {
        for (auto& [column, list] : columns) {
            list.clear();
        }
    }
    grid_.clear();
    dynamic_.clear();
    kinematic_.clear();
    data_->other.reset();
}

}  // namespace zelka
