#pragma once

// The complete data set the game loads, one entry per file under data/. The generator
// writes exactly these files and the asset tests check them against this same table.

#include <cstdio>
#include <string>
#include <vector>

namespace zelka::assets {

enum class AssetKind {
    EncImage,   // PNG inside the container, ".imx"
    PlainPng,   // read by the framework loader, never enciphered
    FontText,   // plain font description
    Sfx,        // WAV inside the container, ".aux"
    Music,      // Ogg Vorbis inside the container, ".auy"
};

// Groups of the review sheets.
enum class AssetGroup { Characters, Worlds, Items, Ui, Fonts, Audio };

struct AssetEntry {
    std::string path;      // relative to data/, exactly as stored
    AssetKind kind;
    AssetGroup group;
    int width = 0;         // images: pixels
    int height = 0;
    int tileW = 0;         // sprite sheets and tile sets: the cell size, 0 for plain images
    int tileH = 0;
    int minTiles = 0;      // cells the game indexes (sequence frames included)
    int number = -1;       // effects and music: the sound number
};

namespace detail {

inline std::string SoundName(const char* folder, int n, const char* ext)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s/%02d.%s", folder, n, ext);
    return buf;
}

inline void AddImage(std::vector<AssetEntry>& out, const std::string& path, AssetGroup group,
                     int w, int h, int tw = 0, int th = 0, int tiles = 0)
{
    out.push_back({path, AssetKind::EncImage, group, w, h, tw, th, tiles, -1});
}

}  // namespace detail

struct CharacterInfo {
    const char* key;
    int frameH;
    int tiles;   // sprite cells in one row
};

// Roster order (ids 0-6).
inline const std::vector<CharacterInfo>& Characters()
{
    static const std::vector<CharacterInfo> list = {
        {"mira", 40, 24}, {"brak", 44, 10}, {"sable", 40, 24}, {"wren", 40, 24},
        {"gc0", 48, 17}, {"gc1", 40, 24}, {"gc2", 32, 24},
    };
    return list;
}

inline constexpr int kWorldCount = 4;

// Effect numbers that exist as sfx/NN.aux.
inline std::vector<int> SfxNumbers()
{
    std::vector<int> n;
    for (int i = 0; i <= 28; ++i)
        if (i != 9 && i != 19) n.push_back(i);
    for (int i = 100; i <= 113; ++i) n.push_back(i);
    for (int i = 200; i <= 203; ++i) n.push_back(i);
    for (int i : {300, 302, 303, 304}) n.push_back(i);
    for (int i = 400; i <= 409; ++i) n.push_back(i);
    n.push_back(500);
    n.push_back(501);
    for (int c = 0; c < 4; ++c)
        for (int q = 0; q < 3; ++q) n.push_back(600 + 10 * c + q);
    return n;
}

inline std::vector<int> MusicNumbers() { return {0, 1, 2, 3, 4, 5, 10}; }

