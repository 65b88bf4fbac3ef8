#include "screens/credits/CreditsStage.h"

#include "engine/EngineConstants.h"
#include "engine/audio/SoundManager.h"
#include "engine/core/Random.h"
#include "engine/display/EmptyGDOContainer.h"
#include "engine/stage/Game.h"
#include "engine/text/BlinkingLabel.h"
#include "engine/text/Font.h"
#include "engine/text/Label.h"
#include "services/data/GameData.h"
#include "services/input/InputConstants.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "services/roster/CharProfile.h"
#include "services/roster/Roster.h"
#include "screens/app/AppConstants.h"
#include "screens/credits/CreditsConstants.h"

#include <array>
#include <cmath>

namespace zelka {

namespace {

constexpr float kPromptBlinkRate = 500.0f / kCreditsPromptBlinkMs;  // BlinkingLabel's rate

const std::array<const char32_t*, 4> kAwfulPrefixes = {
    U"HALF-ASSED ATTEMPT AT ", U"WORLD'S MOST AWFUL ", U"SORRY EXCUSE OF ", U"LESS THAN STELLAR "};

struct Section {
    const char32_t* title;
    std::vector<const char32_t*> names;
};

// The team, all of this game's own making.
const std::vector<Section>& RoleSections()
{
    static const std::vector<Section> sections = {
        {U"UI DESIGN", {U"MARTA OLLENBY"}},
        {U"SPRITES & GAME GRAPHICS", {U"TEODOR VASK", U"LINN ARKELL"}},
        {U"CHARACTER ILLUSTRATIONS", {U"PIA DRUMMOND-KE"}},
        {U"GAME ENGINE & PROGRAMMING", {U"JONAS FELLWICK"}},
        {U"MUSIC & SOUND EFFECTS", {U"RUFUS OTTERLY"}},
    };
    return sections;
}

struct Voice {
    const char32_t* actor;
    const char32_t* part;
};

// Guests are left out: their names must not show while they are locked.
const std::vector<Voice>& Voices()
{
    static const std::vector<Voice> voices = {
        {U"HEDDA MARLOWE", U"MIRA VOSS, SABLE SHADE"},
        {U"RUFUS OTTERLY", U"CAP'N BRAKKEN, THE ANNOUNCER"},
        {U"LINN ARKELL", U"WREN ARROW"},
        {U"OSWIN TRALL", U"THE VAULT KEEPER"},
    };
    return voices;
}

struct Guest {
    int id;
    std::array<int, 3> colour;
    const char32_t* owner;   // follows the name, in the line grey
};

const std::array<Guest, kGuestCount> kGuests = {{
    {kGuestFirstId, {0, 190, 255}, U" FROM \"DEEP DIG DIARIES\" BY BURROW LANE GAMES"},
    {kGuestFirstId + 1, {255, 190, 0}, U" FROM \"PIP'S PANTRY\" BY HALF MOON PIXELS"},
    {kGuestArtId, {0, 200, 64}, U" FROM \"VEYL OF THORNS\" BY THORNWICK STUDIO"},
}};

bool GuestUnlocked(int id)
{
    const Ref<CharProfile> guest = Roster::GetCharacterById(id);
    return guest && guest->IsUnlocked();
}

String GuestName(int id)
{
    const Ref<CharProfile> guest = Roster::GetCharacterById(id);
    return guest ? guest->GetName() : String();
}

}  // namespace

CreditsStage::CreditsStage() : Stage(kCreditsLoadSteps)
{
    // The screens place their nodes around the screen's centre.
    worldRoot_->position->Set(kVirtualWidth * 0.5f, kVirtualHeight * 0.5f);
}

Ref<CreditsStage> CreditsStage::New()
{
    return std::make_shared<CreditsStage>();
}

String CreditsStage::RandomAwfulJob(const String& job)
{
    int pick = static_cast<int>(std::floor(random::Rnd() * kAwfulPrefixes.size()));
    if (pick >= static_cast<int>(kAwfulPrefixes.size())) {
        pick = static_cast<int>(kAwfulPrefixes.size()) - 1;
    }
    return String(kAwfulPrefixes[pick]) + job;
}

void CreditsStage::LoadStep(int step)
{
    if (step == 0) {
        BuildContent();
    } else if (step == 1) {
        SoundManager::PreloadSFX(kSfxCreditsEnd);
    }
}

Ref<Label> CreditsStage::_MakeTitleLabel(const String& text)
{
    height_ += kCreditsTitleStep;
    const Ref<Label> label = Label::New(GameData::secFont, 1.0f);
    label->SetStyle(kLabelSingleLine);
    label->SetText(text);
    content_->AddChild2(label, 0.0f, height_);
    return label;
}

Ref<Label> CreditsStage::_MakeSubLabel(const String& text)
{
    height_ += kCreditsLineStep;
    const Ref<Label> label = Label::New(GameData::stdFont, 1.0f);
    label->SetStyle(kLabelSingleLine);
    label->SetFontScale(kCreditsLineScaleX, kCreditsLineScaleY);
    label->tint.Set(kCreditsLineGrey, kCreditsLineGrey, kCreditsLineGrey);
    label->SetText(text);
    content_->AddChild2(label, 0.0f, height_);
    return label;
}

void CreditsStage::BuildContent()
{
    content_ = EmptyGDOContainer::New();
    content_->name = U"CREDITS_CONTENT";
    // The column's origin is its top, which leaves the screen long before its lines do: a
    // culled origin would hide them all.
    content_->neverCulled = true;
    worldRoot_->AddChild2(content_, 0.0f, kCreditsStartY);
    scroll_ = kCreditsStartY;
    if (!GameData::secFont || !GameData::stdFont) {
        return;
    }
    AddPeople();
    AddGuests();

    prompt_ = BlinkingLabel::New(GameData::stdFont, kPromptBlinkRate, 1.0f);
    prompt_->name = U"PRESSANYKEY";
    prompt_->SetStyle(kLabelSingleLine);
    prompt_->SetFontScale(kCreditsPromptScaleX, kCreditsPromptScaleY);
    prompt_->SetText(U"PRESS ANY KEY");
    content_->AddChild2(prompt_, 0.0f, kCreditsHalfScreen + height_);
}

void CreditsStage::AddPeople()
{
    _MakeTitleLabel(U"DEVELOPED BY");
    _MakeSubLabel(U"ZIB GAMES");
    for (const Section& section : RoleSections()) {
        _MakeTitleLabel(section.title);
        for (const char32_t* name : section.names) {
            _MakeSubLabel(name);
        }
    }
    _MakeTitleLabel(U"VOICES");
    const String white = Font::FT_Color(255, 255, 255);
    const String roleGrey =
        Font::FT_Color(kCreditsVoiceRoleGrey, kCreditsVoiceRoleGrey, kCreditsVoiceRoleGrey);
    for (const Voice& voice : Voices()) {
        _MakeSubLabel(white + voice.actor);
        _MakeSubLabel(roleGrey + voice.part);
    }
    _MakeTitleLabel(RandomAwfulJob(U"MARKETING"));
    _MakeSubLabel(U"TEODOR VASK");
    _MakeTitleLabel(RandomAwfulJob(U"PR"));
    _MakeSubLabel(U"MARTA OLLENBY");
    _MakeTitleLabel(U"SPECIAL THANKS");
    for (const char32_t* name : {U"THE CAFE DOWN THE STREET", U"EVERYONE WHO PLAYED THE DEMOS",
                                 U"OUR VERY PATIENT FAMILIES"}) {
        _MakeSubLabel(name);
    }
}

void CreditsStage::AddGuests()
{
    const String artist = GuestUnlocked(kGuestArtId) ? GuestName(kGuestArtId) : String(U"?????");
    _MakeTitleLabel(artist + U" ART & SPRITE BY");
    _MakeSubLabel(U"ODA LINNQVIST");

    _MakeTitleLabel(U"GUEST CHARACTERS");
    const String grey = Font::FT_Color(kCreditsLineGrey, kCreditsLineGrey, kCreditsLineGrey);
    for (const Guest& guest : kGuests) {
        String name(kGuestHiddenMarks, U'?');
        if (GuestUnlocked(guest.id)) {
            name = Font::FT_Color(guest.colour[0], guest.colour[1], guest.colour[2]) +
                   GuestName(guest.id);
        }
        _MakeSubLabel(name + grey + guest.owner);
    }
    _MakeSubLabel(U" ");
    const String closing =
        Font::FT_Color(kCreditsClosingGrey, kCreditsClosingGrey, kCreditsClosingGrey);
    _MakeSubLabel(closing + U"GUEST CHARACTERS APPEAR WITH THE FULL PERMISSION");
    _MakeSubLabel(closing + U"OF THEIR RESPECTIVE OWNERS.");
}

float CreditsStage::GetEndScroll() const
{
    return kCreditsPromptRest - kCreditsHalfScreen - height_;
}

void CreditsStage::Update(int ms)
{
    // The step of one update at the game's rate; without a game object (the rate is 0)
    // the elapsed time.
    const int rate = Game::GetGameFPS();
    Stage::Update(rate > 0 ? kMsPerSecond / rate : ms);
    if (leaving_ || !content_) {
        return;
    }
    const float end = GetEndScroll();
    if (scroll_ < end) {
        scroll_ = end;
    }
    content_->position->y = std::ceil(scroll_);

    const Ref<PlayerData>& player = GameData::player1;
    const InputMapping* mapping = player ? player->GetInputMapping().get() : nullptr;
    if (scroll_ > end) {
        const bool fast = mapping != nullptr && mapping->InputDown(kActionAccept);
        scroll_ -= fast ? kCreditsFastStep : kCreditsSlowStep;
        const bool cancel = mapping != nullptr && mapping->InputDown(kActionCancel);
        if ((!fast && cancel) || GameData::GlobalCancelPressed()) {
            Leave(false);
        }
        return;
    }
    // A fresh press, so the accept held for the fast scroll does not leave on arrival.
    // Without a device for player 1 any device's key will do.
    const bool pressed = mapping != nullptr ? !mapping->GetAnyKey().empty()
                                            : !GameData::GetAnyKeyFromAnyHardware().empty();
    if (pressed) {
        Leave(true);
    } else if (GameData::GlobalCancelPressed()) {
        Leave(false);
    }
}

void CreditsStage::Leave(bool withSound)
{
    leaving_ = true;
    if (withSound) {
        SoundManager::PlaySFX(kSfxCreditsEnd, kSfxChannelGeneral, false);
    }
    if (Game* game = Game::GetCurrentGame()) {
        game->GoToStage(kStageTitle);
    }
}

}  // namespace zelka
