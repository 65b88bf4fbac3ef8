#include "match/topbar/SETimersBar.h"

#include "match/topbar/StatusEffectSource.h"
#include "match/topbar/StatusEffectTimer.h"
#include "match/topbar/TopBarConstants.h"

namespace zelka {

Ref<SETimersBar> SETimersBar::New(const StatusEffectSource* character, int side)
{
    auto bar = std::make_shared<SETimersBar>();
    bar->character_ = character;
    bar->side_ = side;
    bar->debuff_ = StatusEffectTimer::New(U"icon-debuff.png");
    bar->buff_ = StatusEffectTimer::New(U"icon-buff.png");
    const float outer = -kEffectTimerOffset * static_cast<float>(side);
    bar->AddChild2(bar->debuff_, outer, 0.0f);
    bar->AddChild2(bar->buff_, outer, 0.0f);
    return bar;
}

void SETimersBar::Update(int ms)
{
    EmptyGDOContainer::Update(ms);
    if (character_) {
        buff_->SetTimer(character_->GetCurrentBuff() != 0 ? character_->GetCurrentBuffTimer() : -1);
        debuff_->SetTimer(character_->GetCurrentDeBuff() != 0 ? character_->GetCurrentDeBuffTimer()
                                                              : -1);
    }
    const float outer = -kEffectTimerOffset * static_cast<float>(side_);
    if (buff_->visible) {
        buff_->position->x = outer;
        debuff_->position->x = -outer;
    } else {
        debuff_->position->x = outer;
    }
}

}  // namespace zelka
