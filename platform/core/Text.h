#pragma once

#include <string>
#include <string_view>

namespace zelka {

// Game text: one element per character. A colour code carries raw component values
// 0-255 as characters, and labels count characters, so text is never UTF-8 inside the game.
using String = std::u32string;

// UTF-8 to characters. A malformed sequence becomes U+FFFD, one per bad byte.
String FromUtf8(std::string_view utf8);

// Characters to UTF-8, for file paths and file bytes at the platform boundary.
// Values that are not Unicode scalar values become U+FFFD.
std::string ToUtf8(std::u32string_view text);

// Latin-1 and ASCII literals in code: each byte is one character.
String FromLatin1(std::string_view bytes);

}  // namespace zelka
