#include "engine/text/FontCache.h"

#include <map>
#include <string>

namespace zelka {

namespace {

std::map<String, Ref<Font>>& Fonts()
{
    // Never destroyed: an exit() from a library runs static destructors in any order.
    static std::map<String, Ref<Font>>& fonts = *new std::map<String, Ref<Font>>;
    return fonts;
}

}  // namespace

Ref<Font> FontCache::GetOrCreate(const String& key, const std::function<Ref<Font>()>& make)
{
    auto& fonts = Fonts();
    if (const auto it = fonts.find(key); it != fonts.end()) {
        return it->second;
    }
    Ref<Font> font = make();
    font->MarkShared_();
    fonts.emplace(key, font);
    return font;
}

int FontCache::Size()
{
    return static_cast<int>(Fonts().size());
}

void FontCache::Clear()
{
    for (auto& [key, font] : Fonts()) {
        font->ReleasePages_();
    }
    Fonts().clear();
}

String FontCache::MakeKey(std::u32string_view kind, const String& file,
                          std::initializer_list<int> colours)
{
    String key(kind);
    key += U'|';
    key += file;
    for (const int colour : colours) {
        key += U'|';
        key += FromLatin1(std::to_string(colour));
    }
    return key;
}

}  // namespace zelka
