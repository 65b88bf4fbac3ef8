#include "engine/text/SequentialTokenizer.h"

namespace zelka {

namespace {

constexpr char32_t kLastBlank = 32;   // control characters and the space

}  // namespace

SequentialTokenizer::SequentialTokenizer(std::u32string_view text, std::u32string_view separator)
{
    if (separator.empty()) {
        tokens_.emplace_back(text);
        return;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        if (at == std::u32string_view::npos) {
            tokens_.emplace_back(text.substr(start));
            return;
        }
        tokens_.emplace_back(text.substr(start, at - start));
        start = at + separator.size();
    }
}

Ref<SequentialTokenizer> SequentialTokenizer::New(std::u32string_view text,
                                                  std::u32string_view separator)
{
    return std::make_shared<SequentialTokenizer>(text, separator);
}

String SequentialTokenizer::NextToken(bool trim)
{
    if (next_ >= tokens_.size()) {
        return String();
    }
    const String& token = tokens_[next_++];
    return trim ? Trim(token) : token;
}

String SequentialTokenizer::Trim(std::u32string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] <= kLastBlank) {
        ++begin;
    }
    while (end > begin && text[end - 1] <= kLastBlank) {
        --end;
    }
    return String(text.substr(begin, end - begin));
}

}  // namespace zelka
