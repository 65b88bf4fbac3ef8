#include "services/mapping/InputMapping.h"

#include "services/input/InputConstants.h"
#include "services/input/InputKeyboard.h"
#include "services/player/PlayerData.h"
#include "services/xml/XMLNode.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace zelka {
namespace {

const String kArrows = U"\u2020 \u2039 \u2021 \u203A";

// A keyboard player as the game data makes one: the four schemes, then the defaults.
Ref<PlayerData> KeyboardPlayer(bool twoPlayer, int number = 1)
{
    PlayerData::ResetPlayerCounter();
    Ref<PlayerData> player = PlayerData::New();
    if (number == 2) player = PlayerData::New();
    player->SetInputHardware(InputKeyboard::New());
    player->ResetCurrentInputMapping(twoPlayer);
    return player;
}

TEST(InputMapping, DefaultsPerPlayerAndMode)
{
    Ref<InputMapping> one = KeyboardPlayer(true)->GetInputMapping();
    EXPECT_EQ(one->GetDirMappingName(one->GetDirMapping()), U"W A S D");
    EXPECT_EQ(one->GetKey(kActionAccept), U"SPACE");
    EXPECT_EQ(one->GetKey(kActionCancel), U"CTRL");
    EXPECT_EQ(one->GetKey(kActionStart), U"ENTER");
    EXPECT_EQ(one->GetKey(kActionUp), U"W");

    Ref<InputMapping> solo = KeyboardPlayer(false)->GetInputMapping();
    EXPECT_EQ(solo->GetDirMappingName(solo->GetDirMapping()), kArrows);
    EXPECT_EQ(solo->GetKey(kActionLeft), U"LEFT");

    Ref<InputMapping> two = KeyboardPlayer(true, 2)->GetInputMapping();
    EXPECT_EQ(two->GetDirMappingName(two->GetDirMapping()), kArrows);
    EXPECT_EQ(two->GetKey(kActionAccept), U"INS");
    EXPECT_EQ(two->GetKey(kActionStart), U"BACKSPACE");
    EXPECT_EQ(two->GetDirMappingCount(), 4);
}

TEST(InputMapping, SchemeKeysByAction)
{
    Ref<InputMapping> m = KeyboardPlayer(false)->GetInputMapping();
    ASSERT_TRUE(m->SetDirMappingByName(U"E S D F"));
    EXPECT_EQ(m->GetKey(kActionUp), U"E");
    EXPECT_EQ(m->GetKey(kActionDown), U"D");
    EXPECT_EQ(m->GetKey(kActionLeft), U"S");
    EXPECT_EQ(m->GetKey(kActionRight), U"F");
    EXPECT_EQ(m->GetKey(7), U"");
    EXPECT_EQ(m->KeyInCurrentMapping(U"F"), kActionRight);
    EXPECT_EQ(m->KeyInCurrentMapping(U"CTRL"), kActionCancel);
    EXPECT_EQ(m->KeyInCurrentMapping(U""), -1);
    EXPECT_FALSE(m->SetDirMappingByName(U""));
    EXPECT_FALSE(m->SetDirMapping(4));
    EXPECT_EQ(m->GetDirMappingName(m->GetDirMapping()), U"E S D F");
    EXPECT_FALSE(m->AddNewDirMapping(U"", U"A", U"B", U"C", U"D", 0));
}

TEST(InputMapping, SetKeySwapsAndRefusesDirections)
{
    Ref<InputMapping> m = KeyboardPlayer(true)->GetInputMapping();  // W A S D
    m->SetKey(0, U"CTRL");
    EXPECT_EQ(m->GetKey(0), U"CTRL");
    EXPECT_EQ(m->GetKey(1), U"SPACE");

    m->SetKey(0, U"W");        // a direction of the current scheme
    m->SetKey(1, U"NOPE");     // not an input of the keyboard
    m->SetKey(3, U"Q");        // not an action slot
    EXPECT_EQ(m->GetKey(0), U"CTRL");
    EXPECT_EQ(m->GetKey(1), U"SPACE");
    EXPECT_EQ(m->GetKey(kActionUp), U"W");

    m->SetKey(2, U"Q");
    EXPECT_EQ(m->GetKey(2), U"Q");
}

TEST(InputMapping, ConflictMatrix)
{
    PlayerData::ResetPlayerCounter();
    Ref<PlayerData> p1 = PlayerData::New();
    Ref<PlayerData> p2 = PlayerData::New();
    Ref<InputKeyboard> keyboard = InputKeyboard::New();
    p1->SetInputHardware(keyboard);
    p2->SetInputHardware(keyboard);
    p1->ResetCurrentInputMapping(true);
    p2->ResetCurrentInputMapping(true);
    InputMapping& m1 = *p1->GetInputMapping();
    InputMapping& m2 = *p2->GetInputMapping();

    EXPECT_FALSE(m1.CheckMappingConflict(&m2, -1));   // two-player defaults never clash
    EXPECT_FALSE(m2.CheckMappingConflict(&m1, -1));
    EXPECT_TRUE(m2.CheckMappingConflict(&m1, 0));     // if player 1 took the arrows
    EXPECT_FALSE(m1.CheckMappingConflict(nullptr, -1));

    ASSERT_TRUE(m2.SetDirMappingByName(U"W A S D"));
    EXPECT_TRUE(m1.CheckMappingConflict(&m2, -1));
    EXPECT_TRUE(m2.CheckMappingConflict(&m1, -1));

    // The same keys on a device of another name never clash.
    Ref<InputKeyboard> other = InputKeyboard::New(U"KEYBOARD 2");
    Ref<InputMapping> elsewhere = InputMapping::New(other);
    elsewhere->AddNewDirMapping(U"W A S D", U"W", U"A", U"S", U"D", 0);
    elsewhere->SetDirMapping(0);
    EXPECT_FALSE(m1.CheckMappingConflict(elsewhere.get(), -1));
    EXPECT_FALSE(m1.CheckIfEqualHardware(elsewhere.get()));
    EXPECT_TRUE(m1.CheckIfEqualHardware(&m2));
}

TEST(InputMapping, UnboundKeysNeverClash)
{
    Ref<InputKeyboard> keyboard = InputKeyboard::New();
    Ref<InputMapping> a = InputMapping::New(keyboard);
    Ref<InputMapping> b = InputMapping::New(keyboard);
    EXPECT_FALSE(a->CheckMappingConflict(b.get(), -1));  // all keys ""
    Ref<GenericInputMapCollection> x = GenericInputMapCollection::New(3, U"x");
    Ref<GenericInputMapCollection> y = GenericInputMapCollection::New(3, U"y");
    EXPECT_FALSE(x->CheckMappingClash(*y));
    x->SetKey(1, U"Q");
    y->SetKey(2, U"Q");
    EXPECT_TRUE(x->CheckMappingClash(*y));
}

TEST(InputMapping, SelfConflictAgainstAScheme)
{
    Ref<InputMapping> m = KeyboardPlayer(false)->GetInputMapping();  // arrows
    m->SetKey(0, U"W");
    EXPECT_TRUE(m->CheckSelfConflictAgainstDirScheme(1));   // W A S D holds W
    EXPECT_FALSE(m->CheckSelfConflictAgainstDirScheme(2));
    EXPECT_FALSE(m->CheckSelfConflictAgainstDirScheme(9));
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
}

TEST(InputMapping, FromXmlIgnoresOtherElements)
{
    Ref<InputMapping> m = KeyboardPlayer(false)->GetInputMapping();
    String before = m->ToXMLConfig()->ToString();
    m->FromXMLConfig(XMLNode::New(U"output"));
    m->FromXMLConfig(nullptr);
    EXPECT_EQ(m->ToXMLConfig()->ToString(), before);

    // An input without a map keeps the keys; an unknown scheme keeps the scheme.
    Ref<XMLNode> input = XMLNode::New(U"input");
    input->children.push_back(XMLNode::New(U"movementScheme", U"Z Z Z Z"));
    m->FromXMLConfig(input);
    EXPECT_EQ(m->ToXMLConfig()->ToString(), before);
}

TEST(InputMapping, StoredEntryMissingKeysFallsBackToDefaults)
{
    Ref<PlayerData> player = KeyboardPlayer(false);
    Ref<XMLNode> stored = player->GetInputMapping()->ToXMLConfig();
    Ref<XMLNode> map = stored->GetChild2(U"buttons")->GetChild2(U"map");

    map->children.pop_back();  // two keys only
    player->storedControls[U"keyboard"] = stored;
    map->children[0]->value = U"Q";
    player->SetInputHardware(InputKeyboard::New());
    EXPECT_EQ(player->GetInputMapping()->GetKey(kActionAccept), U"SPACE");
    EXPECT_EQ(player->GetInputMapping()->GetKey(kActionStart), U"ENTER");

    // Three keys, one unknown to the device.
    Ref<XMLNode> bad = player->GetInputMapping()->ToXMLConfig();
    bad->GetChild2(U"buttons")->GetChild2(U"map")->children[1]->value = U"BUTTON 99";
    player->storedControls[U"keyboard"] = bad;
    player->SetInputHardware(InputKeyboard::New());
    EXPECT_EQ(player->GetInputMapping()->GetKey(kActionCancel), U"CTRL");

    // A complete entry is applied as stored.
    Ref<XMLNode> good = player->GetInputMapping()->ToXMLConfig();
    good->GetChild2(U"buttons")->GetChild2(U"map")->children[0]->value = U"Z";
    player->storedControls[U"keyboard"] = good;
    player->SetInputHardware(InputKeyboard::New());
    EXPECT_EQ(player->GetInputMapping()->GetKey(kActionAccept), U"Z");
}

TEST(InputMappingDeathTest, CollectionClashOnAWholeMappingIsFatal)
{
    Ref<InputMapping> m = InputMapping::New(InputKeyboard::New());
    Ref<GenericInputMapCollection> other = GenericInputMapCollection::New(3, U"x");
    // The fatal line goes to standard output; the death test reads standard error.
    auto clash = [&] {
        dup2(STDERR_FILENO, STDOUT_FILENO);
        (void)m->CheckMappingClash(*other);
    };
    EXPECT_EXIT(clash(), ::testing::ExitedWithCode(255),
                "Kestro Runtime Error : Can't compare a full device configuration to a GenericInputMapCollection");
}

}  // namespace
}  // namespace zelka
