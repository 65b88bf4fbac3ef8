#pragma once

#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <vector>

namespace zelka {

class XMLNode;

// A fixed number of slots, each holding an input name ("" when unbound).
class GenericInputMapCollection {
public:
    static Ref<GenericInputMapCollection> New(int slotCount, const String& name);
    virtual ~GenericInputMapCollection() = default;

    const String& GetName() const { return name_; }
    int GetSlotCount() const { return static_cast<int>(keys_.size()); }

    virtual String GetKey(int slot) const;                  // "" out of range
    // The first slot holding `name`, -1 if none. An empty name is never found: unbound
    // slots do not clash with each other.
    virtual int KeyInCurrentMapping(const String& name) const;
    virtual void SetKey(int slot, const String& name);      // ignored out of range
    // A "map" element with one "key" child per slot, in slot order.
    virtual Ref<XMLNode> ToXMLConfig() const;
    // Reads the key children of a "map" element into the slots (missing ones become "",
    // extra ones are ignored). Other nodes change nothing.
    virtual void FromXMLConfig(const Ref<XMLNode>& node);
    // True if other's KeyInCurrentMapping finds any of these keys.
    virtual bool CheckMappingClash(const GenericInputMapCollection& other) const;

protected:
    GenericInputMapCollection(int slotCount, const String& name);

    void ReadKeys(const XMLNode& map);
    Ref<XMLNode> KeysToXML() const;

    std::vector<String> keys_;

private:
    String name_;
};

// A movement scheme: slots kSlotUp, kSlotDown, kSlotLeft, kSlotRight and the movement
// flags that joysticks read (kMoveFlagsStick, ...StickAndHat, ...HatOnly).
class DirSchemeMapping final : public GenericInputMapCollection {
public:
    static Ref<DirSchemeMapping> New(const String& name, const String& up, const String& down,
                                     const String& left, const String& right, int flags);

    int GetFlags() const { return flags_; }

private:
    DirSchemeMapping(const String& name, int flags);

    int flags_ = 0;
};

}  // namespace zelka
