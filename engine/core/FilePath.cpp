#include "engine/core/FilePath.h"

#include <algorithm>

namespace zelka::filepath {
namespace {

// The last "." counts only when no path separator follows it.
std::size_t ExtensionDot(const String& path)
{
    const std::size_t dot = path.rfind(U'.');
    if (dot == String::npos) {
        return String::npos;
    }
    const std::size_t separator = path.find_first_of(U"/\\", dot);
    return separator == String::npos ? dot : String::npos;
}

char32_t LowerAscii(char32_t c)
{
    return (c >= U'A' && c <= U'Z') ? c - U'A' + U'a' : c;
}

}  // namespace

String ExtractExt(const String& path)
{
    const std::size_t dot = ExtensionDot(path);
    return dot == String::npos ? String() : path.substr(dot + 1);
}

String StripExt(const String& path)
{
    const std::size_t dot = ExtensionDot(path);
    return dot == String::npos ? path : path.substr(0, dot);
}

String EncipheredName(const String& path, std::initializer_list<ExtensionSwap> swaps)
{
    String ext = ExtractExt(path);
    std::transform(ext.begin(), ext.end(), ext.begin(), LowerAscii);
    for (const ExtensionSwap& swap : swaps) {
        if (ext == swap.plain) {
            ext = swap.enciphered;
            break;
        }
    }
    return StripExt(path) + U"." + ext;
}

}  // namespace zelka::filepath
