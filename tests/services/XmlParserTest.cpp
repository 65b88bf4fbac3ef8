#include "services/xml/XMLParser.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

namespace zelka {
namespace {

Ref<XMLNode> Parse(const String& text)
{
    return XMLParser::New(text)->GetRoot();
}

std::string ErrorOf(const String& text)
{
    try {
        XMLParser::New(text);
    } catch (const XMLParseError& error) {
        return error.what();
    }
    return "(parsed)";
}

String Nested(int depth)
{
    String text;
    for (int i = 0; i < depth; ++i) text += U"<a>";
    for (int i = 0; i < depth; ++i) text += U"</a>";
    return text;
}

TEST(XMLParser, EmptyRootRoundTrips)
{
    const auto root = Parse(U"<SAVE></SAVE>");
    EXPECT_EQ(root->name, U"SAVE");
    EXPECT_TRUE(root->value.empty());
    EXPECT_TRUE(root->attributes.empty());
    EXPECT_TRUE(root->children.empty());
    EXPECT_EQ(root->ToString(), U"<SAVE></SAVE>");
}

TEST(XMLParser, WhiteSpaceAfterTagsIsDropped)
{
    const auto root = Parse(U"<a>  hello <b></b> world </a>");
    EXPECT_EQ(root->value, U"hello world ");
    ASSERT_EQ(root->children.size(), 1u);
    EXPECT_EQ(root->children[0]->name, U"b");

    // Between tags, around '=' and inside tags.
    const auto spaced = Parse(U"\n < a  x = \"1\"\ty=\"2\" >\r\n </ a >");
    EXPECT_EQ(spaced->GetAttribute(U"x"), U"1");
    EXPECT_EQ(spaced->GetAttribute(U"y"), U"2");
    EXPECT_TRUE(spaced->value.empty());
}

TEST(XMLParser, CdataAndEntitiesStayLiteral)
{
    EXPECT_EQ(Parse(U"<a><![CDATA[<raw>]]></a>")->value, U"<raw>");
    EXPECT_EQ(Parse(U"<a>&lt;</a>")->value, U"&lt;");
    EXPECT_EQ(Parse(U"<a>x<![CDATA[ y ]]>z<b></b><![CDATA[]]>w</a>")->value, U"x y zw");
}

TEST(XMLParser, SkipsPrologAndComments)
{
    const auto root = Parse(
        U"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- settings -->\n"
        U"<SAVE><!--a-->x<!--b--><c></c><!-- d --> y</SAVE>");
    EXPECT_EQ(root->name, U"SAVE");
    EXPECT_EQ(root->value, U"x y");
    ASSERT_EQ(root->children.size(), 1u);
    EXPECT_EQ(root->children[0]->name, U"c");
}

TEST(XMLParser, IgnoresTextAfterRoot)
{
    const auto root = Parse(U"<a k=\"v\">1</a> trailing <junk & <<");
    EXPECT_EQ(root->ToString(), U"<a k=\"v\">1</a>");
}

TEST(XMLParser, RepeatedAttributeKeepsLastValue)
{
    EXPECT_EQ(Parse(U"<a k=\"1\" k=\"2\"></a>")->GetAttribute(U"k"), U"2");
    EXPECT_EQ(Parse(U"<a k=\"\"></a>")->attributes.size(), 1u);
}

TEST(XMLParser, EmptyElementWithAttributes)
{
    const auto root = Parse(U"<a><b x=\"1\"/><c y=\"2\" /></a>");
    ASSERT_EQ(root->children.size(), 2u);
    EXPECT_EQ(root->children[1]->GetAttribute(U"y"), U"2");
}

TEST(XMLParser, NonAsciiTextSurvives)
{
    const auto root = Parse(U"<movementScheme>\u2191 \u2193 \u2190 \u2192</movementScheme>");
    EXPECT_EQ(root->value, U"\u2191 \u2193 \u2190 \u2192");
}

// Every message of the reader, with its position and what it found.
TEST(XMLParser, ErrorMessagesNameWhatPositionAndFound)
{
    struct Case {
        const char32_t* text;
        const char* message;
    };
    const Case cases[] = {
        {U"<a></b>", "Expected 'a' at position 5. Found 'b' instead."},
        {U"<a>", "Expected '<'[60] at position 3. Found EOF instead."},
        {U"", "Expected '<'[60] at position 0. Found EOF instead."},
        {U"  x", "Expected '<'[60] at position 2. Found 'x'[120] instead."},
        {U"<a x='1'></a>", "Expected '\"'[34] at position 5. Found '''[39] instead."},
        {U"<a x=\"1></a>", "Expected '\"'[34] at position 12. Found EOF instead."},
        {U"<1a></1a>", "Expected valid identifier at position 1. Found '1'[49] instead."},
        {U"<a x></a>", "Expected '='[61] at position 4. Found '>'[62] instead."},
        {U"<a x=\"1\"/b>", "Expected '>'[62] at position 9. Found 'b'[98] instead."},
        {U"<a/>", "Expected valid identifier at position 2. Found '/'[47] instead."},
        {U"<a x=\"1\"", "Expected '/'[47] at position 8. Found EOF instead."},
        {U"<!-- open", "Expected --> at position 9. Found EOF instead."},
        {U"<a><!-- open</a>", "Expected --> at position 16. Found EOF instead."},
        {U"<a><![CDATA[x</a>", "Expected ]]> at position 17. Found EOF instead."},
        {U"<!--c--><!--d--><a></a>", "Expected valid identifier at position 9. Found '!'[33] instead."},
        {U"<?xmx a=\"1\"?><a></a>", "Expected 'xml' at position 2. Found 'xmx' instead."},
        {U"<?xml?><a></a>", "Expected valid identifier at position 5. Found '?'[63] instead."},
        {U"<?xml a=\"1\"", "Expected valid identifier at position 11. Found EOF instead."},
        {U"<a></>", "Expected 'a' at position 5. Found '' instead."},
        {U"<a></a", "Expected '>'[62] at position 6. Found EOF instead."},
        {U"<a>\u00e9</\u00e9>", "Expected 'a' at position 6. Found '' instead."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf(c.text), std::string("XMLParser:: ") + c.message) << ToUtf8(c.text);
    }
}

TEST(XMLParser, BangMarkupThatIsNeitherCommentNorCdataFails)
{
    EXPECT_EQ(ErrorOf(U"<a><!X></a>"), "XMLParser:: Expected -- or [CDATA[ at position 5. Found 'X'[88] instead.");
    EXPECT_EQ(ErrorOf(U"<a>text<!DOCTYPE></a>"),
              "XMLParser:: Expected -- or [CDATA[ at position 9. Found 'D'[68] instead.");
    EXPECT_EQ(ErrorOf(U"<a><!"), "XMLParser:: Expected -- or [CDATA[ at position 5. Found EOF instead.");
}

TEST(XMLParser, NestingIsCappedAt256Levels)
{
    EXPECT_EQ(Parse(Nested(XMLParser::kMaxDepth))->name, U"a");
    EXPECT_EQ(ErrorOf(Nested(XMLParser::kMaxDepth + 1)),
              "XMLParser:: Expected at most 256 nested elements at position 768. Found '<'[60] instead.");
    EXPECT_NE(ErrorOf(Nested(100000)), "(parsed)");  // no stack overflow
}

TEST(XMLParser, SettingsTreeRoundTrips)
{
    auto root = XMLNode::New(U"SAVE");
    auto options = XMLNode::New(U"options");
    for (const auto& [name, value] : {std::pair<String, String>{U"displayHowToPlay", U"1"},
                                      {U"bgmVolume", U"50"}, {U"fullscreen", U"0"}}) {
        auto option = XMLNode::New(U"option", value);
        option->attributes[U"name"] = name;
        options->children.push_back(option);
    }
    root->children.push_back(options);
    auto mapping = XMLNode::New(U"mapping");
    mapping->attributes[U"player"] = U"1";
    auto input = XMLNode::New(U"input");
    input->attributes[U"device"] = U"keyboard";
    auto map = XMLNode::New(U"map");
    for (const char32_t* key : {U"SPACE", U"CTRL", U"ENTER"}) map->children.push_back(XMLNode::New(U"key", key));
    auto buttons = XMLNode::New(U"buttons");
    buttons->children.push_back(map);
    input->children.push_back(buttons);
    input->children.push_back(XMLNode::New(U"movementScheme", U"W A S D"));
    mapping->children.push_back(input);
    root->children.push_back(mapping);

    const String text = root->ToString();
    const auto back = Parse(text);
    EXPECT_EQ(back->ToString(), text);
    EXPECT_EQ(back->GetChild2(U"options")->GetChild2(U"option", U"name", U"bgmVolume")->value, U"50");
    EXPECT_EQ(back->GetChild2(U"mapping", U"player", U"1")
                  ->GetChild2(U"input")
                  ->GetChild2(U"movementScheme")
                  ->value,
              U"W A S D");
}

TEST(XMLParser, ParseAgainGivesAnEqualFreshTree)
{
    auto parser = XMLParser::New(U"<?xml v=\"1\"?><a b=\"c\">d<e></e></a>");
    const auto first = parser->GetRoot();
    parser->Parse_();
    EXPECT_NE(parser->GetRoot(), first);
    EXPECT_EQ(parser->GetRoot()->ToString(), first->ToString());
}

TEST(XMLParserDeathTest, NewOrDieEndsWithTheParseMessage)
{
    // The fatal line goes to standard output; the death test reads standard error.
    EXPECT_EXIT((dup2(2, 1), XMLParser::NewOrDie(U"<a></b>")), ::testing::ExitedWithCode(255),
                "Kestro Runtime Error : XMLParser:: Expected 'a' at position 5\\. Found 'b' instead\\.");
    EXPECT_EQ(XMLParser::NewOrDie(U"<a></a>")->GetRoot()->name, U"a");
}

}  // namespace
}  // namespace zelka
