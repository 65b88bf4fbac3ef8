#include "screens/title/TitleStage.h"

#include "engine/EngineConstants.h"
#include "engine/audio/SoundManager.h"
#include "engine/core/Random.h"
#include "engine/display/EmptyGDOContainer.h"
#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "engine/particles/ParticleEmitter.h"
#include "engine/particles/ParticleEngine.h"
#include "engine/stage/Game.h"
#include "engine/text/BlinkingLabel.h"
#include "engine/text/Label.h"
#include "engine/tween/Ease.h"
#include "engine/tween/TweenEngine.h"
#include "engine/ui/ArrowCursor.h"
#include "engine/ui/Panel.h"
#include "platform/app/App.h"
#include "services/config/GlobalOptions.h"
#include "services/data/GameData.h"
#include "services/input/InputConstants.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "services/roster/Roster.h"
#include "screens/app/AppConstants.h"
#include "screens/app/PanelState.h"
#include "screens/app/ZELKA.h"
#include "screens/menus/GameModeMenuOption.h"
#include "screens/menus/GameModesMultiOption.h"
#include "screens/menus/MenuOption.h"
#include "screens/menus/MultiMenuOption.h"
#include "screens/title/HowToPlay.h"
#include "screens/title/StatsPanel.h"
#include "screens/title/TitleConstants.h"

#include <algorithm>

