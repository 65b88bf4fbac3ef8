#include "services/xml/XMLNode.h"

#include <gtest/gtest.h>

namespace zelka {
namespace {

Ref<XMLNode> Node(const String& name, std::initializer_list<std::pair<const String, String>> attributes = {},
                  const String& value = U"")
{
    auto node = XMLNode::New(name, value);
    node->attributes = attributes;
    return node;
}

// The files are compared byte for byte across runs, so the writer's format is fixed: one
// line, value before children, nothing escaped, attributes by character code.
TEST(XMLNode, WriterFormat)
{
    EXPECT_EQ(XMLNode::New(U"SAVE")->ToString(), U"<SAVE></SAVE>");
    EXPECT_EQ(Node(U"item", {{U"uses_p2", U"1"}, {U"uses", U"3"}, {U"id", U"0"}})->ToString(),
              U"<item id=\"0\" uses=\"3\" uses_p2=\"1\"></item>");
    auto node = Node(U"n", {{U"x", U"1"}, {U"b", U"2"}, {U"B", U"3"}});
    node->attributes[U"x"] = U"4";  // replaces
    EXPECT_EQ(node->ToString(), U"<n B=\"3\" b=\"2\" x=\"4\"></n>");

    auto root = XMLNode::New(U"SAVE", U"a<b&c ");
    root->children.push_back(XMLNode::New(U"one", U"1"));
    auto two = XMLNode::New(U"two");
    two->children.push_back(XMLNode::New(U"inner", U"\u2191"));
    root->children.push_back(two);
    EXPECT_EQ(root->ToString(), U"<SAVE>a<b&c <one>1</one><two><inner>\u2191</inner></two></SAVE>");
}

TEST(XMLNode, LookupsMatchNameAndAttributeInDocumentOrder)
{
    auto root = XMLNode::New(U"SAVE");
    auto first = Node(U"option", {{U"name", U"bgmVolume"}});
    auto second = Node(U"option", {{U"name", U"sfxVolume"}});
    auto bare = XMLNode::New(U"mapping");
    root->children = {first, second, bare};

    EXPECT_EQ(root->GetChild2(U"option"), first);
    EXPECT_EQ(root->GetChild2(U"option", U"name", U"sfxVolume"), second);
    EXPECT_EQ(root->GetChild2(U"", U"name", U"sfxVolume"), second);  // any name
    // A child without the attribute reads it as "".
    EXPECT_EQ(root->GetChild2(U"mapping", U"player", U""), bare);
    EXPECT_EQ(root->GetChildren(U"option"), (std::vector<Ref<XMLNode>>{first, second}));
    EXPECT_EQ(root->GetChildren(U"", U"name", U""), (std::vector<Ref<XMLNode>>{bare}));
    EXPECT_TRUE(root->GetChildren(U"missing").empty());
    EXPECT_EQ(root->GetAttribute(U"id"), U"");
}

// Readers chain lookups without checks, so a miss is an empty node, never null.
TEST(XMLNode, MissesGiveOneStableEmptyNodePerParent)
{
    auto root = XMLNode::New(U"SAVE");
    root->children.push_back(XMLNode::New(U"options"));
    const auto miss = root->GetChild2(U"stats");
    ASSERT_NE(miss, nullptr);
    EXPECT_EQ(miss->ToString(), U"<></>");  // no name, attribute or child
    EXPECT_EQ(root->GetChild2(U"options", U"a", U"b"), miss);
    EXPECT_NE(root->children[0]->GetChild2(U"x"), miss);
}

}  // namespace
}  // namespace zelka
