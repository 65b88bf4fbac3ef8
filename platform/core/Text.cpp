#include "platform/core/Text.h"

namespace zelka {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Number of continuation bytes a lead byte announces, or -1 for a byte that cannot lead.
int ContinuationCount(unsigned char lead)
{
    if (lead < 0x80) return 0;
    if (lead >= 0xC2 && lead <= 0xDF) return 1;
    if (lead >= 0xE0 && lead <= 0xEF) return 2;
    if (lead >= 0xF0 && lead <= 0xF4) return 3;
    return -1;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

String FromUtf8(std::string_view utf8)
{
    String out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int extra = ContinuationCount(lead);
        if (extra == 0) {
            out += lead;
            ++i;
            continue;
        }
        bool ok = extra > 0;
        char32_t c = ok ? (lead & (0x3F >> extra)) : 0;
        for (int k = 1; ok && k <= extra; ++k) {
            if (i + k >= utf8.size()) { ok = false; break; }
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0) != 0x80) { ok = false; break; }
            c = (c << 6) | (b & 0x3F);
        }
        // Overlong three- and four-byte forms, surrogates and values past U+10FFFF are invalid.
        if (ok && ((extra == 2 && c < 0x800) || (extra == 3 && (c < 0x10000 || c > 0x10FFFF)) ||
                   (c >= 0xD800 && c <= 0xDFFF))) {
            ok = false;
        }
        if (!ok) {
            out += kReplacement;
            ++i;
            continue;
        }
        out += c;
        i += extra + 1;
    }
    return out;
}

std::string ToUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) AppendUtf8(out, c);
    return out;
}

String FromLatin1(std::string_view bytes)
{
    String out;
    out.reserve(bytes.size());
    for (char b : bytes) out += static_cast<unsigned char>(b);
    return out;
}

}  // namespace zelka
