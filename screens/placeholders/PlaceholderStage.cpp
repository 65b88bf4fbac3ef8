#include "screens/placeholders/PlaceholderStage.h"

#include "engine/text/Font.h"
#include "engine/text/Label.h"
#include "engine/text/TextConstants.h"
#include "services/data/GameData.h"
#include "services/input/InputConstants.h"
#include "services/mapping/BothPlayersInput.h"
#include "services/settings/GameMode.h"
#include "screens/app/AppConstants.h"
#include "screens/app/ZELKA.h"

#include <string>

namespace zelka {

namespace {

constexpr int kIntroShowMs = 1500;    // each intro placeholder, like a short logo
constexpr int kShortShowMs = 1500;    // credits
constexpr int kMatchShowMs = 3000;
constexpr int kWaitForKey = 0;
constexpr float kNameScale = 1.0f;
constexpr float kNameBoxWidth = 600.0f;   // px, inside the 640-wide screen
constexpr float kNameBoxHeight = 64.0f;

const char* ScreenName(int id)
{
    switch (id) {
    case kStageMatch: return "MATCH";
    case kStageTitle: return "TITLE";
    case kStageIntro: return "INTRO";
    case kStageCredits: return "CREDITS";
    case kStageIntro2: return "INTRO 2";
    default: return "?";
    }
}

}  // namespace

PlaceholderFlow::PlaceholderFlow(int id)
    : Cog(U"PLACEHOLDER_FLOW"), id_(id), name_(FromUtf8(std::string(ScreenName(id)) + " (" + std::to_string(id) + ")"))
{
}

int PlaceholderFlow::NextStage() const
{
    switch (id_) {
    case kStageIntro: return kStageIntro2;
    case kStageIntro2: return kStageTitle;
    case kStageTitle: return kStageCharSelect;
    case kStageMatch: return kStageResults;
    default: return kStageTitle;  // credits
    }
}

int PlaceholderFlow::ShowTimeMs() const
{
    switch (id_) {
    case kStageTitle: return kWaitForKey;
    case kStageIntro:
    case kStageIntro2: return kIntroShowMs;
    case kStageMatch: return kMatchShowMs;
    default: return kShortShowMs;
    }
}

void PlaceholderFlow::Build(GDO& worldRoot) const
{
    const Ref<Font> font = GameData::secFont ? GameData::secFont : GameData::stdFont;
    if (!font) {
        return;
    }
    const Ref<Label> label = Label::New(font, kNameScale);
    label->SetStyle(kLabelSingleLine);
    label->SetSize(kNameBoxWidth, kNameBoxHeight);
    label->SetText(name_);
    worldRoot.AddChild2(label, kVirtualWidth * 0.5f, kVirtualHeight * 0.5f);
}

bool PlaceholderFlow::PausedByStart() const
{
    if (id_ != kStageMatch && id_ != kStageCharSelect) {
        return false;
    }
    ExtendedStage* stage = ZELKA::CurrentExtendedStage();
    if (stage == nullptr || !GameData::bothPlayersIn ||
        !GameData::bothPlayersIn->InputHit(kActionStart)) {
        return false;
    }
    stage->ShowPauseMenu();
    return true;
}

void PlaceholderFlow::Update(int ms)
{
    ZELKA* game = ZELKA::Current();
    if (leaving_ || game == nullptr) {
        return;
    }
    elapsed_ += ms;
    const bool escape = GameData::GlobalCancelPressed();
    if (id_ == kStageTitle) {
        if (escape) {
            game->Close();  // the title's exit: saves, status 0
        }
        if (GameData::GetAnyKeyFromAnyHardware().empty()) {
            return;
        }
        leaving_ = true;
        const Ref<GameMode> first = GameData::GetGameModeEntryByIndex(0);
        game->StartGameWithMode(first ? first->GetId() : -1);
        return;
    }
    if (PausedByStart()) {
        return;
    }
    if (escape) {
        leaving_ = true;
        game->GoToStage(kStageTitle);
    } else if (elapsed_ >= ShowTimeMs()) {
        leaving_ = true;
        game->GoToStage(NextStage());
    }
}

PlaceholderStage::PlaceholderStage(int id, int loadSteps)
    : Stage(loadSteps), flow_(std::make_shared<PlaceholderFlow>(id))
{
    AddCog(flow_);
}

void PlaceholderStage::LoadStep(int step)
{
    if (step == 0) {
        flow_->Build(*worldRoot_);
    }
}

PlaceholderExtendedStage::PlaceholderExtendedStage(int id, int loadSteps)
    : ExtendedStage(loadSteps), flow_(std::make_shared<PlaceholderFlow>(id))
{
    AddCog(flow_);
}

void PlaceholderExtendedStage::LoadStep(int step)
{
    if (step == 0) {
        flow_->Build(*worldRoot_);
    }
}

Ref<Stage> NewPlaceholderStage(int id)
{
    switch (id) {
    case kStageMatch:
        return std::make_shared<PlaceholderExtendedStage>(id, kMatchLoadSteps);
    case kStageTitle:
        return std::make_shared<PlaceholderExtendedStage>(id, kTitleLoadSteps);
    case kStageIntro:
        return std::make_shared<PlaceholderStage>(id, kIntroLoadSteps);
    case kStageCredits:
        return std::make_shared<PlaceholderStage>(id, kCreditsLoadSteps);
    case kStageIntro2:
        return std::make_shared<PlaceholderStage>(id, kIntro2LoadSteps);
    default:
        return nullptr;
    }
}

}  // namespace zelka
