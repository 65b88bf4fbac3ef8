#include "services/mapping/InputMapping.h"

#include "services/input/InputConstants.h"
#include "services/input/InputKeyboard.h"
#include "services/player/PlayerData.h"
#include "services/xml/XMLNode.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace zelka {
namespace {

// A keyboard player as the game data makes one: the four schemes, then the defaults.
Ref<PlayerData> KeyboardPlayer(bool twoPlayer, int number = 1, Ref<InputKeyboard> keyboard = InputKeyboard::New())
{
    PlayerData::ResetPlayerCounter();
    Ref<PlayerData> player = PlayerData::New();
    if (number == 2) player = PlayerData::New();
    player->SetInputHardware(keyboard);
    player->ResetCurrentInputMapping(twoPlayer);
    return player;
}

// The keys of every action, then of the slot past the last one.
std::vector<String> Keys(const InputMapping& m)
{
    std::vector<String> keys;
    for (int action = 0; action <= kActionCount; ++action) keys.push_back(m.GetKey(action));
    return keys;
}

TEST(InputMapping, SetKeySwapsAndRefusesDirections)
{
    Ref<InputMapping> m = KeyboardPlayer(true)->GetInputMapping();
    EXPECT_EQ(Keys(*m), (std::vector<String>{U"SPACE", U"CTRL", U"ENTER", U"W", U"S", U"A", U"D", U""}));
    m->SetKey(0, U"CTRL");
    m->SetKey(0, U"W");     // a direction of the current scheme
    m->SetKey(1, U"NOPE");  // not an input of the keyboard
    m->SetKey(3, U"Q");     // not an action slot
    m->SetKey(2, U"Q");
    EXPECT_EQ(Keys(*m), (std::vector<String>{U"CTRL", U"SPACE", U"Q", U"W", U"S", U"A", U"D", U""}));

    // Each scheme's keys reach their own directions.
    ASSERT_TRUE(m->SetDirMappingByName(U"E S D F"));
    EXPECT_EQ(Keys(*m), (std::vector<String>{U"CTRL", U"SPACE", U"Q", U"E", U"D", U"S", U"F", U""}));
    EXPECT_EQ((std::vector{m->KeyInCurrentMapping(U"F"), m->KeyInCurrentMapping(U"CTRL"), m->KeyInCurrentMapping(U"")}),
              (std::vector{kActionRight, kActionAccept, -1}));
    EXPECT_FALSE(m->SetDirMappingByName(U""));
    EXPECT_FALSE(m->SetDirMapping(4));
    EXPECT_EQ(m->GetDirMappingName(m->GetDirMapping()), U"E S D F");
}

TEST(InputMapping, ConflictMatrix)
{
    Ref<InputKeyboard> keyboard = InputKeyboard::New();
    Ref<PlayerData> p1 = KeyboardPlayer(true, 1, keyboard);
    Ref<PlayerData> p2 = KeyboardPlayer(true, 2, keyboard);
    InputMapping& m1 = *p1->GetInputMapping();
    InputMapping& m2 = *p2->GetInputMapping();

    EXPECT_FALSE(m1.CheckMappingConflict(&m2, -1) || m2.CheckMappingConflict(&m1, -1));  // two-player defaults
    EXPECT_TRUE(m2.CheckMappingConflict(&m1, 0));    // if player 1 took the arrows
    EXPECT_FALSE(m1.CheckMappingConflict(nullptr, -1));

    ASSERT_TRUE(m2.SetDirMappingByName(U"W A S D"));
    EXPECT_TRUE(m1.CheckMappingConflict(&m2, -1) && m2.CheckMappingConflict(&m1, -1));

    // The same keys on a device of another name never clash.
    Ref<InputMapping> elsewhere = KeyboardPlayer(true, 1, InputKeyboard::New(U"KEYBOARD 2"))->GetInputMapping();
    EXPECT_FALSE(m1.CheckMappingConflict(elsewhere.get(), -1) || m1.CheckIfEqualHardware(elsewhere.get()));
    EXPECT_TRUE(m1.CheckIfEqualHardware(&m2));

    // Unbound keys are "" on both sides and never count.
    Ref<InputMapping> a = InputMapping::New(keyboard);
    EXPECT_FALSE(a->CheckMappingConflict(InputMapping::New(keyboard).get(), -1));
    Ref<GenericInputMapCollection> x = GenericInputMapCollection::New(3, U"x");
    Ref<GenericInputMapCollection> y = GenericInputMapCollection::New(3, U"y");
    EXPECT_FALSE(x->CheckMappingClash(*y));
    x->SetKey(1, U"Q");
    y->SetKey(2, U"Q");
    EXPECT_TRUE(x->CheckMappingClash(*y));
}

TEST(InputMapping, XmlRoundTrip)
{
    Ref<InputMapping> m = KeyboardPlayer(false)->GetInputMapping();
    ASSERT_TRUE(m->SetDirMappingByName(U"I J K L"));
    m->SetKey(0, U"Q");
    Ref<XMLNode> xml = m->ToXMLConfig();
    EXPECT_EQ(ToUtf8(xml->ToString()),
              "<input device=\"keyboard\"><buttons><map><key>Q</key><key>CTRL</key>"
              "<key>ENTER</key></map></buttons><movementScheme>I J K L</movementScheme></input>");
    Ref<InputMapping> copy = KeyboardPlayer(false)->GetInputMapping();
    copy->FromXMLConfig(xml);
    EXPECT_EQ(copy->ToXMLConfig()->ToString(), xml->ToString());

    // The arrow scheme's name survives too.
    copy->SetDirMapping(0);
    Ref<InputMapping> back = KeyboardPlayer(false)->GetInputMapping();
    back->SetDirMapping(3);
    back->FromXMLConfig(copy->ToXMLConfig());
    EXPECT_EQ(back->GetDirMapping(), 0);

    // Other elements, a missing map and an unknown scheme change nothing.
    const String before = back->ToXMLConfig()->ToString();
    back->FromXMLConfig(XMLNode::New(U"output"));
    back->FromXMLConfig(nullptr);
    Ref<XMLNode> input = XMLNode::New(U"input");
    input->children.push_back(XMLNode::New(U"movementScheme", U"Z Z Z Z"));
    back->FromXMLConfig(input);
    EXPECT_EQ(back->ToXMLConfig()->ToString(), before);
}

// A stored entry with a key missing or unknown to the device would leave the player
// without accept or start: the defaults replace it.
TEST(InputMapping, IncompleteStoredEntryFallsBackToDefaults)
{
    Ref<PlayerData> player = KeyboardPlayer(false);
    const auto storeAndReplug = [&](const std::function<void(XMLNode& map)>& edit) {
        Ref<XMLNode> stored = player->GetInputMapping()->ToXMLConfig();
        Ref<XMLNode> map = stored->GetChild2(U"buttons")->GetChild2(U"map");
        map->children[0]->value = U"Z";
        edit(*map);
        player->storedControls[U"keyboard"] = stored;
        player->SetInputHardware(InputKeyboard::New());
        return player->GetInputMapping()->GetKey(kActionAccept);
    };
    EXPECT_EQ(storeAndReplug([](XMLNode& map) { map.children.pop_back(); }), U"SPACE");
    EXPECT_EQ(storeAndReplug([](XMLNode& map) { map.children[1]->value = U"BUTTON 99"; }), U"SPACE");
    EXPECT_EQ(Keys(*player->GetInputMapping())[kActionCancel], U"CTRL");
    EXPECT_EQ(storeAndReplug([](XMLNode&) {}), U"Z");  // a complete entry is applied as stored
}

}  // namespace
}  // namespace zelka
