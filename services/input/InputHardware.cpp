#include "services/input/InputHardware.h"

namespace zelka {

Ref<InputEntry> InputEntry::New(const String& name, int code, std::optional<RGB> color)
{
    auto entry = std::make_shared<InputEntry>();
    entry->name_ = name;
    entry->code_ = code;
    entry->color_ = color;
    return entry;
}

InputHardware::InputHardware(const String& name, const String& deviceType)
    : name_(name), deviceType_(deviceType)
{
}

Ref<InputHardware> InputHardware::New(const String& name, const String& deviceType)
{
    return Ref<InputHardware>(new InputHardware(name, deviceType));
}

void InputHardware::RegisterInput(const String& name, int code, std::optional<RGB> color)
{
    entries_.push_back(InputEntry::New(name, code, color));
    byName_[name] = entries_.size() - 1;
}

Ref<InputEntry> InputHardware::SearchInputByName(const String& name) const
{
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : entries_[it->second];
}

bool InputHardware::WasInputHit(int) const
{
    return false;
}

bool InputHardware::IsInputDown(int) const
{
    return false;
}

bool InputHardware::WasInputHit2(const String& name) const
{
    Ref<InputEntry> entry = SearchInputByName(name);
    return entry && WasInputHit(entry->GetCode());
}

bool InputHardware::IsInputDown2(const String& name) const
{
    Ref<InputEntry> entry = SearchInputByName(name);
    return entry && IsInputDown(entry->GetCode());
}

String InputHardware::GetAnyInput() const
{
    for (const Ref<InputEntry>& entry : entries_) {
        if (WasInputHit(entry->GetCode())) return entry->GetName();
    }
    return {};
}

}  // namespace zelka
