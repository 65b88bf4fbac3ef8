#include "tools/assetgen/ContactSheet.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "tools/assetgen/Art.h"
#include "tools/assetgen/Glyphs.h"
#include "tools/assetgen/Manifest.h"

namespace zelka::assets {

namespace {

constexpr int kSheetW = 1800;
constexpr int kPad = 12;
constexpr int kLabelH = 12;

struct Group {
    AssetGroup id;
    const char* name;
};

void Save(const std::filesystem::path& p, const Canvas& c)
{
    const std::vector<uint8_t> png = EncodePng(c);
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
}

// Checker behind the image so transparency and white ink both show.
void Checker(Canvas& c, int x, int y, int w, int h)
{
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            c.Set(x + i, y + j, ((i / 8 + j / 8) % 2) ? Hex(0x3a3a48) : Hex(0x2c2c38));
}

// A small maze assembled from a world's tiles, with pick-ups and two characters.
Canvas MazePreview(int world)
{
    static const char* kMap[] = {
        "###########",
        "#.....#...#",
        "#.###.#.#.#",
        "#...#...#.#",
        "###.#####.#",
        "#.........#",
        "###########",
    };
    const std::string dir = "worlds/world" + std::to_string(world) + "/";
    const Canvas walls = MakeImage(dir + "mazeset.imx");
    const Canvas floor = MakeImage(dir + "floorset.imx");
    const Canvas items = MakeImage("items.imx");
    const int rows = 7, cols = 11;
    Canvas c(cols * 32, rows * 32);
    auto wall = [&](int x, int y) { return x >= 0 && y >= 0 && x < cols && y < rows && kMap[y][x] == '#'; };
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < cols; ++x) {
            if (!wall(x, y)) {
                const int trail = (y == 5 && x > 2 && x < 9) ? 12 : 0;
                c.Draw(floor.Crop(trail * 32, 0, 32, 32), x * 32, y * 32);
                continue;
            }
            int mask = (wall(x, y - 1) ? 1 : 0) | (wall(x, y + 1) ? 2 : 0) | (wall(x - 1, y) ? 4 : 0) | (wall(x + 1, y) ? 8 : 0);
            if (mask == 12 && y < rows - 1 && (x * 7 + y) % 5 == 0) mask = 16 + (x + y) % 4;
            c.Draw(floor.Crop(0, 0, 32, 32), x * 32, y * 32);
            c.Draw(walls.Crop(mask * 32, 0, 32, 32), x * 32, y * 32);
        }
    c.Draw(items.Crop(0, 0, 32, 32), 1 * 32, 1 * 32);
    c.Draw(items.Crop(32, 0, 32, 32), 2 * 32, 1 * 32);
    c.Draw(items.Crop(2 * 32, 32, 32, 32), 7 * 32, 3 * 32);
    c.Draw(floor.Crop(17 * 32, 0, 32, 32), 9 * 32, 5 * 32);
    const Canvas mira = MakeImage("mira/sprite.imx");
    const Canvas brak = MakeImage("brak/sprite.imx");
    c.Draw(mira.Crop(0, 0, 32, 40), 5 * 32, 5 * 32 - 13);
    c.Draw(brak.Crop(2 * 32, 0, 32, 44), 9 * 32, 2 * 32 - 15);
    return c;
}

Canvas FontSample(bool display)
{
    Canvas c(760, 70);
    const FontFace f = display ? FontFace::Display : FontFace::Block8;
    const int s = display ? 2 : 1;
    DrawText(c, f, "The Haunted Graveyard - CAP'N BRAKKEN 1337", 4, 4, s, kWhite, display);
    DrawText(c, f, "- A new random maze will be generated -", 4, 26, s, Hex(0xffe070), display);
    DrawText(c, f, "IT'S-A-TRAP! THE BALL&CHAIN (x3) 100%", 4, 48, s, Hex(0x80d0ff), display);
    return c;
}

// One shrink-to-fit label as the how-to-play screen draws it: the secondary font scaled
// to the box height, coloured runs, left- or right-aligned in the box.
void HtpLabel(Canvas& c, int x, int y, int w, int h, const std::vector<std::pair<std::string, Rgba>>& runs,
              bool right = false)
{
    constexpr int kLine = kSecFontMaxLineHeight, kYOffset = 3;
    int tw = 0;
    for (const auto& r : runs) tw += TextWidth(FontFace::Display, r.first, 2, true);
    Canvas line(std::max(1, tw), kLine);
    int at = 0;
    for (const auto& [text, col] : runs) at += DrawText(line, FontFace::Display, text, at, kYOffset, 2, col, true);
    const float scale = std::min(float(h) / kLine, float(w) / float(std::max(1, tw)));
    const int sw = std::max(1, int(tw * scale)), sh = std::max(1, int(kLine * scale));
    const Canvas small = line.ScaledTo(sw, sh);
    c.Draw(small, right ? x + w - sw : x, y + (h - sh) / 2);
}

// The how-to-play page with the screen's labels laid over it, to judge the fit.
Canvas HowToPlayPreview()
{
    Canvas c = MakeImage("htp.imx");
    const Rgba blue = Hex(0x407bdc), grey = Hex(0xc8c8c8), green = Hex(0x4cb53e), red = Hex(0xff5151);
    HtpLabel(c, 20, 8, 240, 36, {{"HOW TO PLAY", Hex(0xffcc00)}});
    HtpLabel(c, 80, 50, 170, 20, {{"YOUR CHARACTER", blue}});
    HtpLabel(c, 274, 50, 175, 20, {{"YOUR ITEM STACK", blue}});
    HtpLabel(c, 56, 213, 160, 22, {{"IN GENERAL", blue}});
    HtpLabel(c, 332, 138, 200, 14, {{"CURRENTLY SELECTED ITEM", grey}});
    const char* dirs[4] = {"UP", "LEFT", "DOWN", "RIGHT"};
    const char* keys[4] = {"W", "A", "S", "D"};
    for (int i = 0; i < 4; ++i) {
        HtpLabel(c, 88, 148 + 14 * i, 90, 14, {{"MOVE ", grey}, {dirs[i], green}});
        HtpLabel(c, 180, 148 + 14 * i, 90, 14, {{"WITH ", grey}, {keys[i], red}});
    }
    HtpLabel(c, 56, 236, 122, 14, {{"ACCEPT", green}, {" STUFF", grey}});
    HtpLabel(c, 180, 236, 200, 14, {{"WITH ", grey}, {"SPACE", red}, {" OR ", grey}, {"RETURN", red}});
    HtpLabel(c, 56, 250, 122, 14, {{"CANCEL", green}, {" STUFF", grey}});
    HtpLabel(c, 180, 250, 90, 14, {{"WITH ", grey}, {"ESCAPE", red}});
    HtpLabel(c, 56, 264, 122, 14, {{"PAUSE", green}, {" THE GAME", grey}});
    HtpLabel(c, 180, 264, 90, 14, {{"WITH ", grey}, {"RETURN", red}});
    HtpLabel(c, 332, 162, 138, 14, {{"SELECT", green}, {" NEXT ITEM", grey}});
    HtpLabel(c, 472, 162, 104, 14, {{"WITH ", grey}, {"ESCAPE", red}});
    HtpLabel(c, 332, 176, 138, 14, {{"USE", green}, {" CURRENT ITEM", grey}});
    HtpLabel(c, 472, 176, 104, 14, {{"WITH ", grey}, {"SPACE", red}});
    // The cursor bar on the first choice, its arrow just left of it.
    c.BlendRect(336, 251, 238, 22, blue);
    c.Draw(MakeImage("htp_cursor.imx").Crop(0, 0, 32, 24), 336 - 14 - 16, 250);
    HtpLabel(c, 336, 250, 238, 24, {{"GOT IT!", kWhite}}, true);
    HtpLabel(c, 336, 274, 238, 24, {{"LET ME CHANGE IT!", kWhite}}, true);
    return c;
}

// The title screen's still frame: backdrop, glow, emblem and word where the title places
// them (screen centre origin: the logo group at (0, -40), the word 28 below its centre,
// the foreground strip centred 111 below the screen centre).
Canvas TitlePreview()
{
    Canvas c = MakeImage("title_bg.imx");
    auto centred = [&](const std::string& path, int cx, int cy) {
        const Canvas img = MakeImage(path);
        c.Draw(img, cx - img.W() / 2, cy - img.H() / 2);
    };
    centred("logo_light.imx", 320, 140);
    centred("logo.imx", 320, 140);
    centred("zelka.imx", 319, 168);
    centred("title_over.imx", 320, 291);
    return c;
}

}  // namespace

