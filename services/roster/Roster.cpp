#include "services/roster/Roster.h"

#include "services/data/ContentLock.h"
#include "services/roster/CharProfile.h"

#include <vector>

namespace zelka {

namespace {

struct Unlock {
    int item;   // -1: never locked
    int uses;   // both players' uses of `item` together
};

struct RosterRow {
    const char32_t* key;
    const char32_t* name;
    int height;   // sprite px
    int fps;
    std::vector<int> right, left, up, down;
    Unlock unlock;
    const char32_t* job;
    const char32_t* nicknames;
    const char32_t* bio;
    std::vector<const char32_t*> quotes;
};

std::vector<int> Frames(int first, int last)
{
    std::vector<int> frames;
    for (int f = first; f <= last; ++f) frames.push_back(f);
    return frames;
}

// The roster in id order (id = position).
std::vector<RosterRow> RosterTable()
{
    return {
        {U"mira", U"MIRA VOSS", 40, 10, Frames(6, 11), Frames(12, 17), Frames(18, 23),
         Frames(0, 5), {-1, 0}, U"VAULT CARTOGRAPHER", U"Goggles, Mapless Mira",
         U"Mira has mapped every vault she ever left alive. The goggles are not for the sun: "
         U"she once walked into a wall, and the wall never apologised.",
         {U"I had this maze mapped before you found the door.",
          U"Left, left, right. Was it that hard?", U"Next time bring a compass."}},
        {U"brak", U"CAP'N BRAKKEN", 44, 10, {0, 1}, {2, 3}, {4, 5, 6, 5}, {7, 8, 9, 8},
         {-1, 0}, U"RETIRED SKY PIRATE", U"Old Anchor, The Cap'n, Beardy",
         U"Brakken lost his airship in a bet with a seagull. Every gem goes into the hull "
         U"fund, and the hat stays on in case the seagull comes back.",
         {U"Har! That's another plank for me ship!", U"Ye dig like a landlubber.",
          U"Mind the anchor on yer way out."}},
        {U"sable", U"SABLE SHADE", 40, 10, Frames(6, 11), Frames(18, 23), Frames(12, 17),
         Frames(0, 5), {-1, 0}, U"NIGHT COURIER", U"Shade, The Quiet One",
         U"Sable delivers parcels that should not exist to people who are never home. Nobody "
         U"has seen her without the hood. Not even the hood.",
         {U"You never saw me.", U"Too slow. Far too slow.", U"The dark keeps my secrets."}},
        {U"wren", U"WREN ARROW", 40, 10, Frames(6, 11), Frames(18, 23), Frames(12, 17),
         Frames(0, 5), {-1, 0}, U"TRICK ARCHER", U"Birdie, Straight Shot",
         U"Wren shoots apples off heads at county fairs. The vaults pay better and the apples "
         U"complain less. One arrow is for emergencies, one for snacks.",
         {U"Right on target!", U"You blinked. I didn't.", U"Bullseye, as always."}},
        {U"gc0", U"GRAVO KNAPP", 48, 8, Frames(5, 8), Frames(9, 12), Frames(13, 16),
         Frames(1, 4), {7, 30}, U"GENTLEMAN OF PARTS", U"Stitches, Sir Patchwork",
         U"Assembled one stormy night from the finest spare parts. Polite, strong and very "
         U"worried about his hat. He digs like a shovel because one hand was.",
         {U"One does not simply out-dig a gentleman.", U"Pardon me. I believe that gem is mine."}},
        {U"gc1", U"NELLA PIP", 40, 10, Frames(6, 11), Frames(18, 23), Frames(12, 17),
         Frames(0, 5), {8, 30}, U"PUDDLE INSPECTOR", U"Pip, Little Drizzle",
         U"Nella found an ice wand in a puddle and froze the puddle to keep it. The raincoat "
         U"stays on, in case the weather starts something.",
         {U"Chill out, it's only a game!", U"Oops, was that your foot? Frozen now.",
          U"Snow way you beat me."}},
        {U"gc2", U"OSKA VEYL", 32, 10, Frames(6, 11), Frames(18, 23), Frames(12, 17),
         Frames(0, 5), {3, 25}, U"RETIRED TRAP WIZARD", U"Boo, Old Veyl",
         U"Oska built half the traps in these vaults and fell into the other half. As a ghost "
         U"he still trips over them, which he finds very unfair.",
         {U"Watch your step. Heh.", U"I built that trap, you know."}},
    };
}

struct RosterState {
    std::vector<Ref<CharProfile>> list;
    bool ready = false;
};

RosterState& State()
{
    // Never destroyed: an exit() from a library runs static destructors in any order.
    static RosterState& state = *new RosterState;
    return state;
}

Ref<CharProfile> MakeProfile(const RosterRow& row, int id)
{
    Ref<CharProfile> profile = CharProfile::New(row.key, row.name, id);
    profile->SetTexts(row.job, row.nicknames, row.bio);
    profile->SetSprite(row.height, row.fps);
    profile->SetSpriteSequence(kSeqRight, row.right);
    profile->SetSpriteSequence(kSeqLeft, row.left);
    profile->SetSpriteSequence(kSeqUp, row.up);
    profile->SetSpriteSequence(kSeqDown, row.down);
    if (row.unlock.item >= 0) {
        profile->SetLock(
            ContentLock::New(profile.get(), kLockItemUses, row.unlock.item, row.unlock.uses));
    }
    for (const char32_t* quote : row.quotes) profile->AddQuote(kQuoteTaunt, quote);
    return profile;
}

}  // namespace

void Roster::Init()
{
    RosterState& state = State();
    if (state.ready) return;
    std::vector<RosterRow> table = RosterTable();
    for (size_t i = 0; i < table.size(); ++i) {
        state.list.push_back(MakeProfile(table[i], static_cast<int>(i)));
    }
    state.ready = true;
}

int Roster::GetTotalCharacters()
{
    Init();
    return static_cast<int>(State().list.size());
}

Ref<CharProfile> Roster::GetCharacterByIndex(int index)
{
    Init();
    const auto& list = State().list;
    if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
    return list[index];
}

int Roster::FindCharacterById(int id)
{
    Init();
    const auto& list = State().list;
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i]->GetId() == id) return static_cast<int>(i);
    }
    return -1;
}

Ref<CharProfile> Roster::GetCharacterById(int id)
{
    return GetCharacterByIndex(FindCharacterById(id));
}

}  // namespace zelka
