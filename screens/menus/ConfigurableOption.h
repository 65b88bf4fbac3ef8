#pragma once

#include "engine/display/EmptyGDOContainer.h"
#include "engine/text/Label.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

namespace zelka {

// A 240 x 24 menu row with a name on the left and a value (tinted gold) on the right,
// both in the secondary font shrunk to fit.
class ConfigurableOption : public EmptyGDOContainer {
public:
    static Ref<ConfigurableOption> New(const String& name, const String& value);

    float GetWidth() const override;
    float GetHeight() const override;

    [[nodiscard]] const Ref<Label>& GetNameLabel() const { return nameLabel_; }
    [[nodiscard]] const Ref<Label>& GetValueLabel() const { return valueLabel_; }

private:
    Ref<Label> nameLabel_;
    Ref<Label> valueLabel_;
};

}  // namespace zelka
