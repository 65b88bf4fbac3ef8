#include "screens/title/StatsPanel.h"

#include "engine/text/Label.h"
#include "match/items/ItemStackSlot.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"
#include "services/player/PlayerStats.h"
#include "screens/title/TitleConstants.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace zelka {

namespace {

// A count as shown: never below 0 (the loaded statistics are clamped, but a record made in
// memory is not).
String Count(int n)
{
    return FromUtf8(std::to_string(std::max(n, 0)));
}

}  // namespace

StatsPanel::StatsPanel() : RectangleGDO(kStatsWidth, kStatsHeight, false) {}

Ref<StatsPanel> StatsPanel::New()
{
    auto panel = std::make_shared<StatsPanel>();
    panel->tint.Set(0, 0, 0);
    if (!GameData::stdFont || !GameData::secFont) {
        return panel;
    }
    panel->AddSectionTitle(U"MATCH STATS", kStatsMatchTitleY);
    panel->AddLbl(U"P1 WON", kStatsRowTitleX, kStatsWinsY);
    panel->AddLbl(U"DRAW  ", kStatsRowTitleX, kStatsDrawsY);
    panel->AddLbl(U"P2 WON", kStatsRowTitleX, kStatsLossesY);
    panel->AddMatchColumns();
    panel->AddSectionTitle(U"ITEM USAGE", kStatsItemTitleY);
    panel->AddItemUsage();
    return panel;
}

Ref<Label> StatsPanel::AddSectionTitle(const String& text, float y)
{
    const Ref<Label> label = Label::New(GameData::secFont, 1.0f);
    label->SetStyle(kLabelSingleLine);
    label->SetText(text);
    if (GameData::player1) {
        label->tint = GameData::player1->color;
    }
    AddChild2(label, 0.0f, y);
    return label;
}

Ref<Label> StatsPanel::AddLbl(const String& text, float x)
{
    return AddLbl(text, x, kStatsWinsY);
}

Ref<Label> StatsPanel::AddLbl2(const String& text, float x)
{
    return AddLbl(text, x, kStatsDrawsY);
}

Ref<Label> StatsPanel::AddLbl(const String& text, float x, float y)
{
    const Ref<Label> label = Label::New(GameData::stdFont, kStatsLabelScale);
    label->SetStyle(kLabelSingleLine);
    label->SetText(text);
    AddChild2(label, x, y);
    return label;
}

void StatsPanel::AddMatchColumns()
{
    if (!GameData::stats) {
        return;
    }
    int column = 0;
    for (int mode = 0; mode < GameData::GetTotalGameModes(); ++mode) {
        const MatchStats* record = GameData::stats->GetModeStats(mode);
        if (record == nullptr) {
            continue;  // no gap: the next mode takes this column
        }
        ++column;
        const float x = kStatsColumnOrigin + kStatsColumnStep * column;
        AddLbl(GameData::GetGameModeShortName(mode), x, kStatsModeNameY)
            ->SetFontScale(kStatsModeNameScaleX, kStatsLabelScale);
        const int values[] = {record->victories, record->draws, record->PlayerTwoWins()};
        const float rows[] = {kStatsWinsY, kStatsDrawsY, kStatsLossesY};
        for (std::size_t row = 0; row < std::size(rows); ++row) {
            AddLbl(Count(values[row]), x, rows[row])
                ->tint.Set(kStatsValueGrey, kStatsValueGrey, kStatsValueGrey);
        }
    }
}

void StatsPanel::AddItemUsage()
{
    AddLbl(U"P1", kStatsPlayerTitleX, kStatsP1UsesY);
    AddLbl(U"P2", kStatsPlayerTitleX, kStatsP2UsesY);
    for (int item = 0; item < kCountedItemTypes; ++item) {
        const float x = kStatsItemOrigin + kStatsItemStep * item;
        AddChild2(ItemStackSlot::New(item, 0), x, kStatsIconY);
        const int uses1 = GameData::stats ? GameData::stats->GetItemUses(1, item) : 0;
        const int uses2 = GameData::stats ? GameData::stats->GetItemUses(2, item) : 0;
        AddLbl(U"X" + Count(uses1), x, kStatsP1UsesY);
        AddLbl(U"X" + Count(uses2), x, kStatsP2UsesY);
    }
}

}  // namespace zelka
