#include "screens/charsel/LockNotice.h"

#include "engine/media/StaticImage.h"
#include "engine/text/LabelWithShadow.h"
#include "engine/ui/Panel.h"
#include "services/data/ContentLock.h"
#include "services/data/GameData.h"
#include "screens/charsel/CharSelConstants.h"

namespace zelka {

namespace {

constexpr int kNoticeOpenMs = 300;
constexpr float kNoticeTextScale = 0.3f;
constexpr float kNoticeTextWidth = 238.0f;
constexpr float kNoticeTextHeight = 48.0f;

// A plain card until the shared lock cards are in: the message box with "LOCKED".
Ref<GDO> NewStandInCard(const ContentLock& /*lock*/)
{
    const Ref<StaticImage> card = StaticImage::New(Texture::GetTexture(U"msgbox.png"));
    if (GameData::stdFont) {
        const Ref<LabelWithShadow> text = LabelWithShadow::New(GameData::stdFont, kNoticeTextScale);
        text->SetStyle(kLabelWrap);
        text->SetSize(kNoticeTextWidth, kNoticeTextHeight);
        text->SetText(U"LOCKED!");
        card->AddChild(text);
    }
    return card;
}

}  // namespace

Ref<GDO> NewLockNotice(const Ref<ContentLock>& lock)
{
    if (!lock || !lock->LockActive()) {
        return nullptr;
    }
    return Panel::New(NewStandInCard(*lock), U"scale.y", kLockNoticeClosed, 1.0f,
                      kNoticeOpenMs, nullptr);
}

Panel* AsNoticePanel(const Ref<GDO>& notice)
{
    return dynamic_cast<Panel*>(notice.get());
}

bool IsPanelClosing(const Panel& panel, float closedValue)
{
    return panel.IsOpen() && panel.IsAnimating() && panel.GetTween()->GetEnd() == closedValue;
}

}  // namespace zelka
