#include "services/mapping/InputMapping.h"

#include "platform/core/Fatal.h"
#include "services/input/InputConstants.h"
#include "services/input/InputHardware.h"
#include "services/xml/XMLNode.h"

#include <algorithm>
#include <utility>

namespace zelka {

InputMapping::InputMapping() : GenericInputMapCollection(kActionKeyCount, U"") {}

Ref<InputMapping> InputMapping::New(Ref<InputHardware> device)
{
    Ref<InputMapping> mapping(new InputMapping());
    mapping->SetHardware(std::move(device));
    return mapping;
}

void InputMapping::SetHardware(Ref<InputHardware> device)
{
    device_ = std::move(device);
    keys_.assign(kActionKeyCount, String());
    ClearDirMappings();
}

String InputMapping::GetHardwareName() const
{
    return device_ ? device_->GetName() : String();
}

String InputMapping::GetDeviceType() const
{
    return device_ ? device_->GetDeviceType() : String();
}

bool InputMapping::AddNewDirMapping(const String& name, const String& up, const String& left,
                                    const String& down, const String& right, int flags)
{
    if (name.empty()) return false;
    schemes_.push_back(DirSchemeMapping::New(name, up, down, left, right, flags));
    return true;
}

void InputMapping::ClearDirMappings()
{
    schemes_.clear();
    current_ = 0;
}

String InputMapping::GetDirMappingName(int index) const
{
    Ref<DirSchemeMapping> scheme = GetDirScheme(index);
    return scheme ? scheme->GetName() : String();
}

Ref<DirSchemeMapping> InputMapping::GetDirScheme(int index) const
{
    if (index < 0 || index >= GetDirMappingCount()) return nullptr;
    return schemes_[index];
}

int InputMapping::FindDirMappingByName(const String& name) const
{
    if (name.empty()) return -1;
    for (int i = 0; i < GetDirMappingCount(); ++i) {
        if (schemes_[i]->GetName() == name) return i;
    }
    return -1;
}

bool InputMapping::SetDirMapping(int index)
{
    if (!device_ || index < 0 || index >= GetDirMappingCount()) return false;
    current_ = index;
    device_->SetHardwareFlags(schemes_[index]->GetFlags());
    return true;
}

bool InputMapping::SetDirMappingByName(const String& name)
{
    return SetDirMapping(FindDirMappingByName(name));
}

String InputMapping::GetKey(int action) const
{
    if (!device_) return {};
    if (action >= kActionAccept && action < kActionKeyCount) {
        return GenericInputMapCollection::GetKey(action);
    }
    if (action >= kActionUp && action <= kActionRight) {
        Ref<DirSchemeMapping> scheme = GetDirScheme(current_);
        return scheme ? scheme->GetKey(action - kActionUp) : String();
    }
    return {};
}

int InputMapping::KeyInCurrentMapping(const String& name) const
{
    if (!device_ || name.empty()) return -1;
    if (Ref<DirSchemeMapping> scheme = GetDirScheme(current_)) {
        int slot = scheme->KeyInCurrentMapping(name);
        if (slot >= 0) return slot + kActionUp;
    }
    return GenericInputMapCollection::KeyInCurrentMapping(name);
}

void InputMapping::SetKey(int slot, const String& name)
{
    if (!device_ || !device_->SearchInputByName(name)) return;
    if (slot < 0 || slot >= kActionKeyCount) return;
    int found = KeyInCurrentMapping(name);
    if (found >= kActionKeyCount) return;  // a direction of the current scheme
    if (found >= 0 && found != slot) keys_[found] = keys_[slot];
    keys_[slot] = name;
}

Ref<XMLNode> InputMapping::ToXMLConfig() const
{
    Ref<XMLNode> input = XMLNode::New(U"input");
    input->attributes[U"device"] = GetDeviceType();
    Ref<XMLNode> buttons = XMLNode::New(U"buttons");
    buttons->children.push_back(KeysToXML());
    input->children.push_back(buttons);
    input->children.push_back(XMLNode::New(U"movementScheme", GetDirMappingName(current_)));
    return input;
}

void InputMapping::FromXMLConfig(const Ref<XMLNode>& node)
{
    if (!node || node->name != U"input") return;
    Ref<XMLNode> map = node->GetChild2(U"buttons")->GetChild2(U"map");
    if (!map->name.empty()) ReadKeys(*map);
    SetDirMappingByName(node->GetChild2(U"movementScheme")->value);
}

bool InputMapping::CheckMappingClash(const GenericInputMapCollection&) const
{
    RuntimeError("Can't compare a full device configuration to a GenericInputMapCollection");
}

bool InputMapping::HasCompleteActionKeys() const
{
    if (!device_) return false;
    return std::all_of(keys_.begin(), keys_.end(), [this](const String& key) {
        return !key.empty() && device_->SearchInputByName(key) != nullptr;
    });
}

bool InputMapping::InputHit(int action) const
{
    return device_ && device_->WasInputHit2(GetKey(action));
}

bool InputMapping::InputDown(int action) const
{
    return device_ && device_->IsInputDown2(GetKey(action));
}

int InputMapping::GetAnyValid() const
{
    for (int action = 0; action < kActionCount; ++action) {
        if (InputHit(action)) return action;
    }
    return -1;
}

String InputMapping::GetAnyKey() const
{
    return device_ ? device_->GetAnyInput() : String();
}

bool InputMapping::CheckIfEqualHardware(const InputMapping* other) const
{
    return other && device_ && other->device_ && device_->GetName() == other->device_->GetName();
}

std::vector<String> InputMapping::ConflictKeys() const
{
    std::vector<String> keys;
    for (int action = 0; action < kActionCount; ++action) keys.push_back(GetKey(action));
    return keys;
}

bool InputMapping::CheckMappingConflict(const InputMapping* other, int schemeIndex) const
{
    if (!CheckIfEqualHardware(other)) return false;
    Ref<DirSchemeMapping> candidate = other->GetDirScheme(schemeIndex < 0 ? other->current_
                                                                          : schemeIndex);
    for (const String& key : ConflictKeys()) {
        if (other->KeyInCurrentMapping(key) >= 0) return true;
        if (candidate && candidate->KeyInCurrentMapping(key) >= 0) return true;
    }
    return false;
}

bool InputMapping::CheckSelfConflictAgainstDirScheme(int index) const
{
    Ref<DirSchemeMapping> scheme = GetDirScheme(index);
    if (!scheme) return false;
    for (const String& key : keys_) {
        if (scheme->KeyInCurrentMapping(key) >= 0) return true;
    }
    return false;
}

}  // namespace zelka
