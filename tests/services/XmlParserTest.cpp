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

// What the reader keeps of a text, seen through the writer.
TEST(XMLParser, ReadsTheTreeTheWriterWrites)
{
    const std::pair<const char32_t*, const char32_t*> cases[] = {
        {U"<SAVE></SAVE>", U"<SAVE></SAVE>"},
        // White space after tags is dropped, between tags, around '=' and inside tags.
        {U"<a>  hello <b></b> world </a>", U"<a>hello world <b></b></a>"},
        {U"\n < a  x = \"1\"\ty=\"2\" >\r\n </ a >", U"<a x=\"1\" y=\"2\"></a>"},
        // CDATA joins the text; entities stay literal.
        {U"<a>x<![CDATA[ <y> ]]>z<b></b><![CDATA[]]>w</a>", U"<a>x <y> zw<b></b></a>"},
        {U"<a>&lt;</a>", U"<a>&lt;</a>"},
        {U"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- settings -->\n"
         U"<SAVE><!--a-->x<!--b--><c></c><!-- d --> y</SAVE>",
         U"<SAVE>x y<c></c></SAVE>"},
        {U"<a k=\"v\">1</a> trailing <junk & <<", U"<a k=\"v\">1</a>"},  // text after the root
        {U"<a k=\"1\" k=\"2\" e=\"\"></a>", U"<a e=\"\" k=\"2\"></a>"},  // the last value wins
        {U"<a><b x=\"1\"/><c y=\"2\" /></a>", U"<a><b x=\"1\"></b><c y=\"2\"></c></a>"},
        {U"<m>\u2191 \u2193 \u2190 \u2192</m>", U"<m>\u2191 \u2193 \u2190 \u2192</m>"},
    };
    for (const auto& [text, written] : cases) {
        EXPECT_EQ(Parse(text)->ToString(), written) << ToUtf8(text);
    }
}

// Every message of the reader, with its position and what it found.
TEST(XMLParser, ErrorMessagesNameWhatPositionAndFound)
{
    const std::pair<String, const char*> cases[] = {
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
        // Markup that is neither a comment nor CDATA ends the parse.
        {U"<a><!X></a>", "Expected -- or [CDATA[ at position 5. Found 'X'[88] instead."},
        {U"<a>text<!DOCTYPE></a>", "Expected -- or [CDATA[ at position 9. Found 'D'[68] instead."},
        {U"<a><!", "Expected -- or [CDATA[ at position 5. Found EOF instead."},
        {Nested(XMLParser::kMaxDepth + 1),
         "Expected at most 256 nested elements at position 768. Found '<'[60] instead."},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(ErrorOf(text), std::string("XMLParser:: ") + message) << ToUtf8(text);
    }
    EXPECT_EQ(Parse(Nested(XMLParser::kMaxDepth))->name, U"a");
    EXPECT_NE(ErrorOf(Nested(100000)), "(parsed)");  // no stack overflow
}

TEST(XMLParser, SettingsTreeRoundTrips)
{
    const String text =
        U"<SAVE><options><option name=\"displayHowToPlay\">1</option><option name=\"bgmVolume\">50"
        U"</option></options><mapping player=\"1\"><input device=\"keyboard\"><buttons><map><key>SPACE"
        U"</key><key>CTRL</key><key>ENTER</key></map></buttons><movementScheme>\u2020 \u2039 \u2021 \u203A"
        U"</movementScheme></input></mapping><mapping player=\"2\"></mapping></SAVE>";
    auto parser = XMLParser::New(text);
    const auto root = parser->GetRoot();
    EXPECT_EQ(root->ToString(), text);
    EXPECT_EQ(root->GetChild2(U"options")->GetChild2(U"option", U"name", U"bgmVolume")->value, U"50");
    EXPECT_EQ(root->GetChild2(U"mapping", U"player", U"1")->GetChild2(U"input")->GetChild2(U"movementScheme")->value,
              U"\u2020 \u2039 \u2021 \u203A");
    // Parsing again starts over: a fresh, equal tree.
    parser->Parse_();
    EXPECT_NE(parser->GetRoot(), root);
    EXPECT_EQ(parser->GetRoot()->ToString(), text);
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
