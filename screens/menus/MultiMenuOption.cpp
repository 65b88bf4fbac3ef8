#include "screens/menus/MultiMenuOption.h"

#include "engine/display/GDO.h"

#include <utility>

namespace zelka {

Ref<MultiMenuOption> MultiMenuOption::New()
{
    return std::make_shared<MultiMenuOption>();
}

void MultiMenuOption::AddEntry(Ref<MenuOption> entry)
{
    if (entry) {
        entries_.push_back(std::move(entry));
    }
}

void MultiMenuOption::SetIndex(int index)
{
    // Wraps by one step either way, and never divides: with no entries it stays 0.
    if (index < 0) {
        index = GetEntryCount() - 1;
    } else if (index >= GetEntryCount()) {
        index = 0;
    }
    index_ = index < 0 ? 0 : index;
}

void MultiMenuOption::Reset()
{
    SetIndex(0);
}

void MultiMenuOption::PrevOption()
{
    SetIndex(index_ - 1);
}

void MultiMenuOption::NextOption()
{
    SetIndex(index_ + 1);
}

const MenuOption* MultiMenuOption::Current() const
{
    if (index_ < 0 || index_ >= GetEntryCount()) {
        return nullptr;
    }
    return entries_[index_].get();
}

String MultiMenuOption::GetName() const
{
    const MenuOption* entry = Current();
    return entry != nullptr ? entry->GetName() : String();
}

Ref<GDO> MultiMenuOption::GetLock() const
{
    const MenuOption* entry = Current();
    return entry != nullptr ? entry->GetLock() : nullptr;
}

int MultiMenuOption::GetCode() const
{
    const MenuOption* entry = Current();
    return entry != nullptr ? entry->GetCode() : -1;
}

const OptionInterface* MultiMenuOption::GetOption2() const
{
    return Current();
}

}  // namespace zelka
