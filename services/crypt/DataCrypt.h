#pragma once

// Header-only: the library build leaves every services/crypt/*.cpp out (that folder name
// is reserved for the asset cipher's own library), so the code lives here.

#include "platform/core/Text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zelka {

// The byte cipher of the settings and save files: byte i becomes
// (key[i mod k] - byte - 1) mod 256, its own inverse for a fixed key.
class DataCrypt {
public:
    DataCrypt() = delete;

    // The key of both files, both directions: 30 printable ASCII characters.
    static constexpr std::u32string_view kSaveFileKey = U"Gq7!vR2#pL9$wX4%tN6&zB1*hM3^cK";

    // Enciphers the UTF-8 bytes of `text`: one output character (0-255) per byte. Plain
    // ASCII gives the same length and the same characters as enciphering the characters
    // directly, so files written before stay readable; other characters (the arrow
    // scheme's name) survive a round trip instead of losing their high bits.
    [[nodiscard]] static String Encrypt(const String& text, std::u32string_view key)
    {
        std::string bytes = ToUtf8(text);
        Transform(bytes, key);
        return FromLatin1(bytes);
    }

    // Deciphers the low 8 bits of each character and reads the bytes as UTF-8; bytes that
    // are not valid UTF-8 come back one character per byte. Decrypt(Encrypt(t)) == t.
    [[nodiscard]] static String Decrypt(const String& text, std::u32string_view key)
    {
        std::string bytes;
        bytes.reserve(text.size());
        for (char32_t c : text) bytes += static_cast<char>(c & 0xFF);
        Transform(bytes, key);
        String decoded = FromUtf8(bytes);
        // FromUtf8 turns each bad byte into U+FFFD, so a lossless decode re-encodes exactly.
        if (ToUtf8(decoded) != bytes) return FromLatin1(bytes);
        return decoded;
    }

    // The cipher itself over bytes; an empty key leaves the bytes unchanged.
    static void Transform(std::string& bytes, std::u32string_view key)
    {
        if (key.empty()) return;
        std::size_t k = 0;
        for (char& b : bytes) {
            const auto keyByte = static_cast<uint8_t>(key[k]);
            b = static_cast<char>(static_cast<uint8_t>(keyByte - static_cast<uint8_t>(b) - 1));
            if (++k == key.size()) k = 0;
        }
    }
};

}  // namespace zelka
