#include "services/settings/StageSettings.h"

#include <algorithm>
#include <array>

namespace zelka {

namespace {

constexpr int kGemRespawnBaseMs = 20625;  // respawn time at option value 1; fast (2) halves it

struct OptionRow {
    const char32_t* param;
    const char32_t* option;
    int value;
};

// Parameters in display order; each parameter's options in selection order.
constexpr std::array kOptionTable{
    OptionRow{U"time", U"1:00", 60000},
    OptionRow{U"time", U"1:30", 90000},
    OptionRow{U"time", U"2:30", 150000},
    OptionRow{U"time", U"3:00", 180000},
    OptionRow{U"time", U"3:30", 210000},
    OptionRow{U"item spawn", U"5 gems", 5},
    OptionRow{U"item spawn", U"10 gems", 10},
    OptionRow{U"item spawn", U"20 gems", 20},
    OptionRow{U"maze width", U"small", 10},
    OptionRow{U"maze width", U"normal", 16},
    OptionRow{U"maze width", U"large", 24},
    OptionRow{U"maze height", U"small", 9},
    OptionRow{U"maze height", U"normal", 15},
    OptionRow{U"maze height", U"large", 25},
    OptionRow{U"corner treasure", U"1 gem", 1},
    OptionRow{U"corner treasure", U"10 gems", 10},
    OptionRow{U"corner treasure", U"20 gems", 20},
    OptionRow{U"corner treasure", U"50 gems", 50},
    OptionRow{U"corner treasure", U"100 gems", 100},
    OptionRow{U"gems in items", U"0 gems", 0},
    OptionRow{U"gems in items", U"1 gem", 1},
    OptionRow{U"gems in items", U"5 gems", 5},
    OptionRow{U"gems in items", U"10 gems", 10},
    OptionRow{U"gems in items", U"20 gems", 20},
    OptionRow{U"gem respawn", U"normal", 1},
    OptionRow{U"gem respawn", U"fast", 2},
    OptionRow{U"mov. speed", U"normal", 0},
    OptionRow{U"mov. speed", U"turbo", 1},
};

// A preset's options in the order they are applied; null leaves the parameter as it was.
struct PresetRow {
    const char32_t* name;
    const char32_t* width;
    const char32_t* height;
    const char32_t* corner;
    const char32_t* inItems;
    const char32_t* spawn;
    const char32_t* respawn;
    const char32_t* time;
    const char32_t* speed;
};

constexpr std::array kPresetTable{
    PresetRow{U"normal match", U"normal", U"normal", U"20 gems", U"5 gems", U"10 gems", U"normal",
              U"2:30", U"normal"},
    PresetRow{U"items won't help!", U"normal", U"normal", U"20 gems", U"0 gems", U"10 gems",
              U"normal", U"2:30", U"normal"},
    PresetRow{U"gotta go fast!", U"normal", U"normal", U"20 gems", U"5 gems", U"10 gems", U"normal",
              U"2:30", U"turbo"},
    PresetRow{U"quick match", U"small", U"small", U"20 gems", U"5 gems", U"10 gems", U"fast",
              U"1:00", U"normal"},
    PresetRow{U"item craze", U"normal", U"normal", U"20 gems", U"5 gems", U"5 gems", U"fast",
              U"2:30", U"normal"},
    // Treasure hunt keeps whatever item spawn the players had chosen.
    PresetRow{U"treasure hunt", U"large", U"large", U"100 gems", U"5 gems", nullptr, U"normal",
              U"3:30", U"normal"},
    PresetRow{U"no loot", U"normal", U"normal", U"1 gem", U"5 gems", U"10 gems", U"normal",
              U"2:30", U"normal"},
};

}  // namespace

Ref<IntOption> IntOption::New(const String& name, int value)
{
    auto option = std::make_shared<IntOption>();
    option->name_ = name;
    option->value_ = value;
    return option;
}

Ref<StageParameter> StageParameter::New(const String& name)
{
    auto param = std::make_shared<StageParameter>();
    param->name_ = name;
    return param;
}

void StageParameter::AddOption(const String& name, int value)
{
    options_.push_back(IntOption::New(name, value));
}

int StageParameter::FindOption(const String& name) const
{
    for (size_t i = 0; i < options_.size(); ++i) {
        if (options_[i]->GetName() == name) return static_cast<int>(i);
    }
    return -1;
}

bool StageParameter::SelectOption(const String& name)
{
    return SelectOption2(FindOption(name));
}

bool StageParameter::SelectOption2(int index)
{
    if (index < 0 || index >= GetTotalOptions()) return false;
    selected_ = index;
    return true;
}

int StageParameter::GetOptionValue(int index) const
{
    if (index < 0 || index >= GetTotalOptions()) return 0;
    return options_[index]->GetValue();
}

String StageParameter::GetOptionName(int index) const
{
    if (index < 0 || index >= GetTotalOptions()) return {};
    return options_[index]->GetName();
}

Ref<StageSettings> StageSettings::New()
{
    auto settings = std::make_shared<StageSettings>();
    for (const OptionRow& row : kOptionTable) settings->AddOption2(row.param, row.option, row.value);
    for (const PresetRow& row : kPresetTable) settings->AddPreset(row.name);
    settings->SelectPreset(0);
    return settings;
}

void StageSettings::AddOption2(const String& param, const String& option, int value)
{
    Ref<StageParameter> target = FindParameterByName(param);
    if (!target) {
        target = StageParameter::New(param);
        params_.push_back(target);
    }
    target->AddOption(option, value);
}

bool StageSettings::AddPreset(const String& name)
{
    if (FindPresetByName(name) >= 0) return false;
    presets_.push_back(name);
    return true;
}

Ref<StageParameter> StageSettings::FindParameterByName(const String& name) const
{
    for (const Ref<StageParameter>& param : params_) {
        if (param->GetParamName() == name) return param;
    }
    return nullptr;
}

int StageSettings::FindPresetByName(const String& name) const
{
    auto it = std::find(presets_.begin(), presets_.end(), name);
    return it == presets_.end() ? -1 : static_cast<int>(it - presets_.begin());
}

String StageSettings::GetPresetName(int index) const
{
    if (index < 0 || index >= GetTotalPresets()) return {};
    return presets_[index];
}

Ref<StageParameter> StageSettings::GetParameter(int index) const
{
    if (index < 0 || index >= GetTotalParameters()) return nullptr;
    return params_[index];
}

bool StageSettings::SetOption(const String& param, const String& option)
{
    Ref<StageParameter> target = FindParameterByName(param);
    if (!target || !target->SelectOption(option)) return false;
    SetDerived(param, target->GetSelectedOptionValue());

    Ref<StageParameter> respawn = FindParameterByName(U"gem respawn");
    int divisor = respawn ? respawn->GetSelectedOptionValue() : 0;
    if (divisor > 0) gemRespawnTime_ = kGemRespawnBaseMs / divisor;
    return true;
}

void StageSettings::SetDerived(const String& param, int value)
{
    if (param == U"time") time_ = value;
    else if (param == U"item spawn") itemSpawn_ = value;
    else if (param == U"maze width") mazeWidth_ = value;
    else if (param == U"maze height") mazeHeight_ = value;
    else if (param == U"corner treasure") cornerTreasure_ = value;
    else if (param == U"gems in items") gemsInItems_ = value;
    else if (param == U"mov. speed") turbo_ = value > 0;
}

void StageSettings::SelectPreset(int index)
{
    if (index < 0 || index >= GetTotalPresets()) {
        currentPreset_ = -1;
        return;
    }
    ApplyPreset(presets_[index]);
    currentPreset_ = index;
}

void StageSettings::ApplyPreset(const String& name)
{
    for (const PresetRow& row : kPresetTable) {
        if (name != row.name) continue;
        const std::array<std::pair<const char32_t*, const char32_t*>, 8> steps{{
            {U"maze width", row.width},
            {U"maze height", row.height},
            {U"corner treasure", row.corner},
            {U"gems in items", row.inItems},
            {U"item spawn", row.spawn},
            {U"gem respawn", row.respawn},
            {U"time", row.time},
            {U"mov. speed", row.speed},
        }};
        for (const auto& [param, option] : steps) {
            if (option) SetOption(param, option);
        }
        return;
    }
}

void StageSettings::Reset()
{
    if (GetTotalPresets() > 0) SelectPreset(0);
    else currentPreset_ = -1;
}

}  // namespace zelka