namespace zelka {

namespace {

const String kLabelTween1 = U"optionLabelTween1";
const String kLabelTween2 = U"optionLabelTween2";

struct Sparkle {
    const char32_t* name;
    const char32_t* image;
    float x;
    float y;
};

// Positions relative to the logo group; SHINE1_5 rides on the logo itself.
const Sparkle kSparkles[] = {
    {U"SHINE1_1", U"shine1.png", 102, -60}, {U"SHINE1_2", U"shine1.png", -116, -25},
    {U"SHINE1_3", U"shine1.png", -62, 74},  {U"SHINE1_4", U"shine1.png", 55, 72},
    {U"SHINE1_5", U"shine1.png", -36, -79}, {U"SHINE2_1", U"shine2.png", -39, -94},
    {U"SHINE2_2", U"shine2.png", 90, -40.5f}, {U"SHINE2_3", U"shine2.png", -94, -34},
    {U"SHINE2_4", U"shine2.png", -77, 62},  {U"SHINE2_5", U"shine2.png", -45, 70},
    {U"SHINE2_6", U"shine2.png", 83, 65},   {U"SHINE3_1", U"shine3.png", -135, 13},
    {U"SHINE3_2", U"shine3.png", 115, -31}, {U"SHINE3_3", U"shine3.png", 20, 92},
};

struct Binding {
    const char32_t* node;
    const char32_t* property;
    float factor;
    float offset;
};

struct LoopTween {
    const char32_t* name;
    Ref<EaseFunction> (*ease)();
    int ms;
    float from;
    float to;
    std::vector<Binding> bindings;
};

Ref<EaseFunction> Sine() { return SineEaseInOut::New(); }
Ref<EaseFunction> Linear() { return LinearEase::New(); }
Ref<EaseFunction> Quad() { return QuadraticEaseInOut::New(); }

// The five looping logo tweens; a factor of -1 with offset 1 runs a sparkle in counter-phase.
const std::vector<LoopTween>& LogoTweens()
{
    static const std::vector<LoopTween> tweens = {
        {U"bounceTween", &Sine, 800, -2.0f, 2.0f, {{U"LOGO", U"position.y", 1, 0}}},
        {U"lightTween", &Linear, 120, 1.0f, 1.1f, {{U"BACKLIGHT", U"scale", 1, 0}}},
        {U"shineTween1", &Quad, 300, 0.0f, 1.0f,
         {{U"SHINE1_1", U"scale", 1, 0}, {U"SHINE1_3", U"scale", 1, 0}, {U"SHINE1_5", U"scale", 1, 0},
          {U"SHINE1_2", U"scale", -1, 1}, {U"SHINE1_4", U"scale", -1, 1}}},
        {U"shineTween2", &Quad, 500, 0.0f, 1.0f,
         {{U"SHINE2_1", U"scale", 1, 0}, {U"SHINE2_3", U"scale", 1, 0}, {U"SHINE2_5", U"scale", 1, 0},
          {U"SHINE2_2", U"scale", -1, 1}, {U"SHINE2_4", U"scale", -1, 1}, {U"SHINE2_6", U"scale", -1, 1},
          {U"SHINE1_5", U"rotation", 360, 0}}},
        {U"shineTween3", &Quad, 600, 0.0f, 1.0f,
         {{U"SHINE3_1", U"scale", 1, 0}, {U"SHINE3_3", U"scale", 1, 0}, {U"SHINE3_2", U"scale", -1, 1},
          {U"SHINE3_1", U"rotation", 180, 0}, {U"SHINE3_2", U"rotation", 180, 0},
          {U"SHINE3_3", U"rotation", 180, 0}}},
    };
    return tweens;
}

bool HasDevice(const Ref<PlayerData>& player)
{
    return player && player->GetInputMapping();
}

float SlideOffset(int direction)
{
    return direction < 0 ? -kOptionSlideDistance : direction > 0 ? kOptionSlideDistance : 0.0f;
}

}  // namespace

TitleStage::TitleStage() : ExtendedStage(kTitleLoadSteps), end_([] { app::EndApp(); })
{
    // The screens place their nodes around the screen's centre.
    worldRoot_->position->Set(kVirtualWidth * 0.5f, kVirtualHeight * 0.5f);
}

Ref<TitleStage> TitleStage::New()
{
    return std::make_shared<TitleStage>();
}

Ref<EventListener> TitleStage::Self()
{
    return std::dynamic_pointer_cast<TitleStage>(shared_from_this());
}

// ---- Loading ----

void TitleStage::LoadStep(int step)
{
    switch (step) {
    case 0: BuildBackground(); break;
    case 1: BuildLogo(); break;
    case 2: BuildLogoTweens(); break;
    case 3: BuildFire(); break;
    case 4: BuildOverlayArt(); break;
    case 5: BuildOptions(); break;
    case 6: BuildMenu(); break;
    case 7: BuildStatsPanel(); break;
    default: break;
    }
}

void TitleStage::BuildBackground()
{
    worldRoot_->AddChild(StaticImage::New(Texture::GetTexture(U"title_bg.png")));
}

void TitleStage::BuildLogo()
{
    const Ref<EmptyGDOContainer> group = EmptyGDOContainer::New();
    worldRoot_->AddChild2(group, 0.0f, kLogoGroupY);
    logo_ = StaticImage::New(Texture::GetTexture(U"logo.png"));
    logo_->name = U"LOGO";
    group->AddChild(logo_);
    const Ref<GDO> word = StaticImage::New(Texture::GetTexture(U"zelka.png"));
    word->name = U"ZELKA";
    group->AddChild2(word, -1.0f, 28.0f);
    const Ref<GDO> light = StaticImage::New(Texture::GetTexture(U"logo_light.png"));
    light->name = U"BACKLIGHT";
    logo_->AddChild(light);
    for (const Sparkle& sparkle : kSparkles) {
        const Ref<GDO> node = StaticImage::New(Texture::GetTexture(sparkle.image));
        node->name = sparkle.name;
        GDO& parent = String(sparkle.name) == U"SHINE1_5" ? *logo_ : *group;
        parent.AddChild2(node, sparkle.x, sparkle.y);
    }
}

void TitleStage::BuildLogoTweens()
{
    tweens_ = TweenEngine::New(U"TWEEN_ENGINE");
    AddCog(tweens_);
    for (const LoopTween& loop : LogoTweens()) {
        tweens_->AddTween(Tween::New(loop.ease(), loop.from, loop.to, loop.ms, true, true), loop.name);
        for (const Binding& b : loop.bindings) {
            tweens_->AddTweenBinding(loop.name, worldRoot_->GetChildByName(b.node, true), b.property,
                                     b.factor, b.offset);
        }
        tweens_->GetTween(loop.name)->Start();
    }
}

void TitleStage::BuildFire()
{
    particles_ = ParticleEngine::New(U"PARTICLE_ENGINE");
    AddCog(particles_);
    fire_ = ParticleEmitter::New(kFireParticles, logo_);
    for (int i = 0; i < kFireParticles; ++i) {
        fire_->SetParticleGDO(i, StaticImage::New(Texture::GetTexture(U"fire.png")));
    }
    fire_->AddAnimation(U"tint.r", 255.0f, 64.0f, 1.0f, nullptr);
    fire_->AddAnimation(U"tint.g", 240.0f, 0.0f, 1.0f, nullptr);
    fire_->AddAnimation(U"tint.b", 240.0f, 64.0f, 1.0f, nullptr);
    fire_->AddAnimation(U"scale", 1.25f, 0.25f, 1.0f, nullptr);
    particles_->AddEmitter(U"fireEmitter", fire_);
}

void TitleStage::BuildOverlayArt()
{
    worldRoot_->AddChild2(StaticImage::New(Texture::GetTexture(U"title_over.png")), 0.0f,
                          kOverlayImageY);
    // A blinking label's period is 500 / rate ms.
    prompt_ = BlinkingLabel::New(GameData::stdFont, 500.0f / kPromptBlinkMs, kPromptScale);
    prompt_->name = U"PRESSANYKEY";
    prompt_->SetSize(kPromptWidth, kPromptHeight);
    prompt_->SetText(U"PRESS ANY KEY");
    prompt_->visible = false;
    prompt_->enabled = false;
    worldRoot_->AddChild2(prompt_, 0.0f, kMenuY);

    version_ = Label::New(GameData::stdFont, kVersionScale);
    version_->SetSize(kVersionWidth, kVersionHeight);
    version_->SetText(U"VER. 3.0");
    version_->tint.Set(kVersionGrey, kVersionGrey, kVersionGrey);
    version_->visible = false;
    worldRoot_->AddChild2(version_,
                          kVirtualWidth * 0.5f - version_->GetWidth() * 0.5f - kVersionMargin,
                          version_->GetHeight() * 0.5f - kVirtualHeight * 0.5f + kVersionMargin);
}

void TitleStage::BuildOptions()
{
    options_.push_back(GameModesMultiOption::New());
    const Ref<MultiMenuOption> panels = MultiMenuOption::New();
    panels->AddEntry(MenuOption::New(U"CONTROLS", kTitleCodeControls, nullptr));
    panels->AddEntry(MenuOption::New(U"SETTINGS", kTitleCodeSettings, nullptr));
    panels->AddEntry(MenuOption::New(U"HOW TO PLAY", kTitleCodeHowToPlay, nullptr));
    panels->AddEntry(MenuOption::New(U"PLAYER STATS", kTitleCodeStats, nullptr));
    options_.push_back(panels);
    options_.push_back(MenuOption::New(U"CREDITS", kTitleCodeCredits, nullptr));
    options_.push_back(MenuOption::New(U"EXIT", kTitleCodeExit, nullptr));
}

void TitleStage::BuildMenu()
{
    menu_ = EmptyGDOContainer::New();
    menu_->name = U"GAMEMENU";
    menu_->visible = false;
    worldRoot_->AddChild2(menu_, 0.0f, kMenuY);
    int n = 1;
    for (Ref<Label>* label : {&label1_, &label2_}) {
        *label = Label::New(GameData::stdFont, kOptionLabelScale);
        (*label)->SetStyle(kLabelSingleLine);
        (*label)->name = U"OPTION_LABEL" + FromUtf8(std::to_string(n++));
        menu_->AddChild(*label);
    }
    for (int i = 0; i < 4; ++i) {
        cursors_[i] = ArrowCursor::New(i < 2 ? 1 : 2);
        cursors_[i]->name = U"CURSOR" + FromUtf8(std::to_string(i + 1));
        cursors_[i]->visible = false;
        menu_->AddChild(cursors_[i]);
    }
    cursors_[1]->scale.x = -cursors_[1]->scale.x;  // the right arrow points right
    cursors_[3]->rotation = 180.0f;                 // the lower arrow points down

    for (const String& name : {kLabelTween1, kLabelTween2}) {
        tweens_->AddTween(Tween::New(QuadraticEaseInOut::New(), 0.0f, 0.0f, kOptionSlideMs, false, false),
                          name);
    }
    tweens_->AddTweenBinding(kLabelTween1, label1_, U"position.x", 1.0f, 0.0f);
    tweens_->AddTweenBinding(kLabelTween2, label2_, U"position.x", 1.0f, 0.0f);
    const Ref<Tween> slide = tweens_->GetTween(kLabelTween1);
    slide->SetEvents(true);
    EventManager::RegisterListener(Self(), slide, kEventAnyId);
}

void TitleStage::BuildStatsPanel()
{
    statsPanel_ = Panel::New(StatsPanel::New(), U"scale.y", kStatsPanelClosed, 1.0f, kTitlePanelMs,
                             nullptr);
    statsPanel_->name = U"STATS_PANEL";
    worldRoot_->AddChild(statsPanel_);
    // Played here and never preloaded by the panels or the menus.
    for (int sfx : {kSfxTitleAccept, kSfxTitleStep, kSfxTitleMenuShown}) {
        SoundManager::PreloadSFX(sfx);
    }
}

// ---- Update ----

void TitleStage::Update(int ms)
{
    if (GameData::GlobalCancelPressed()) {
        Quit();
        return;
    }
    ExtendedStage::Update(ms);
    if (leaving_) {
        return;
    }
    UpdateFire(ms);
    if (UpdateIdle(ms) || UpdatePromptOrMenu() || UpdateHowToPlay()) {
        return;
    }
    UpdateMenuInput();
}

void TitleStage::UpdateFire(int ms)
{
    fireTimer_ += ms;
    if (fireTimer_ > kFireIntervalMs) {
        EmitFire(kFireRightX, kFireY);
        EmitFire(kFireLeftX, kFireY);
        fireTimer_ = 0;
    }
}

void TitleStage::EmitFire(float x, float y)
{
    const float speedX = random::Rnd2(-kFireSpeedX, kFireSpeedX);
    // Two draws per particle, the second unused: the generator's sequence, and with it the
    // attract mode's picks for a given seed, stays as designed.
    random::Rnd();
    if (!fire_) {
        return;
    }
    fire_->position.Set(x, y);
    fire_->Emit(kFireLifeMs, speedX, kFireSpeedY);
}

bool TitleStage::UpdateIdle(int ms)
{
    if (!GameData::GetAnyKeyFromAnyHardware().empty()) {
        idle_ = 0;
        return false;
    }
    idle_ += ms;
    if (idle_ > kAttractIdleMs && prompt_ && prompt_->IsVisible()) {
        StartAttractMode();
        return true;
    }
    return false;
}

bool TitleStage::UpdatePromptOrMenu()
{
    if (!menu_ || !prompt_) {
        return true;
    }
    if (!HasDevice(GameData::player1)) {
        menu_->visible = false;
        version_->visible = false;
        prompt_->Show3(true);
        return false;
    }
    if (!menu_->visible) {
        if (prompt_->enabled) {
            SoundManager::PlaySFX(kSfxTitleMenuShown, kSfxChannelGeneral, false);
        }
        menu_->visible = true;
        prompt_->Show3(false);
        current_ = -1;
        SetSelOption(0, +1);
        if (GameData::options && GameData::options->displayHowToPlay) {
            ShowHowToPlay(kHowToPlayFirstDelayMs);
        }
        return true;
    }
    prompt_->Show3(false);
    version_->visible = current_ > 0;
    return false;
}

bool TitleStage::UpdateHowToPlay()
{
    if (!htpPanel_) {
        return false;
    }
    if (htpPanel_->IsOpen() || htpPanel_->IsAnimating()) {
        return true;
    }
    const bool changeControls = htp_ && htp_->GetResult() == 1;
    htpPanel_->DetachFromParent();
    // Released, not only detached: its page and cursor textures go with it.
    htpPanel_->Deallocate();
    htpPanel_.reset();
    htp_.reset();
    if (GameData::options) {
        GameData::options->displayHowToPlay = false;
    }
    if (changeControls) {
        ShowInputConfigPanel(kOverlayNoPlayer);
    }
    return false;
}

void TitleStage::UpdateMenuInput()
{
    const Ref<PlayerData>& player = GameData::player1;
    const InputMapping* input = player ? player->GetInputMapping().get() : nullptr;
    if (input == nullptr || !menu_->visible || tweens_->GetTween(kLabelTween1)->IsPlaying() ||
        current_ < 0) {
        return;
    }
    const bool accept = input->InputHit(kActionAccept);
    const bool cancel = input->InputHit(kActionCancel);
    const bool start = input->InputHit(kActionStart);
    if (statsPanel_ && statsPanel_->IsOpen()) {
        // Only the panel listens. A press while it unfolds folds it back; one while it
        // already folds away has nothing left to do.
        if ((accept || cancel || start) && !IsPanelClosing(*statsPanel_, kStatsPanelClosed)) {
            statsPanel_->Close2(false, true);
        }
        return;
    }
    auto* multi = dynamic_cast<MultiMenuOption*>(options_[current_].get());
    if (multi != nullptr && (input->InputHit(kActionUp) || input->InputHit(kActionDown))) {
        SoundManager::PlaySFX(kSfxTitleStep, kSfxChannelGeneral, false);
        if (input->InputHit(kActionUp)) {
            multi->PrevOption();
        } else {
            multi->NextOption();
        }
        RefreshCurrentOption(false);
    } else if (input->InputHit(kActionLeft)) {
        SoundManager::PlaySFX(kSfxTitleStep, kSfxChannelGeneral, false);
        SetSelOption(current_ - 1, -1);
    } else if (input->InputHit(kActionRight)) {
        SoundManager::PlaySFX(kSfxTitleStep, kSfxChannelGeneral, false);
        SetSelOption(current_ + 1, +1);
    } else if (accept || start) {
        DoOption(options_[current_]->GetOption2());
    } else if (cancel) {
        idle_ = 0;
        SoundManager::PlaySFX(kSfxTitleCancel, kSfxChannelGeneral, false);
        GameData::SetNewInputDeviceForPlayer(1, U"");
        GameData::SetNewInputDeviceForPlayer(2, U"");
    }
}

void TitleStage::StartAttractMode()
{
    Roster::Init();
    const int characters = Roster::GetTotalCharacters();
    for (const Ref<PlayerData>& player : {GameData::player1, GameData::player2}) {
        const int index = static_cast<int>(random::Rnd() * static_cast<float>(characters));
        if (player) {
            player->character = Roster::GetCharacterByIndex(index);
            player->characterIndex = index;
        }
    }
    const int worlds = static_cast<int>(GameData::worlds.size());
    const float r = random::Rnd();
    if (worlds > 0) {
        GameData::currentWorldNdx = std::clamp(static_cast<int>(r * static_cast<float>(worlds)), 0,
                                               worlds - 1);
    }
    GameData::SetDemo(true);
    GoTo(kStageMatch);
}

// ---- Options ----

void TitleStage::SetSelOption(int index, int direction)
{
    const int count = GetOptionCount();
    if (count == 0 || !label1_) {
        return;
    }
    index = (index % count + count) % count;
    if (index == current_) {
        return;
    }
    const int before = current_;
    current_ = index;
    if (auto* multi = dynamic_cast<MultiMenuOption*>(options_[current_].get())) {
        multi->Reset();
    }
    RefreshCurrentOption(true);
    const Ref<Tween> slideIn = tweens_->GetTween(kLabelTween1);
    if (slideIn->IsPlaying()) {
        current_ = before;
        return;
    }
    const float offset = SlideOffset(direction);
    label1_->position->x = offset;  // no frame of the new name at the old place
    label2_->position->x = 0.0f;
    slideIn->SetValues(offset, 0.0f);
    slideIn->Start();
    const Ref<Tween> slideOut = tweens_->GetTween(kLabelTween2);
    slideOut->SetValues(0.0f, -offset);
    slideOut->Start();
    label2_->SetText(before >= 0 ? options_[before]->GetName() : String());
    label2_->tint.Set(kColorMax, kColorMax, kColorMax);
    RefreshCurrentOption(false);
    previous_ = before;
    if (direction == 0) {
        ShowArrows();  // a tween from 0 to 0 never plays, so it never reports its end
    }
}

void TitleStage::RefreshCurrentOption(bool hideCursors)
{
    if (current_ < 0 || current_ >= GetOptionCount()) {
        return;
    }
    label1_->SetText(options_[current_]->GetName());
    label1_->tint.Set(kColorMax, kColorMax, kColorMax);
    const float w = label1_->GetWidth();
    const float h = label1_->GetHeight();
    cursors_[0]->position->Set(-(kSideCursorGap + w * 0.5f), 0.0f);
    cursors_[1]->position->Set(kSideCursorGap + w * 0.5f, 0.0f);
    cursors_[2]->position->Set(0.0f, -(kUpDownCursorGap + h * 0.5f));
    cursors_[3]->position->Set(0.0f, kUpDownCursorGap + h * 0.5f);
    if (hideCursors) {
        for (const Ref<ArrowCursor>& cursor : cursors_) {
            cursor->visible = false;
        }
    }
}

void TitleStage::HandleEvent(Object* /*source*/, int id, Object* /*data*/)
{
    if (id == kEventTweenRunEnded) {
        ShowArrows();
    }
}

void TitleStage::ShowArrows()
{
    if (current_ < 0 || current_ >= GetOptionCount()) {
        return;
    }
    const bool multi = dynamic_cast<MultiMenuOption*>(options_[current_].get()) != nullptr;
    cursors_[0]->visible = true;
    cursors_[1]->visible = true;
    cursors_[2]->visible = multi;
    cursors_[3]->visible = multi;
    if (previous_ >= 0 && previous_ < GetOptionCount() && previous_ != current_) {
        if (auto* old = dynamic_cast<MultiMenuOption*>(options_[previous_].get())) {
            old->Reset();
        }
    }
}

void TitleStage::DoOption(const OptionInterface* option)
{
    if (option == nullptr) {
        return;
    }
    if (const auto* mode = dynamic_cast<const GameModeMenuOption*>(option)) {
        SoundManager::PlaySFX(kSfxTitleAccept, kSfxChannelGeneral, false);
        leaving_ = true;
        if (ZELKA* game = ZELKA::Current()) {
            game->StartGameWithMode(mode->GetGameModeId());
        }
        return;
    }
    switch (option->GetCode()) {
    case kTitleCodeControls:
        ShowInputConfigPanel(kOverlayNoPlayer);
        break;
    case kTitleCodeExit:
        Quit();
        break;
    case kTitleCodeStats:
        statsPanel_->Open(false, true, 0);
        break;
    case kTitleCodeSettings:
        // This stage is the current one: the same as ZELKA::RaiseSettingsPanel.
        ShowSettingsPanel();
        break;
    case kTitleCodeCredits:
        SoundManager::PlaySFX(kSfxTitleAccept, kSfxChannelGeneral, false);
        GoTo(kStageCredits);
        break;
    case kTitleCodeHowToPlay:
        ShowHowToPlay(0);
        break;
    default:
        break;
    }
}

void TitleStage::ShowHowToPlay(int delayMs)
{
    if (!htpPanel_) {
        htp_ = HowToPlay::New();
        htp_->name = U"HTP_PANEL";
        htpPanel_ = Panel::New(htp_, U"scale.y", 0.0f, 1.0f, kTitlePanelMs, nullptr);
        worldRoot_->AddChild(htpPanel_);
    }
    htpPanel_->Open(false, delayMs == 0, delayMs);
}

void TitleStage::Quit()
{
    ZELKA::CloseProc_();
    leaving_ = true;
    if (end_) {
        end_();
    }
}

void TitleStage::GoTo(int stageId)
{
    leaving_ = true;
    if (Game* game = Game::GetCurrentGame()) {
        game->GoToStage(stageId);
    }
}

}  // namespace zelka
