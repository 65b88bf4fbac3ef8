#include "screens/menus/PauseMenu.h"

#include "engine/core/MathUtil.h"
#include "engine/core/Random.h"
#include "engine/text/TextConstants.h"
#include "services/data/GameData.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "services/settings/GameMode.h"
#include "screens/app/AppConstants.h"
#include "screens/app/ZELKA.h"
#include "screens/menus/MenuConstants.h"

#include <array>

namespace zelka {

namespace {

constexpr float kMenuWidth = 200.0f;   // px
constexpr float kMenuHeight = 190.0f;
constexpr float kTitleY = -79.0f;
constexpr float kTitleWidth = 180.0f;
constexpr float kTitleHeight = 20.0f;
constexpr int kTitleR = 255;           // title tint (255, 180, 0)
constexpr int kTitleG = 180;
constexpr int kTitleB = 0;
constexpr int kWhite = 255;

struct Row {
    const char32_t* text;
    float y;
};
constexpr std::array<Row, 4> kFixedRows{{
    {U"RESUME GAME", -40.0f},
    {U"P1 CONTROLS", -15.0f},
    {U"P2 CONTROLS", 10.0f},
    {U"GAME SETTINGS", 35.0f},
}};
constexpr float kLeaveY = 75.0f;

constexpr std::array<const char32_t*, 6> kTitles{
    U"TIME FOR A BREAK!", U"JUST A MOMENT!", U"BE RIGHT BACK!",
    U"HAMMER TIME!",      U"GIVE ME A SEC!", U"SIT BACK AND RELAX!",
};

bool OnCharacterSelect()
{
    const ZELKA* app = ZELKA::Current();
    return app != nullptr && app->GetCurrentStageId() == kStageCharSelect;
}

}  // namespace

PauseMenu::PauseMenu() : MenuWithOptions(kMenuWidth, kMenuHeight)
{
    tint.Set(0, 0, 0);
}

Ref<PauseMenu> PauseMenu::New(Ref<PlayerData> owner)
{
    auto menu = std::make_shared<PauseMenu>();
    SetupMenu(*menu, std::move(owner), nullptr);
    menu->title_ = Label::New(GameData::secFont, 1.0f);
    menu->title_->name = U"TITLE_LABEL";
    menu->title_->SetStyle(kLabelShrinkToFit);
    menu->title_->horizontalAlignment = kAlignCentre;
    menu->title_->SetSize(kTitleWidth, kTitleHeight);
    menu->title_->tint.Set(kTitleR, kTitleG, kTitleB);
    menu->AddChild2(menu->title_, 0.0f, kTitleY);
    for (const Row& row : kFixedRows) {
        menu->AddOption(menu->CreateLabelForOption(row.text, kAlignCentre, 0.0f), 0.0f, row.y);
    }
    const char32_t* leave = OnCharacterSelect() ? U"BACK TO TITLE" : U"CHANGE CHARACTERS";
    menu->AddOption(menu->CreateLabelForOption(leave, kAlignCentre, 0.0f), 0.0f, kLeaveY);
    menu->Check2P();
    menu->MoveCursorToOption(kRowResume);
    return menu;
}

void PauseMenu::SetRandomTitle()
{
    const int count = static_cast<int>(kTitles.size());
    const int index =
        math::Clamp(math::TruncToInt(random::Rnd() * static_cast<float>(count)), 0, count - 1);
    title_->SetText(kTitles[index]);
}

void PauseMenu::Check2P()
{
    const Ref<GameMode> mode = GameData::GetGameMode_(GameData::curGameMode);
    p2Enabled_ = GameData::player2 && GameData::player2->GetInputMapping() && mode && mode->Is2P();
    if (const Ref<GDO> row = GetOption(kRowP2Controls)) {
        const int grey = p2Enabled_ ? kWhite : kGreyDisabled;
        row->tint.Set(grey, grey, grey);
        row->enabled = p2Enabled_;
    }
}

void PauseMenu::OkPressed(int index)
{
    switch (index) {
    case kRowResume:
        CloseEnclosingPanel();
        break;
    case kRowP1Controls:
        ZELKA::RaiseInputCfgPanel(nullptr);
        break;
    case kRowP2Controls:
        if (p2Enabled_) {
            ZELKA::RaiseInputCfgPanel(GameData::player2.get());
        }
        break;
    case kRowSettings:
        ZELKA::RaiseSettingsPanel();
        break;
    case kRowLeave:
        // The pause panel stays open: the stage switch replaces it.
        if (ZELKA* app = ZELKA::Current()) {
            app->GoToStage(OnCharacterSelect() ? kStageTitle : kStageCharSelect);
        }
        break;
    default:
        break;
    }
}

void PauseMenu::CancelPressed(int /*index*/, bool /*byEscape*/)
{
    CloseEnclosingPanel();
}

}  // namespace zelka
