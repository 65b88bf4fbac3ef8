#pragma once

#include "platform/core/Text.h"

#include <initializer_list>
#include <string_view>

namespace zelka {

// Path pieces after the last "." (extension) and before it (base); a "/" or "\" after the
// dot means there is no extension: ExtractExt gives "" and StripExt the whole path.
namespace filepath {

[[nodiscard]] String ExtractExt(const String& path);
[[nodiscard]] String StripExt(const String& path);

// One extension swap of the enciphered-asset rule, both sides in lower case.
struct ExtensionSwap {
    std::u32string_view plain;
    std::u32string_view enciphered;
};

// base + "." + the lower-cased extension, swapped when it is the plain side of one of
// `swaps`. A path without an extension gains a trailing "." (the asset tool names its
// files by the same rule).
[[nodiscard]] String EncipheredName(const String& path, std::initializer_list<ExtensionSwap> swaps);

}  // namespace filepath
}  // namespace zelka
