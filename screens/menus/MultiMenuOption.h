#pragma once

#include "screens/menus/MenuOption.h"

#include <vector>

namespace zelka {

// An entry that cycles through several entries; it answers as its current one. Without
// entries it has no name (""), no lock, code -1 and no current entry.
class MultiMenuOption : public OptionInterface {
public:
    static Ref<MultiMenuOption> New();

    void AddEntry(Ref<MenuOption> entry);
    [[nodiscard]] int GetEntryCount() const { return static_cast<int>(entries_.size()); }
    [[nodiscard]] int GetIndex() const { return index_; }

    // Index to 0; -1 (below 0 the last); +1 (at the count the first).
    virtual void Reset();
    virtual void PrevOption();
    virtual void NextOption();

    // Implements OptionInterface.
    String GetName() const override;
    Ref<GDO> GetLock() const override;
    int GetCode() const override;
    const OptionInterface* GetOption2() const override;

protected:
    void SetIndex(int index);

private:
    const MenuOption* Current() const;

    std::vector<Ref<MenuOption>> entries_;
    int index_ = 0;
};

}  // namespace zelka
