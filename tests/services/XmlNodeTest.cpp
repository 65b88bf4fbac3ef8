#include "services/xml/XMLNode.h"

#include <gtest/gtest.h>

namespace zelka {
namespace {

TEST(XMLNode, EmptyElementGetsExplicitEndTag)
{
    EXPECT_EQ(XMLNode::New(U"SAVE")->ToString(), U"<SAVE></SAVE>");
}

TEST(XMLNode, WritesAttributesInNameOrder)
{
    auto item = XMLNode::New(U"item");
    item->attributes[U"uses_p2"] = U"1";
    item->attributes[U"uses"] = U"3";
    item->attributes[U"id"] = U"0";
    EXPECT_EQ(item->ToString(), U"<item id=\"0\" uses=\"3\" uses_p2=\"1\"></item>");

    auto node = XMLNode::New(U"n");
    node->attributes[U"x"] = U"1";
    node->attributes[U"b"] = U"2";
    node->attributes[U"B"] = U"3";  // upper case sorts first: character codes, not letters
    node->attributes[U"x"] = U"4";  // replaces
    EXPECT_EQ(node->ToString(), U"<n B=\"3\" b=\"2\" x=\"4\"></n>");
}

TEST(XMLNode, WritesValueThenChildrenOnOneLineUnescaped)
{
    auto root = XMLNode::New(U"SAVE", U"a<b&c ");
    root->children.push_back(XMLNode::New(U"one", U"1"));
    auto two = XMLNode::New(U"two");
    two->children.push_back(XMLNode::New(U"inner", U"\u2191"));
    root->children.push_back(two);
    EXPECT_EQ(root->ToString(), U"<SAVE>a<b&c <one>1</one><two><inner>\u2191</inner></two></SAVE>");
}

TEST(XMLNode, GetChild2MatchesNameAndAttribute)
{
    auto root = XMLNode::New(U"SAVE");
    auto first = XMLNode::New(U"option");
    first->attributes[U"name"] = U"bgmVolume";
    auto second = XMLNode::New(U"option");
    second->attributes[U"name"] = U"sfxVolume";
    auto bare = XMLNode::New(U"mapping");
    root->children = {first, second, bare};

    EXPECT_EQ(root->GetChild2(U"option"), first);
    EXPECT_EQ(root->GetChild2(U"option", U"name", U"sfxVolume"), second);
    EXPECT_EQ(root->GetChild2(U"", U"name", U"sfxVolume"), second);  // any name
    EXPECT_EQ(root->GetChild2(U""), first);
    // A child without the attribute reads it as "".
    EXPECT_EQ(root->GetChild2(U"", U"player", U""), first);
    EXPECT_EQ(root->GetChild2(U"mapping", U"player", U""), bare);
}

TEST(XMLNode, MissesGiveOneStableEmptyNode)
{
    auto root = XMLNode::New(U"SAVE");
    root->children.push_back(XMLNode::New(U"options"));
    const auto miss = root->GetChild2(U"stats");
    ASSERT_NE(miss, nullptr);
    EXPECT_TRUE(miss->name.empty());
    EXPECT_TRUE(miss->value.empty());
    EXPECT_TRUE(miss->children.empty());
    EXPECT_TRUE(miss->attributes.empty());
    EXPECT_EQ(root->GetChild2(U"options", U"a", U"b"), miss);
    EXPECT_EQ(root->GetChild2(U"other"), miss);
    // Each node owns its own miss node.
    EXPECT_NE(root->children[0]->GetChild2(U"x"), miss);
}

TEST(XMLNode, GetChildrenKeepsDocumentOrder)
{
    auto root = XMLNode::New(U"items");
    for (const char32_t* id : {U"0", U"1", U"2"}) {
        auto item = XMLNode::New(U"item");
        item->attributes[U"id"] = id;
        root->children.push_back(item);
    }
    root->children.push_back(XMLNode::New(U"other"));

    const auto items = root->GetChildren(U"item");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0]->GetAttribute(U"id"), U"0");
    EXPECT_EQ(items[2]->GetAttribute(U"id"), U"2");
    EXPECT_EQ(root->GetChildren(U"", U"id", U"1").size(), 1u);
    EXPECT_EQ(root->GetChildren(U"", U"id", U"").size(), 1u);  // only "other" lacks id
    EXPECT_TRUE(root->GetChildren(U"missing").empty());
    EXPECT_EQ(root->GetAttribute(U"id"), U"");
}

}  // namespace
}  // namespace zelka
