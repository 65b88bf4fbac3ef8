#include "services/mapping/GenericInputMapCollection.h"

#include "services/input/InputConstants.h"
#include "services/xml/XMLNode.h"

namespace zelka {

GenericInputMapCollection::GenericInputMapCollection(int slotCount, const String& name)
    : keys_(slotCount > 0 ? slotCount : 0), name_(name)
{
}

Ref<GenericInputMapCollection> GenericInputMapCollection::New(int slotCount, const String& name)
{
    return Ref<GenericInputMapCollection>(new GenericInputMapCollection(slotCount, name));
}

String GenericInputMapCollection::GetKey(int slot) const
{
    if (slot < 0 || slot >= GetSlotCount()) return {};
    return keys_[slot];
}

int GenericInputMapCollection::KeyInCurrentMapping(const String& name) const
{
    if (name.empty()) return -1;
    for (int slot = 0; slot < GetSlotCount(); ++slot) {
        if (keys_[slot] == name) return slot;
    }
    return -1;
}

void GenericInputMapCollection::SetKey(int slot, const String& name)
{
    if (slot < 0 || slot >= GetSlotCount()) return;
    keys_[slot] = name;
}

Ref<XMLNode> GenericInputMapCollection::KeysToXML() const
{
    Ref<XMLNode> map = XMLNode::New(U"map");
    for (const String& key : keys_) map->children.push_back(XMLNode::New(U"key", key));
    return map;
}

void GenericInputMapCollection::ReadKeys(const XMLNode& map)
{
    std::vector<Ref<XMLNode>> stored = map.GetChildren(U"key");
    for (size_t slot = 0; slot < keys_.size(); ++slot) {
        keys_[slot] = slot < stored.size() ? stored[slot]->value : String();
    }
}

Ref<XMLNode> GenericInputMapCollection::ToXMLConfig() const
{
    return KeysToXML();
}

void GenericInputMapCollection::FromXMLConfig(const Ref<XMLNode>& node)
{
    if (node && node->name == U"map") ReadKeys(*node);
}

bool GenericInputMapCollection::CheckMappingClash(const GenericInputMapCollection& other) const
{
    for (const String& key : keys_) {
        if (other.KeyInCurrentMapping(key) >= 0) return true;
    }
    return false;
}

DirSchemeMapping::DirSchemeMapping(const String& name, int flags)
    : GenericInputMapCollection(kSchemeSlotCount, name), flags_(flags)
{
}

Ref<DirSchemeMapping> DirSchemeMapping::New(const String& name, const String& up,
                                            const String& down, const String& left,
                                            const String& right, int flags)
{
    Ref<DirSchemeMapping> scheme(new DirSchemeMapping(name, flags));
    scheme->keys_[kSlotUp] = up;
    scheme->keys_[kSlotDown] = down;
    scheme->keys_[kSlotLeft] = left;
    scheme->keys_[kSlotRight] = right;
    return scheme;
}

}  // namespace zelka
