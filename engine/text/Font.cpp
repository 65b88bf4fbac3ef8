#include "engine/text/Font.h"

#include "engine/core/MathUtil.h"
#include "engine/display/DrawingState.h"
#include "engine/text/SequentialTokenizer.h"
#include "engine/text/TextConstants.h"
#include "platform/core/Fatal.h"
#include "platform/files/TextFile.h"
#include "platform/graphics/Graphics.h"

#include <string>

namespace zelka {

namespace {

constexpr char32_t kQuote = U'"';

// Calls `apply(key, value)` for every key=value token left on the line; empty tokens
// (from repeated spaces) and tokens without a key are skipped.
template <class Apply>
void ForEachPair(SequentialTokenizer& tokens, Apply apply)
{
    while (tokens.TokensLeft() > 0) {
        const String token = tokens.NextToken();
        if (token.empty()) {
            continue;
        }
        SequentialTokenizer parts(token, U"=");
        const String key = parts.NextToken(true);
        const String value = parts.NextToken(true);
        if (!key.empty()) {
            apply(key, value);
        }
    }
}

int ToInt(const String& value)
{
    return misc::String2Int_(value);
}

// A value quoted at both ends loses both quotes; one quote alone stays.
String Unquote(const String& value)
{
    if (value.size() >= 2 && value.front() == kQuote && value.back() == kQuote) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

Ref<Font> Font::New(const String& path)
{
    auto font = std::make_shared<Font>();
    font->Load_(path);
    return font;
}

void Font::Load_(const String& path)
{
    filename_ = path;
    ParseFontDescription_(app::LoadString(ToUtf8(path)));
}

void Font::ParseFontDescription_(const String& description)
{
    common_ = CommonFontInfo{};
    glyphs_.clear();
    kerning_.clear();
    pages_.clear();
    SequentialTokenizer lines(description, U"\n");
    while (lines.TokensLeft() > 0) {
        SequentialTokenizer tokens(lines.NextToken(), U" ");
        const String tag = tokens.NextToken(true);
        if (tag == U"common") {
            ParseCommonFontInfo(tokens);
        } else if (tag == U"page") {
            ParsePageInfo(tokens);
        } else if (tag == U"char") {
            ParseCharInfo(tokens);
        } else if (tag == U"kerning") {
            ParseKerningInfo(tokens);
        }
        // "info", the "chars" and "kernings" counts, other tags and empty lines: ignored.
    }
}

void Font::ParseCommonFontInfo(SequentialTokenizer& tokens)
{
    ForEachPair(tokens, [this](const String& key, const String& value) {
        if (key == U"lineHeight") {
            common_.lineHeight = ToInt(value);
        } else if (key == U"base") {
            common_.base = ToInt(value);
        } else if (key == U"scaleW") {
            common_.scaleWidth = ToInt(value);
        } else if (key == U"scaleH") {
            common_.scaleHeight = ToInt(value);
        } else if (key == U"pages") {
            common_.pages = ToInt(value);
        }
    });
}

void Font::ParsePageInfo(SequentialTokenizer& tokens)
{
    int id = 0;
    String file;
    ForEachPair(tokens, [&](const String& key, const String& value) {
        if (key == U"id") {
            id = ToInt(value);
        } else if (key == U"file") {
            file = Unquote(value);
        }
    });
    // Page names are data-folder paths, not relative to the description file.
    Ref<Texture> texture = Texture::New2(file);
    if (!texture->GetImage()) {
        RuntimeError("Font:: Couldn't load page texture from '" + ToUtf8(file) + "'");
    }
    auto [it, inserted] = pages_.try_emplace(id, texture);
    if (!inserted) {
        it->second->Deallocate();   // a repeated id: the earlier page would stay registered
        it->second = std::move(texture);
    }
}

void Font::ParseCharInfo(SequentialTokenizer& tokens)
{
    int id = 0;
    CharInfo info;
    ForEachPair(tokens, [&](const String& key, const String& value) {
        if (key == U"id") {
            id = ToInt(value);
        } else if (key == U"x") {
            info.x = ToInt(value);
        } else if (key == U"y") {
            info.y = ToInt(value);
        } else if (key == U"width") {
            info.width = ToInt(value);
        } else if (key == U"height") {
            info.height = ToInt(value);
        } else if (key == U"xoffset") {
            info.xOffset = ToInt(value);
        } else if (key == U"yoffset") {
            info.yOffset = ToInt(value);
        } else if (key == U"xadvance") {
            info.xAdvance = ToInt(value);
        } else if (key == U"page") {
            info.page = ToInt(value);
        }
    });
    glyphs_[id] = info;
}

void Font::ParseKerningInfo(SequentialTokenizer& tokens)
{
    int first = 0;
    int second = 0;
    int amount = 0;
    ForEachPair(tokens, [&](const String& key, const String& value) {
        if (key == U"first") {
            first = ToInt(value);
        } else if (key == U"second") {
            second = ToInt(value);
        } else if (key == U"amount") {
            amount = ToInt(value);
        }
    });
    SetKerningAmount_(first, second, amount);
}

int Font::GetKerningAmount_(char32_t first, char32_t second) const
{
    if (kerning_.empty()) {
        return 0;
    }
    const auto outer = kerning_.find(static_cast<int>(first));
    if (outer == kerning_.end()) {
        return 0;
    }
    const auto inner = outer->second.find(static_cast<int>(second));
    return inner == outer->second.end() ? 0 : inner->second;
}

void Font::SetKerningAmount_(int first, int second, int amount)
{
    kerning_[first][second] = amount;
}

const CharInfo* Font::GetGlyph(char32_t code) const
{
    const auto it = glyphs_.find(static_cast<int>(code));
    return it == glyphs_.end() ? nullptr : &it->second;
}

const CharInfo* Font::GlyphFor(char32_t code) const
{
    const CharInfo* glyph = GetGlyph(code);
    return glyph != nullptr ? glyph : GetGlyph(kSpaceChar);
}

String Font::FT_Color(int r, int g, int b)
{
    return String{kColorCodeChar, static_cast<char32_t>(r), static_cast<char32_t>(g),
                  static_cast<char32_t>(b)};
}

int Font::StringWidth(std::u32string_view text) const
{
    int width = 0;
    const std::size_t count = text.size();
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t c = text[i];
        if (c == kColorCodeChar) {
            i += kColorCodeLength - 1;
            continue;
        }
        const CharInfo* glyph = GlyphFor(c);
        if (glyph == nullptr) {
            continue;   // no glyph and no space glyph (an empty font): nothing to measure
        }
        width += glyph->xAdvance;
        if (i + 1 < count) {
            width += GetKerningAmount_(c, text[i + 1]);
        }
    }
    return width;
}

void Font::DrawGlyph(const CharInfo& glyph, float penX, float penY, float scaleX, float scaleY)
{
    const auto page = pages_.find(glyph.page);
    if (page == pages_.end()) {
        RuntimeError("Font:: Charset page " + std::to_string(glyph.page) + " not found!");
    }
    if (glyph.width <= 0 || glyph.height <= 0) {
        return;   // a blank (the space): only the pen moves
    }
    const Ref<Image> image = page->second ? page->second->GetImage() : nullptr;
    if (!image) {
        return;   // a released page draws nothing
    }
    // Page images are shared textures: their handle is left alone and compensated, since
    // DrawImageRect subtracts it. (hx - hx is exactly 0, so the glyph lands on the pen.)
    const float hx = image->HandleX();
    const float hy = image->HandleY();
    const float x = penX + static_cast<float>(glyph.xOffset) * scaleX;
    const float y = penY + static_cast<float>(glyph.yOffset) * scaleY;
    if (scaleX == 1.0f && scaleY == 1.0f) {
        graphics::DrawImageRect(*image, x + hx, y + hy, glyph.x, glyph.y, glyph.width,
                                glyph.height, 0);
        return;
    }
    graphics::PushMatrix();
    graphics::Translate(x, y);
    graphics::Scale(scaleX, scaleY);
    graphics::DrawImageRect(*image, hx, hy, glyph.x, glyph.y, glyph.width, glyph.height, 0);
    graphics::PopMatrix();
}

void Font::RenderString(const String& text, int x, int y, bool centreY, float scaleX,
                        float scaleY)
{
    float penX = static_cast<float>(x);
    float penY = static_cast<float>(y);
    if (centreY) {
        penY -= static_cast<float>(common_.lineHeight / 2) * scaleY;
    }
    same::PushTint();
    const std::size_t count = text.size();
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t c = text[i];
        if (c == kColorCodeChar) {
            if (i + kColorCodeLength > count) {
                RuntimeError("Font:: Not Enough color information at position " +
                             std::to_string(i) + "!");
            }
            same::SetTint(static_cast<int>(text[i + 1]), static_cast<int>(text[i + 2]),
                          static_cast<int>(text[i + 3]));
            i += kColorCodeLength - 1;
            continue;
        }
        const CharInfo* glyph = GlyphFor(c);
        if (glyph == nullptr) {
            continue;   // no glyph and no space glyph (an empty font): skipped
        }
        DrawGlyph(*glyph, penX, penY, scaleX, scaleY);
        penX += static_cast<float>(glyph->xAdvance) * scaleX;
        if (i + 1 < count) {
            penX += static_cast<float>(GetKerningAmount_(c, text[i + 1])) * scaleX;
        }
    }
    same::PopTint();
}

void Font::Deallocate()
{
    if (!shared_) {
        ReleasePages_();
    }
}

void Font::ReleasePages_()
{
    for (auto& [id, texture] : pages_) {
        if (texture) {
            texture->Deallocate();
        }
    }
    pages_.clear();
}

}  // namespace zelka
