#pragma once

// Header-only: the library build leaves every services/crypt/*.cpp out (that folder name
// is reserved for the asset cipher's own library), so the code lives here.

#include "platform/core/Text.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace zelka::encoding {

namespace detail {

inline constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
inline constexpr char32_t kPad = U'=';
inline constexpr int kInvalid = -1;

// Alphabet index of every byte value, kInvalid for the rest.
constexpr std::array<int8_t, 256> MakeDecodeTable()
{
    std::array<int8_t, 256> table{};
    table.fill(kInvalid);
    for (int i = 0; i < 64; ++i) table[static_cast<uint8_t>(kAlphabet[i])] = static_cast<int8_t>(i);
    return table;
}

inline constexpr auto kDecode = MakeDecodeTable();

inline int IndexOf(char32_t c)
{
    return c < kDecode.size() ? kDecode[c] : kInvalid;
}

inline String Reject(const char* line)
{
    std::printf("%s\n", line);
    return {};
}

}  // namespace detail

// Base64 (RFC 4648 alphabet, '=' padding) of the low 8 bits of each character.
[[nodiscard]] inline String StringToBase64(const String& text)
{
    using detail::kAlphabet;
    String out;
    out.reserve((text.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < text.size(); i += 3) {
        const std::size_t left = text.size() - i;
        uint32_t group = (text[i] & 0xFF) << 16;
        if (left > 1) group |= (text[i + 1] & 0xFF) << 8;
        if (left > 2) group |= text[i + 2] & 0xFF;
        out += static_cast<char32_t>(kAlphabet[(group >> 18) & 63]);
        out += static_cast<char32_t>(kAlphabet[(group >> 12) & 63]);
        out += left > 1 ? static_cast<char32_t>(kAlphabet[(group >> 6) & 63]) : detail::kPad;
        out += left > 2 ? static_cast<char32_t>(kAlphabet[group & 63]) : detail::kPad;
    }
    return out;
}

// The bytes a Base64 text stands for, one character per byte. A length of 0 or not a
// multiple of 4 prints "Base64ToString: Data length must be divisible by 4"; a character
// outside the alphabet or a '=' anywhere but the end prints
// "Base64ToString: Invalid character in data". Both return "".
[[nodiscard]] inline String Base64ToString(const String& text)
{
    using detail::IndexOf;
    using detail::kPad;
    if (text.empty() || text.size() % 4 != 0) {
        return detail::Reject("Base64ToString: Data length must be divisible by 4");
    }
    String out;
    out.reserve(text.size() / 4 * 3);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        // Padding may only close the last group: "x=" + "=" or "xx" + "=".
        const bool pad3 = last && text[i + 2] == kPad;
        const bool pad4 = last && text[i + 3] == kPad;
        const int a = IndexOf(text[i]);
        const int b = IndexOf(text[i + 1]);
        const int c = pad3 ? 0 : IndexOf(text[i + 2]);
        const int d = pad4 ? 0 : IndexOf(text[i + 3]);
        if (a < 0 || b < 0 || c < 0 || d < 0 || (pad3 && !pad4)) {
            return detail::Reject("Base64ToString: Invalid character in data");
        }
        out += static_cast<char32_t>(((a << 2) | (b >> 4)) & 0xFF);
        if (!pad3) out += static_cast<char32_t>(((b << 4) & 0xFF) | (c >> 2));
        if (!pad4) out += static_cast<char32_t>(((c << 6) & 0xFF) | d);
    }
    return out;
}

// Index of the first `c` in `text`, -1 if none.
[[nodiscard]] inline int FindChar(const String& text, char32_t c)
{
    const auto at = text.find(c);
    return at == String::npos ? -1 : static_cast<int>(at);
}

// The code of character `index`; 0 when `index` is outside the text.
[[nodiscard]] inline int CharAt(const String& text, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= text.size()) return 0;
    return static_cast<int>(text[static_cast<std::size_t>(index)]);
}

[[nodiscard]] inline bool IsAlpha(char32_t c)  // A-Z, a-z
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

[[nodiscard]] inline bool IsNum(char32_t c)  // 0-9
{
    return c >= U'0' && c <= U'9';
}

[[nodiscard]] inline bool IsAlNum(char32_t c)
{
    return IsAlpha(c) || IsNum(c);
}

}  // namespace zelka::encoding
