#pragma once

#include "platform/core/Ref.h"
#include "platform/core/Text.h"
#include "services/xml/XMLNode.h"

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>

namespace zelka {

// A failed parse. what() is the full message, UTF-8:
// "XMLParser:: Expected <what> at position <n>. Found <found> instead."
class XMLParseError : public std::runtime_error {
public:
    explicit XMLParseError(const std::string& message) : std::runtime_error(message) {}
};

// Reads one XML text into one root element: an optional <?xml ...?> prolog, at most one
// comment before the root, then the root. Text after the root's end tag is ignored.
// No entity is decoded. White space right after every tag is dropped, so a value keeps
// only its inner and trailing white space.
class XMLParser {
public:
    // Elements may nest this deep; deeper input is a parse error, not a stack overflow.
    static constexpr int kMaxDepth = 256;

    // Parses `text` at once. Throws XMLParseError; callers that can recover (a corrupt
    // settings file) catch it.
    static Ref<XMLParser> New(const String& text);

    // The same, but a failure is the fatal runtime error with the parse message.
    static Ref<XMLParser> NewOrDie(const String& text);

    // Parses the stored text again from the start with a fresh prolog. Throws XMLParseError.
    void Parse_();

    // The root element; null only before a successful parse.
    [[nodiscard]] Ref<XMLNode> GetRoot() const { return root_; }

private:
    // A character code, or kEnd past the end of the text.
    using Char = int64_t;
    static constexpr Char kEnd = -1;

    explicit XMLParser(const String& text) : text_(text) {}

    Char PeekChar_(std::size_t offset) const;
    Char GetChar_();
    bool NextString_(std::u32string_view s) const;
    static bool IsWhite_(Char c);
    static bool IsValidNameSymbol_(Char c);

    void SkipWhite();
    void Match(Char c);
    String ReadName();
    String ReadNameRun();
    void MatchWord(const String& word);
    void ReadProlog();
    void SkipComment();
    void ReadAttributes(std::map<String, String>& into, Char listEnd);
    Ref<XMLNode> ReadElement(int depth);
    void ReadContent(XMLNode& node, int depth);
    String ReadValue();

    [[noreturn]] void Fail(const std::string& expected, std::size_t position, const std::string& found) const;
    static std::string Describe(Char c);

    String text_;
    std::size_t position_ = 0;
    Ref<XMLNode> root_;
    std::map<String, String> prolog_;  // read and kept, used by nothing
};

}  // namespace zelka