inline const std::vector<AssetEntry>& Manifest()
{
    static const std::vector<AssetEntry> list = [] {
        using G = AssetGroup;
        using detail::AddImage;
        std::vector<AssetEntry> m;
        m.push_back({"vexo_font.png", AssetKind::PlainPng, G::Fonts, 960, 16, 10, 16, 96, -1});
        m.push_back({"press_start_k.fnt", AssetKind::FontText, G::Fonts});
        m.push_back({"upheaval.fnt", AssetKind::FontText, G::Fonts});
        AddImage(m, "press_start_k_0.imx", G::Fonts, 512, 256);
        AddImage(m, "upheaval_0.imx", G::Fonts, 256, 128);

        AddImage(m, "inputicons.imx", G::Ui, 128, 32, 64, 32, 2);
        AddImage(m, "cursor1.imx", G::Ui, 12, 12);
        AddImage(m, "cursor2.imx", G::Ui, 12, 8);
        AddImage(m, "cursor3.imx", G::Ui, 8, 8);
        AddImage(m, "lightmap.imx", G::Worlds, 192, 32, 32, 32, 6);
        AddImage(m, "fallingrock.imx", G::Worlds, 256, 96, 32, 96, 8);
        AddImage(m, "dig2.imx", G::Items, 224, 32, 32, 32, 7);
        AddImage(m, "teleport.imx", G::Items, 32, 90);
        AddImage(m, "status_fx.imx", G::Items, 128, 16, 32, 16, 4);
        AddImage(m, "nav_cursor.imx", G::Ui, 128, 16, 16, 16, 8);
        AddImage(m, "p1_pointer.imx", G::Ui, 128, 32, 32, 32, 4);
        AddImage(m, "p2_pointer.imx", G::Ui, 128, 32, 32, 32, 4);
        AddImage(m, "ready.imx", G::Ui, 192, 48);
        AddImage(m, "go.imx", G::Ui, 96, 48);
        AddImage(m, "items.imx", G::Items, 256, 256, 32, 32, 64);
        AddImage(m, "idol.imx", G::Items, 288, 48, 32, 48, 9);
        AddImage(m, "idol_light.imx", G::Items, 32, 48);
        AddImage(m, "item_icons.imx", G::Items, 320, 32, 32, 32, 10);
        AddImage(m, "itframe_p1.imx", G::Ui, 40, 40);
        AddImage(m, "itframe_p2.imx", G::Ui, 40, 40);
        AddImage(m, "topbar.imx", G::Ui, 640, 76);
        AddImage(m, "icon-debuff.imx", G::Items, 112, 16, 16, 16, 7);
        AddImage(m, "icon-buff.imx", G::Items, 112, 16, 16, 16, 7);
        AddImage(m, "msgbox.imx", G::Ui, 296, 64);
        AddImage(m, "key.imx", G::Ui, 24, 24);
        AddImage(m, "results_bg.imx", G::Ui, 840, 360);
        AddImage(m, "vertbar.imx", G::Ui, 6, 360);
        AddImage(m, "shine1.imx", G::Ui, 16, 16);
        AddImage(m, "shine2.imx", G::Ui, 12, 12);
        AddImage(m, "shine3.imx", G::Ui, 8, 8);
        AddImage(m, "chardialog.imx", G::Ui, 400, 90);
        AddImage(m, "title_bg.imx", G::Ui, 640, 360);
        AddImage(m, "logo.imx", G::Ui, 256, 160);
        AddImage(m, "zelka.imx", G::Ui, 240, 56);
        AddImage(m, "logo_light.imx", G::Ui, 256, 160);
        AddImage(m, "fire.imx", G::Ui, 8, 8);
        AddImage(m, "title_over.imx", G::Ui, 640, 138);
        AddImage(m, "htp.imx", G::Ui, 592, 308);
        AddImage(m, "htp_cursor.imx", G::Ui, 160, 24, 32, 24, 5);
        AddImage(m, "zibmonster.imx", G::Ui, 128, 128);
        AddImage(m, "zibbase.imx", G::Ui, 256, 64);
        AddImage(m, "controller.imx", G::Ui, 160, 96);
        AddImage(m, "charcursor_p1.imx", G::Ui, 72, 72);
        AddImage(m, "charcursor_p2.imx", G::Ui, 72, 72);
        AddImage(m, "stonemask1.imx", G::Ui, 432, 56, 72, 56, 6);
        AddImage(m, "stonemask2.imx", G::Ui, 432, 56, 72, 56, 6);
        AddImage(m, "chains.imx", G::Ui, 64, 64);
        AddImage(m, "padlock.imx", G::Ui, 24, 28);
        AddImage(m, "noise.imx", G::Ui, 400, 180, 100, 180, 4);
        AddImage(m, "charselover.imx", G::Ui, 640, 360);

        for (const CharacterInfo& c : Characters()) {
            const std::string dir = std::string(c.key) + "/";
            AddImage(m, dir + "face.imx", G::Characters, 64, 64);
            AddImage(m, dir + "portrait.imx", G::Characters, 200, 360);
            AddImage(m, dir + "win.imx", G::Characters, 212, 360);
            AddImage(m, dir + "lose.imx", G::Characters, 212, 360);
            AddImage(m, dir + "sprite.imx", G::Characters, 32 * c.tiles, c.frameH, 32, c.frameH, c.tiles);
        }
        for (int w = 0; w < kWorldCount; ++w) {
            const std::string dir = "worlds/world" + std::to_string(w) + "/";
            AddImage(m, dir + "mazeset.imx", G::Worlds, 640, 32, 32, 32, 20);
            AddImage(m, dir + "floorset.imx", G::Worlds, 608, 32, 32, 32, 19);
            AddImage(m, dir + "blocktrap.imx", G::Worlds, 64, 48, 32, 48, 2);
            AddImage(m, dir + "wallbreak.imx", G::Worlds, 240, 48, 48, 48, 5);
            AddImage(m, dir + "dust.imx", G::Worlds, 12, 12);
        }
        for (int n : SfxNumbers())
            m.push_back({detail::SoundName("sfx", n, "aux"), AssetKind::Sfx, G::Audio, 0, 0, 0, 0, 0, n});
        for (int n : MusicNumbers())
            m.push_back({detail::SoundName("bgm", n, "auy"), AssetKind::Music, G::Audio, 0, 0, 0, 0, 0, n});
        return m;
    }();
    return list;
}

// Line heights of the two font descriptions: the standard font's fixed value, and the
// most the secondary font may use (its menu rows are 22 px boxes at scale 1).
inline constexpr int kStdFontLineHeight = 28;
inline constexpr int kSecFontMaxLineHeight = 22;

}  // namespace zelka::assets
