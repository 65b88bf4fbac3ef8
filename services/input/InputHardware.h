#pragma once

#include "engine/core/RGB.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <map>
#include <optional>
#include <vector>

namespace zelka {

inline constexpr char32_t kDeviceTypeKeyboard[] = U"keyboard";
inline constexpr char32_t kDeviceTypeJoystick[] = U"joystick";

// One named input of a device. The code's meaning depends on the device kind; a colour
// marks an input drawn in that colour in device icons.
class InputEntry {
public:
    static Ref<InputEntry> New(const String& name, int code, std::optional<RGB> color = {});

    const String& GetName() const { return name_; }
    int GetCode() const { return code_; }
    const std::optional<RGB>& GetColor() const { return color_; }

private:
    String name_;
    int code_ = 0;
    std::optional<RGB> color_;
};

// A source of player input with named inputs. Bindings, the settings file and the
// controls menus address inputs by name only; codes stay below this class.
class InputHardware {
public:
    static Ref<InputHardware> New(const String& name, const String& deviceType);
    virtual ~InputHardware() = default;

    const String& GetName() const { return name_; }
    const String& GetDeviceType() const { return deviceType_; }  // "keyboard" or "joystick"

    // Movement flags of the scheme last selected on this device: 0 stick, 1 stick and
    // hat, 2 hat only. Only joysticks read them.
    void SetHardwareFlags(int flags) { hardwareFlags_ = flags; }
    int GetHardwareFlags() const { return hardwareFlags_; }

    // Appends an entry; a name registered again points at the newer entry while both stay
    // in the list.
    void RegisterInput(const String& name, int code, std::optional<RGB> color = {});
    Ref<InputEntry> SearchInputByName(const String& name) const;  // null if unknown
    const std::vector<Ref<InputEntry>>& GetEntries() const { return entries_; }

    // Polls the device once per update. The base does nothing.
    virtual void DeviceUpdate() {}
    // Hit in this update / held now, by device code. The base answers false.
    virtual bool WasInputHit(int code) const;
    virtual bool IsInputDown(int code) const;

    // By input name; a name that is not registered gives false.
    bool WasInputHit2(const String& name) const;
    bool IsInputDown2(const String& name) const;
    // The first entry in registration order hit in this update, "" if none.
    String GetAnyInput() const;

protected:
    InputHardware(const String& name, const String& deviceType);

private:
    String name_;
    String deviceType_;
    std::vector<Ref<InputEntry>> entries_;
    std::map<String, size_t> byName_;
    int hardwareFlags_ = 0;
};

}  // namespace zelka
