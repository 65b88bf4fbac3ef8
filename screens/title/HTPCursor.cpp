#include "screens/title/HTPCursor.h"

#include "engine/media/Sprite.h"
#include "screens/title/TitleConstants.h"

namespace zelka {

HTPCursor::HTPCursor() : RectangleGDO(0.0f, kHtpCursorHeight, false) {}

Ref<HTPCursor> HTPCursor::New()
{
    auto cursor = std::make_shared<HTPCursor>();
    cursor->tint.Set(kHtpBlue[0], kHtpBlue[1], kHtpBlue[2]);
    cursor->arrow_ = Sprite::New(U"htp_cursor.png", kHtpArrowTileWidth, kHtpArrowTileHeight,
                                 kHtpArrowFps);
    cursor->arrow_->DefineSequence(U"default", 0, kHtpArrowFrames - 1, true);
    cursor->arrow_->PlaySequence(U"default");
    cursor->AddChild(cursor->arrow_);
    return cursor;
}

void HTPCursor::Update(int ms)
{
    // The menu's cursor sizes the bar to the option's box (24 high); the bar stays 22.
    height = kHtpCursorHeight;
    arrow_->position->Set(-width * 0.5f - kHtpArrowGap, 0.0f);
    RectangleGDO::Update(ms);
}

}  // namespace zelka
