#pragma once

#include "engine/display/RectangleGDO.h"

namespace zelka {

class Label;

// The saved statistics as a black 600 x 300 page: per game mode with a record, player 1's
// wins, the draws and player 2's wins; below, how often each player used items 0 to 8.
// Built from the statistics of the moment it is made.
class StatsPanel : public RectangleGDO {
public:
    StatsPanel();
    static Ref<StatsPanel> New();

    // A section title in the secondary font, tinted in player 1's colour, at (0, y).
    Ref<Label> AddSectionTitle(const String& text, float y);
    // A small centred label on the first (wins) row, the draws row, or anywhere.
    Ref<Label> AddLbl(const String& text, float x);
    Ref<Label> AddLbl2(const String& text, float x);
    Ref<Label> AddLbl(const String& text, float x, float y);

private:
    void AddMatchColumns();
    void AddItemUsage();
};

}  // namespace zelka
