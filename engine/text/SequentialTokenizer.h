#pragma once

#include "engine/core/Object.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <vector>

namespace zelka {

// The pieces of a text split at every occurrence of a separator, read one after another.
// Consecutive separators give empty tokens between them.
class SequentialTokenizer : public Object {
public:
    SequentialTokenizer(std::u32string_view text, std::u32string_view separator);
    static Ref<SequentialTokenizer> New(std::u32string_view text, std::u32string_view separator);

    // The next token, "" when none is left. With trim, characters with codes 32 and below
    // are removed from both ends.
    String NextToken(bool trim = false);
    int TokensLeft() const { return static_cast<int>(tokens_.size() - next_); }

    // Characters with codes 32 and below removed from both ends.
    static String Trim(std::u32string_view text);

private:
    std::vector<String> tokens_;
    std::size_t next_ = 0;
};

}  // namespace zelka
