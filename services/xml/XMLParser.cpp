#include "services/xml/XMLParser.h"

#include "platform/core/Fatal.h"

namespace zelka {

namespace {

constexpr std::u32string_view kCommentOpen = U"<!--";
constexpr std::u32string_view kCommentClose = U"-->";
constexpr std::u32string_view kCdataOpen = U"<![CDATA[";
constexpr std::u32string_view kCdataClose = U"]]>";
constexpr char32_t kQuote = U'"';  // the only quote accepted around attribute values

bool IsAsciiLetter(int64_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

Ref<XMLParser> XMLParser::New(const String& text)
{
    Ref<XMLParser> parser(new XMLParser(text));
    parser->Parse_();
    return parser;
}

Ref<XMLParser> XMLParser::NewOrDie(const String& text)
{
    try {
        return New(text);
    } catch (const XMLParseError& error) {
        RuntimeError(error.what());
    }
}

void XMLParser::Parse_()
{
    position_ = 0;
    root_ = nullptr;
    prolog_.clear();
    ReadProlog();
    root_ = ReadElement(0);
}

XMLParser::Char XMLParser::PeekChar_(std::size_t offset) const
{
    const std::size_t at = position_ + offset;
    return at < text_.size() ? static_cast<Char>(text_[at]) : kEnd;
}

XMLParser::Char XMLParser::GetChar_()
{
    const Char c = PeekChar_(0);
    if (position_ < text_.size()) ++position_;
    return c;
}

bool XMLParser::NextString_(std::u32string_view s) const
{
    return std::u32string_view(text_).substr(std::min(position_, text_.size())).starts_with(s);
}

bool XMLParser::IsWhite_(Char c)
{
    return c == 9 || c == 10 || c == 13 || c == 32;
}

bool XMLParser::IsValidNameSymbol_(Char c)
{
    return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == ':' || c == '_' || c == '-' || c == '.';
}

void XMLParser::SkipWhite()
{
    while (IsWhite_(PeekChar_(0))) ++position_;
}

void XMLParser::Match(Char c)
{
    SkipWhite();
    const Char found = PeekChar_(0);
    if (found != c) Fail(Describe(c), position_, Describe(found));
    GetChar_();
    SkipWhite();
}

String XMLParser::ReadNameRun()
{
    const std::size_t start = position_;
    while (IsValidNameSymbol_(PeekChar_(0))) ++position_;
    return text_.substr(start, position_ - start);
}

String XMLParser::ReadName()
{
    SkipWhite();
    if (!IsAsciiLetter(PeekChar_(0))) Fail("valid identifier", position_, Describe(PeekChar_(0)));
    return ReadNameRun();
}

// A closing name or the prolog's "xml": a mismatch names both in single quotes, at the
// position where the found run starts.
void XMLParser::MatchWord(const String& word)
{
    SkipWhite();
    const std::size_t start = position_;
    const String found = ReadNameRun();
    if (found != word) Fail("'" + ToUtf8(word) + "'", start, "'" + ToUtf8(found) + "'");
}

void XMLParser::ReadProlog()
{
    SkipWhite();
    if (!NextString_(U"<?")) return;
    Match('<');
    Match('?');
    MatchWord(U"xml");
    ReadAttributes(prolog_, '?');
    Match('?');
    Match('>');
}

void XMLParser::SkipComment()
{
    if (!NextString_(kCommentOpen)) return;
    const std::size_t close = text_.find(kCommentClose, position_ + kCommentOpen.size());
    if (close == String::npos) Fail(std::string(kCommentClose.begin(), kCommentClose.end()), text_.size(), "EOF");
    position_ = close + kCommentClose.size();
}

// At least one attribute. The list ends at the end of the text (an element's list only),
// at '/', '>' or at `listEnd`.
void XMLParser::ReadAttributes(std::map<String, String>& into, Char listEnd)
{
    while (true) {
        const String key = ReadName();
        SkipWhite();
        if (PeekChar_(0) != '=') Fail(Describe('='), position_, Describe(PeekChar_(0)));
        GetChar_();
        SkipWhite();
        Match(kQuote);
        const std::size_t close = text_.find(kQuote, position_);
        if (close == String::npos) Fail(Describe(kQuote), text_.size(), "EOF");
        String value = text_.substr(position_, close - position_);
        position_ = close;
        Match(kQuote);
        into[key] = std::move(value);

        const Char next = PeekChar_(0);
        if ((next == kEnd && listEnd != '?') || next == '/' || next == '>' || next == listEnd) return;
    }
}

Ref<XMLNode> XMLParser::ReadElement(int depth)
{
    if (depth >= kMaxDepth) {
        Fail("at most " + std::to_string(kMaxDepth) + " nested elements", position_, Describe(PeekChar_(0)));
    }
    SkipComment();
    Match('<');
    auto node = XMLNode::New(ReadName());
    if (PeekChar_(0) != '>') {
        ReadAttributes(node->attributes, '>');
        if (PeekChar_(0) != '>') {
            Match('/');
            Match('>');
            return node;
        }
    }
    Match('>');
    SkipComment();
    ReadContent(*node, depth);
    Match('<');
    Match('/');
    MatchWord(node->name);
    Match('>');
    return node;
}

void XMLParser::ReadContent(XMLNode& node, int depth)
{
    while (position_ < text_.size()) {
        const Char c = PeekChar_(0);
        if (c == '<' && PeekChar_(1) == '/') return;
        if (c != '<' || PeekChar_(1) == '!') {
            node.value += ReadValue();
        } else {
            node.children.push_back(ReadElement(depth + 1));
        }
        SkipComment();
    }
}

String XMLParser::ReadValue()
{
    String value;
    do {
        if (NextString_(kCdataOpen)) {
            const std::size_t start = position_ + kCdataOpen.size();
            const std::size_t close = text_.find(kCdataClose, start);
            if (close == String::npos) Fail(std::string(kCdataClose.begin(), kCdataClose.end()), text_.size(), "EOF");
            value.append(text_, start, close - start);
            position_ = close + kCdataClose.size();
        } else if (NextString_(U"<!") && !NextString_(kCommentOpen)) {
            // Neither comment nor CDATA: no reading defined, and skipping nothing would loop.
            Fail("-- or [CDATA[", position_ + 2, Describe(PeekChar_(2)));
        } else {
            const std::size_t close = std::min(text_.find(U'<', position_), text_.size());
            value.append(text_, position_, close - position_);
            position_ = close;
        }
    } while (PeekChar_(0) != '<' && PeekChar_(0) != kEnd);
    return value;
}

std::string XMLParser::Describe(Char c)
{
    if (c == kEnd) return "EOF";
    return "'" + ToUtf8(std::u32string(1, static_cast<char32_t>(c))) + "'[" + std::to_string(c) + "]";
}

void XMLParser::Fail(const std::string& expected, std::size_t position, const std::string& found) const
{
    throw XMLParseError("XMLParser:: Expected " + expected + " at position " + std::to_string(position) +
                        ". Found " + found + " instead.");
}

}  // namespace zelka
