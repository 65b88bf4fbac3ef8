#include "screens/menus/CfgConflictMenu.h"

#include "engine/text/Label.h"
#include "engine/text/TextConstants.h"
#include "services/data/GameData.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "screens/app/ZELKA.h"

namespace zelka {

namespace {

constexpr float kMenuWidth = 240.0f;  // px
constexpr float kMenuHeight = 200.0f;
constexpr float kTitleY = -50.0f;
constexpr float kTitleWidth = 230.0f;
constexpr float kTitleHeight = 100.0f;
constexpr float kP1Y = 20.0f;
constexpr float kP2Y = 50.0f;
constexpr float kExitX = 80.0f;
constexpr float kExitY = 84.0f;
constexpr float kExitWidth = 60.0f;

}  // namespace

CfgConflictMenu::CfgConflictMenu() : MenuWithOptions(kMenuWidth, kMenuHeight)
{
    tint.Set(0, 0, 0);
}

Ref<CfgConflictMenu> CfgConflictMenu::New(Ref<PlayerData> owner)
{
    auto menu = std::make_shared<CfgConflictMenu>();
    SetupMenu(*menu, std::move(owner), nullptr);
    const Ref<Label> title = Label::New(GameData::secFont, 1.0f);
    title->name = U"TITLE_LABEL";
    title->SetStyle(kLabelWrap);
    title->horizontalAlignment = kAlignCentre;
    title->SetSize(kTitleWidth, kTitleHeight);
    title->tint.Set(255, 180, 0);  // amber warning
    title->SetText(U"CONTROLS CHANGED DUE TO CONFLICT!\nPLEASE CHECK!");
    menu->AddChild2(title, 0.0f, kTitleY);
    menu->AddOption(menu->CreateLabelForOption(U"P1 CONTROLS", kAlignCentre, 0.0f), 0.0f, kP1Y);
    menu->AddOption(menu->CreateLabelForOption(U"P2 CONTROLS", kAlignCentre, 0.0f), 0.0f, kP2Y);
    menu->AddOption(CreateExitLabel(kExitWidth), kExitX, kExitY);
    menu->MoveCursorToOption(kRowP1Controls);
    return menu;
}

void CfgConflictMenu::OkPressed(int index)
{
    // RaiseInputCfgPanel leaves an open controls panel alone.
    switch (index) {
    case kRowP1Controls:
        ZELKA::RaiseInputCfgPanel(GameData::player1.get());
        break;
    case kRowP2Controls:
        if (GameData::player2 && GameData::player2->GetInputMapping()) {
            ZELKA::RaiseInputCfgPanel(GameData::player2.get());
        }
        break;
    case kRowExit:
        CloseEnclosingPanel();
        break;
    default:
        break;
    }
}

void CfgConflictMenu::CancelPressed(int /*index*/, bool /*byEscape*/)
{
    CloseEnclosingPanel();
}

}  // namespace zelka
