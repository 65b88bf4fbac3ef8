#include "screens/title/HowToPlay.h"

#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "engine/text/Font.h"
#include "engine/text/Label.h"
#include "engine/text/RetroFont.h"
#include "engine/text/TextConstants.h"
#include "services/data/GameData.h"
#include "services/input/InputConstants.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "screens/title/HTPCursor.h"
#include "screens/title/TitleConstants.h"

namespace zelka {

namespace {

constexpr int kTextGrey = 200;

String Green() { return Font::FT_Color(76, 181, 62); }
String Red() { return Font::FT_Color(255, 81, 81); }
String Grey() { return Font::FT_Color(kTextGrey, kTextGrey, kTextGrey); }

// The name of the key bound to an action of player 1's mapping; "" without a device.
String KeyName(int action)
{
    const Ref<PlayerData>& player = GameData::player1;
    const Ref<InputMapping> mapping = player ? player->GetInputMapping() : nullptr;
    return mapping ? mapping->GetKey(action) : String();
}

}  // namespace

HowToPlay::HowToPlay() : MenuWithOptions(kHowToPlayWidth, kHowToPlayHeight) {}

Ref<HowToPlay> HowToPlay::New()
{
    auto menu = std::make_shared<HowToPlay>();
    SetupMenu(*menu, GameData::player1, HTPCursor::New());
    menu->tint.Set(0, 0, 0);
    if (GameData::secFont) {
        menu->BuildPage();
    }
    menu->MoveCursorToOption(0);
    return menu;
}

Ref<Label> HowToPlay::MakeText(const Ref<Font>& font, const String& text,
                               const std::array<float, 4>& box, int alignment)
{
    const float lineHeight = static_cast<float>(font->GetLineHeight());
    const Ref<Label> label = Label::New(font, lineHeight > 0.0f ? box[3] / lineHeight : 1.0f);
    label->SetStyle(kLabelShrinkToFit);
    label->SetSize(box[2], box[3]);
    label->horizontalAlignment = alignment;
    label->SetText(text);
    // Boxes are given by their top-left corner; labels sit on their centre.
    label->position->Set(box[0] + box[2] * 0.5f - kHowToPlayWidth * 0.5f,
                         box[1] + box[3] * 0.5f - kHowToPlayHeight * 0.5f);
    return label;
}

Ref<Label> HowToPlay::AddText(const Ref<Font>& font, const String& text,
                              const std::array<float, 4>& box, int alignment)
{
    const Ref<Label> label = MakeText(font, text, box, alignment);
    AddChild(label);
    return label;
}

void HowToPlay::BuildPage()
{
    // Under the cursor, which SetupMenu made the first child.
    AddChild(StaticImage::New(Texture::GetTexture(U"htp.png")), 0);

    const Ref<Font> title =
        RetroFont::New(GameData::secFont->GetFilename(), {255, 204, 0}, RGB(220, 64, 90));
    AddText(title, U"HOW TO PLAY", {20, 8, 240, 36}, kAlignStart);

    const Ref<Font>& font = GameData::secFont;
    for (const auto& [text, box] : {std::pair{U"YOUR CHARACTER", std::array<float, 4>{80, 50, 170, 20}},
                                    std::pair{U"YOUR ITEM STACK", std::array<float, 4>{274, 50, 175, 20}},
                                    std::pair{U"IN GENERAL", std::array<float, 4>{56, 213, 160, 22}}}) {
        AddText(font, text, box, kAlignStart)->tint.Set(kHtpBlue[0], kHtpBlue[1], kHtpBlue[2]);
    }
    AddText(font, U"CURRENTLY SELECTED ITEM", {332, 138, 200, 14}, kAlignStart)
        ->tint.Set(kTextGrey, kTextGrey, kTextGrey);
    BuildKeyTexts();

    for (const auto& [text, y] : {std::pair{U"GOT IT!", 250.0f}, std::pair{U"LET ME CHANGE IT!", 274.0f}}) {
        const Ref<Label> option = MakeText(font, text, {336, y, 238, 24}, kAlignEnd);
        AddOption(option, option->position->x, option->position->y);
    }
}

void HowToPlay::BuildKeyTexts()
{
    const Ref<Font>& font = GameData::secFont;
    const auto grey = [this, &font](const String& text, const std::array<float, 4>& box) {
        AddText(font, text, box, kAlignStart)->tint.Set(kTextGrey, kTextGrey, kTextGrey);
    };
    // The move rows, top to bottom, with the action each names.
    const std::pair<const char32_t*, int> moves[] = {
        {U"UP", kActionUp}, {U"LEFT", kActionLeft}, {U"DOWN", kActionDown}, {U"RIGHT", kActionRight}};
    float y = 148.0f;
    for (const auto& [direction, action] : moves) {
        grey(U"MOVE " + Green() + direction, {88, y, 90, 14});
        grey(U"WITH " + Red() + KeyName(action), {180, y, 90, 14});
        y += 14.0f;
    }
    // These texts carry their own grey code after the green word, and no tint.
    AddText(font, Green() + U"ACCEPT" + Grey() + U" STUFF", {56, 236, 122, 14}, kAlignStart);
    grey(U"WITH " + Red() + KeyName(kActionAccept) + Grey() + U" OR " + Red() + KeyName(kActionStart),
         {180, 236, 200, 14});
    AddText(font, Green() + U"CANCEL" + Grey() + U" STUFF", {56, 250, 122, 14}, kAlignStart);
    grey(U"WITH " + Red() + KeyName(kActionCancel), {180, 250, 90, 14});
    AddText(font, Green() + U"PAUSE" + Grey() + U" THE GAME", {56, 264, 122, 14}, kAlignStart);
    grey(U"WITH " + Red() + KeyName(kActionStart), {180, 264, 90, 14});
    AddText(font, Green() + U"SELECT" + Grey() + U" NEXT ITEM", {332, 162, 138, 14}, kAlignStart);
    grey(U"WITH " + Red() + KeyName(kActionCancel), {472, 162, 104, 14});
    AddText(font, Green() + U"USE" + Grey() + U" CURRENT ITEM", {332, 176, 138, 14}, kAlignStart);
    grey(U"WITH " + Red() + KeyName(kActionAccept), {472, 176, 104, 14});
}

void HowToPlay::OkPressed(int index)
{
    result_ = index;
    CloseEnclosingPanel();
}

void HowToPlay::CancelPressed(int /*index*/, bool /*byEscape*/)
{
    result_ = 0;
    CloseEnclosingPanel();
}

}  // namespace zelka
