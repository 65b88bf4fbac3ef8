#pragma once

#include "services/mapping/GenericInputMapCollection.h"
#include "services/mapping/InputProvider.h"

#include <vector>

namespace zelka {

class InputHardware;

// How one player acts: a device, three action keys (kActionAccept..kActionStart) and the
// current one of the device's movement schemes (actions kActionUp..kActionRight), all held
// as input names. Callers ask for actions by number and never see codes.
class InputMapping final : public GenericInputMapCollection, public InputProvider {
public:
    static Ref<InputMapping> New(Ref<InputHardware> device);

    // Takes the device: empties the action keys and removes every scheme.
    void SetHardware(Ref<InputHardware> device);
    const Ref<InputHardware>& GetHardware() const { return device_; }
    String GetHardwareName() const;  // "" without a device
    String GetDeviceType() const;    // "" without a device

    // Note the argument order (up, left, down, right). An empty name adds nothing: false.
    bool AddNewDirMapping(const String& name, const String& up, const String& left,
                          const String& down, const String& right, int flags);
    void ClearDirMappings();
    int GetDirMappingCount() const { return static_cast<int>(schemes_.size()); }
    int GetDirMapping() const { return current_; }       // the current scheme's index
    String GetDirMappingName(int index) const;           // "" outside the list
    Ref<DirSchemeMapping> GetDirScheme(int index) const; // null outside the list
    int FindDirMappingByName(const String& name) const;  // -1 if absent or empty
    // Need a device and a scheme at that index / of that name: it becomes current and its
    // flags go to the device. False when nothing happened.
    bool SetDirMapping(int index);
    bool SetDirMappingByName(const String& name);

    // Implements GenericInputMapCollection.
    // Actions 0-2: the action key; 3-6: the current scheme's key. "" without a device.
    String GetKey(int action) const override;
    // Without a device -1; a key of the current scheme gives its slot + 3; else the first
    // action key equal to it; else -1 (also for "").
    int KeyInCurrentMapping(const String& name) const override;
    // Binds action key `slot` (0-2) to a named input of the device. A direction of the
    // current scheme is refused; a name bound to another action key swaps the two slots.
    void SetKey(int slot, const String& name) override;
    // <input device="type"><buttons><map><key>..</key> x3</map></buttons>
    // <movementScheme>name</movementScheme></input>
    Ref<XMLNode> ToXMLConfig() const override;
    // Reads an "input" element: the three action keys from the first buttons > map (a
    // missing one becomes ""; none at all keeps the keys) and the scheme by name (unknown
    // or empty keeps the current one). Other nodes change nothing.
    void FromXMLConfig(const Ref<XMLNode>& node) override;
    // A whole mapping has no collection-level clash test: fatal.
    bool CheckMappingClash(const GenericInputMapCollection& other) const override;

    // Three action keys set, each a known input of the device.
    bool HasCompleteActionKeys() const;

    // Implements InputProvider. A name the device does not have gives false.
    bool InputHit(int action) const override;
    bool InputDown(int action) const;
    int GetAnyValid() const;  // first action 0-6 hit in this update, -1 if none
    String GetAnyKey() const; // the device's first hit input, "" without a device

    // False unless both use devices of the same name. Then whether any of this mapping's
    // action and current-scheme keys is among other's action keys, other's current scheme
    // and other's scheme `schemeIndex` (its current one when negative).
    bool CheckMappingConflict(const InputMapping* other, int schemeIndex) const;
    bool CheckIfEqualHardware(const InputMapping* other) const;
    // Whether an action key is a key of scheme `index`.
    bool CheckSelfConflictAgainstDirScheme(int index) const;

private:
    InputMapping();

    std::vector<String> ConflictKeys() const;

    Ref<InputHardware> device_;
    std::vector<Ref<DirSchemeMapping>> schemes_;
    int current_ = 0;
};

}  // namespace zelka
