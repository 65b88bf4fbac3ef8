#pragma once

#include "engine/core/Interfaces.h"
#include "engine/core/Object.h"
#include "engine/media/Texture.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <map>

namespace zelka {

class SequentialTokenizer;

// Values of a font description's "common" line; 0 until read.
struct CommonFontInfo {
    int lineHeight = 0;   // pixels from one line to the next
    int base = 0;
    int scaleWidth = 0;
    int scaleHeight = 0;
    int pages = 0;
};

// One glyph: its rectangle (x, y, width, height) in its page image, where it sits relative to
// the pen (offsets) and how far it moves the pen (advance). Pixels; 0 until read.
struct CharInfo {
    int xAdvance = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int xOffset = 0;
    int yOffset = 0;
    int page = 0;
};

// A bitmap font read from a text description ("info", "common", "page", "char", "kerning"
// lines of key=value pairs) and its page images. Draws and measures single lines with
// kerning and colour codes (Font::FT_Color). A character without glyph is drawn as the space
// glyph; with neither it is skipped.
class Font : public Object, public Resource {
public:
    // Reads the description at `path` (a plain text file in the data folder). An unreadable
    // file gives a font without glyphs or pages. Fatal "Font:: Couldn't load page texture
    // from '<file>'" when a page image cannot be loaded.
    static Ref<Font> New(const String& path);

    // Draws one line with the pen starting at (x, y); with centreY the line's middle sits
    // on y. The tint is restored afterwards, whatever colour codes the text held. Fatal
    // "Font:: Not Enough color information at position <i>!" for a colour code cut short and
    // "Font:: Charset page <p> not found!" for a glyph on an undefined page.
    virtual void RenderString(const String& text, int x, int y, bool centreY = false,
                              float scaleX = 1.0f, float scaleY = 1.0f);
    // Deallocates every page texture and forgets the pages. Does nothing for a font shared
    // from the font cache, which outlives the stages that use it.
    void Deallocate() override;

    // Unscaled width in pixels: advances plus kerning; colour codes add nothing and a short
    // one is not an error here.
    int StringWidth(std::u32string_view text) const;
    int GetLineHeight() const { return common_.lineHeight; }
    const String& GetFilename() const { return filename_; }
    const CommonFontInfo& GetCommonInfo() const { return common_; }
    // Null when the font has no glyph for the code.
    const CharInfo* GetGlyph(char32_t code) const;
    const std::map<int, CharInfo>& GetGlyphs() const { return glyphs_; }
    const std::map<int, Ref<Texture>>& GetPages() const { return pages_; }

    // 0 when no amount is defined for the pair.
    int GetKerningAmount_(char32_t first, char32_t second) const;
    // A repeated pair replaces the amount.
    void SetKerningAmount_(int first, int second, int amount);

    // The colour code: characters 18, r, g, b.
    static String FT_Color(int r, int g, int b);

    // Reads a description's text into this font (the parser behind New, public for tests
    // and for fonts built in memory).
    void ParseFontDescription_(const String& description);

    // Set by the font cache: the font outlives stages and ignores Deallocate.
    bool IsShared() const { return shared_; }
    void MarkShared_() { shared_ = true; }
    // Deallocates the page textures even of a shared font (the cache's own release).
    void ReleasePages_();

protected:
    // Stores the path and reads the description file (the body of New).
    void Load_(const String& path);
    // The glyph drawn for a character: its own, else the space glyph, else null.
    const CharInfo* GlyphFor(char32_t code) const;
    // Replaces a page texture (recoloured fonts); the old one is not released here.
    void SetPage_(int id, Ref<Texture> texture) { pages_[id] = std::move(texture); }

    String filename_;

private:
    void ParseCommonFontInfo(SequentialTokenizer& tokens);
    void ParsePageInfo(SequentialTokenizer& tokens);
    void ParseCharInfo(SequentialTokenizer& tokens);
    void ParseKerningInfo(SequentialTokenizer& tokens);
    void DrawGlyph(const CharInfo& glyph, float penX, float penY, float scaleX, float scaleY);

    CommonFontInfo common_;
    std::map<int, CharInfo> glyphs_;
    std::map<int, std::map<int, int>> kerning_;
    std::map<int, Ref<Texture>> pages_;
    bool shared_ = false;
};

}  // namespace zelka
