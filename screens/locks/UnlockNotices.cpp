#include "screens/locks/UnlockNotices.h"

#include "engine/display/GDOWithSize.h"
#include "engine/media/Sprite.h"
#include "engine/text/Font.h"
#include "engine/text/Label.h"
#include "engine/text/TextConstants.h"
#include "screens/locks/LockConstants.h"
#include "services/data/GameData.h"
#include "services/roster/CharProfile.h"

namespace zelka {

namespace contentlock {

namespace {

constexpr char32_t kUnlockedLine[] = U"\nUNLOCKED";

String UnlockedLine()
{
    return Font::FT_Color(255, 190, 0) + kUnlockedLine;  // amber
}

Ref<Label> NoticeLabel(const String& text, float width)
{
    const Ref<Label> label = Label::New(GameData::stdFont, kNoticeTextScale);
    label->SetStyle(kLabelWrap);
    label->SetSize(width, kNoticeTextHeight);
    label->SetFontScale(kNoticeTextScale, kNoticeTextScale);
    label->horizontalAlignment = kAlignStart;
    label->verticalAlignment = kAlignStart;
    label->SetText(text);
    return label;
}

}  // namespace

String GeneralUnlockText(const String& name)
{
    return Font::FT_Color(32, 150, 90) + name + UnlockedLine();  // green
}

String CharUnlockText(const CharProfile& profile)
{
    return Font::FT_Color(100, 174, 245) + profile.GetName() + UnlockedLine();  // blue
}

Ref<GDOWithSize> CreateGeneralUnlockNotification(const String& name)
{
    const Ref<GDOWithSize> notice = GDOWithSize::New(kNoticeWidth, kNoticeHeight);
    if (GameData::stdFont) {
        notice->AddChild2(NoticeLabel(GeneralUnlockText(name), kNoticeWorldTextWidth), 0.0f,
                          0.0f);
    }
    return notice;
}

Ref<GDOWithSize> CreateCharUnlockNotification(const CharProfile& profile)
{
    const Ref<GDOWithSize> notice = GDOWithSize::New(kNoticeWidth, kNoticeHeight);
    if (!GameData::stdFont) {
        return notice;
    }
    const Ref<Sprite> sprite = Sprite::New(profile.GetImgPath(kImgSprite), kNoticeSpriteTileWidth,
                                           profile.GetSpriteHeight(), kNoticeSpriteFps);
    sprite->DefineSequence2(U"down", profile.GetSpriteSequence(kSeqDown), true);
    sprite->PlaySequence(U"down");
    notice->AddChild2(sprite, kNoticeSpriteX, kNoticeSpriteY);
    notice->AddChild2(NoticeLabel(CharUnlockText(profile), kNoticeCharTextWidth),
                      kNoticeCharTextX, kNoticeCharTextY);
    return notice;
}

}  // namespace contentlock

}  // namespace zelka