void WriteContactSheets(const std::filesystem::path& dir)
{
    std::filesystem::create_directories(dir);
    const Group groups[] = {{AssetGroup::Characters, "characters"}, {AssetGroup::Worlds, "worlds"},
                            {AssetGroup::Items, "items"}, {AssetGroup::Ui, "ui"}, {AssetGroup::Fonts, "fonts"}};
    for (const Group& g : groups) {
        std::vector<std::pair<std::string, Canvas>> images;
        for (const AssetEntry& e : Manifest())
            if (e.group == g.id && (e.kind == AssetKind::EncImage || e.kind == AssetKind::PlainPng))
                images.emplace_back(e.path, MakeImage(e.path).Scaled(2));
        // Small sheets first so the sprite strips sit together at the top.
        std::stable_sort(images.begin(), images.end(),
                         [](const auto& a, const auto& b) { return a.second.H() < 150 && b.second.H() >= 150; });
        if (g.id == AssetGroup::Worlds)
            for (int w = 0; w < kWorldCount; ++w)
                images.emplace_back("preview: world" + std::to_string(w), MazePreview(w).Scaled(2));
        if (g.id == AssetGroup::Ui) {
            images.emplace_back("preview: how to play", HowToPlayPreview().Scaled(2));
            images.emplace_back("preview: title", TitlePreview().Scaled(2));
        }
        if (g.id == AssetGroup::Fonts) {
            images.emplace_back("sample: press_start_k", FontSample(false).Scaled(2));
            images.emplace_back("sample: upheaval", FontSample(true).Scaled(2));
        }
        // Shelf layout: left to right, wrapping at the sheet width.
        std::vector<std::pair<int, int>> pos;
        int x = kPad, y = kPad, shelf = 0;
        for (const auto& [name, img] : images) {
            const int w = std::max(img.W(), TextWidth(FontFace::Block8, name, 1) + 4);
            if (x + w > kSheetW - kPad && x > kPad) { x = kPad; y += shelf + kPad; shelf = 0; }
            pos.emplace_back(x, y);
            x += w + kPad;
            shelf = std::max(shelf, img.H() + kLabelH);
        }
        Canvas sheet(kSheetW, y + shelf + kPad, Hex(0x15151c));
        for (size_t i = 0; i < images.size(); ++i) {
            const auto& [name, img] = images[i];
            const auto [px, py] = pos[i];
            DrawText(sheet, FontFace::Block8, name, px, py, 1, Hex(0xffe070));
            Checker(sheet, px, py + kLabelH, img.W(), img.H());
            sheet.Draw(img, px, py + kLabelH);
        }
        Save(dir / (std::string(g.name) + ".png"), sheet);
    }
}

}  // namespace zelka::assets
