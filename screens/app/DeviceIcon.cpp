#include "screens/app/DeviceIcon.h"

#include "engine/display/GDOWithSize.h"
#include "engine/media/Sprite.h"
#include "engine/text/Font.h"
#include "engine/text/Label.h"
#include "engine/text/TextConstants.h"
#include "services/data/GameData.h"
#include "services/input/InputHardware.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"

namespace zelka {

namespace {

constexpr float kIconWidth = 200.0f;      // px
constexpr float kIconHeight = 32.0f;
constexpr int kPictureTileWidth = 64;     // inputicons.png: 64 x 32 tiles
constexpr int kPictureTileHeight = 32;
constexpr int kPictureKeyboard = 0;       // tile of the keyboard; 1 is any other device
constexpr int kPictureOther = 1;
constexpr float kPictureX = -66.0f;
constexpr float kLabelX = 35.0f;
constexpr float kLabelY = -2.0f;
constexpr float kLabelWidth = 130.0f;
constexpr float kLabelScale = 0.25f;
constexpr int kNameGrey = 190;            // text colour (190, 190, 190)
constexpr char32_t kKeyboardType[] = U"keyboard";

Ref<Label> NameLabel(const String& text)
{
    const Ref<Label> label = Label::New(GameData::stdFont, kLabelScale);
    label->SetStyle(kLabelSingleLine);
    label->SetSize(kLabelWidth, kIconHeight);
    label->SetText(Font::FT_Color(kNameGrey, kNameGrey, kNameGrey) + text);
    return label;
}

}  // namespace

Ref<GDO> NewDeviceIcon(const InputHardware* device)
{
    const Ref<GDOWithSize> icon = GDOWithSize::New(kIconWidth, kIconHeight);
    if (!GameData::stdFont) {
        return icon;
    }
    if (device == nullptr) {
        const Ref<Label> label = NameLabel(U"NO DEVICE");
        label->horizontalAlignment = kAlignCentre;
        icon->AddChild(label);
        return icon;
    }
    const Ref<Sprite> picture =
        Sprite::New(U"inputicons.png", kPictureTileWidth, kPictureTileHeight, 0);
    const int tile = device->GetDeviceType() == kKeyboardType ? kPictureKeyboard : kPictureOther;
    picture->DefineSequence(U"default", tile, tile, false);
    picture->PlaySequence(U"default");
    icon->AddChild2(picture, kPictureX, 0.0f);
    const Ref<Label> label = NameLabel(device->GetName());
    label->horizontalAlignment = kAlignStart;
    icon->AddChild2(label, kLabelX, kLabelY);
    return icon;
}

Ref<GDO> NewPlayerDeviceIcon(const PlayerData* player)
{
    const InputHardware* device = nullptr;
    if (player != nullptr && player->GetInputMapping()) {
        device = player->GetInputMapping()->GetHardware().get();
    }
    return NewDeviceIcon(device);
}

}  // namespace zelka
