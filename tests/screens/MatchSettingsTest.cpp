#include "screens/charsel/MatchSettings.h"

#include "CharSelFixture.h"
#include "screens/charsel/ParameterLabel.h"
#include "services/settings/StageSettings.h"

namespace zelka {
namespace {

constexpr int kQuickMatch = 3;
constexpr int kLastPreset = 6;
constexpr int kTimeField = 0;

class MatchSettingsTest : public CharSelFixture {
protected:
    String PresetText() const
    {
        return dynamic_cast<const Label&>(*settings->GetChildByName(U"PRESET_LABEL")).GetText();
    }
    String ValueText(int field) const
    {
        return settings->GetParameterLabel(field)->GetValueLabel()->GetText();
    }

    void SetUp() override
    {
        CharSelFixture::SetUp();
        settings = MatchSettings::New();
    }

    Ref<MatchSettings> settings;
};

TEST_F(MatchSettingsTest, FieldsWrapThroughThePresetRow)
{
    EXPECT_EQ(settings->GetSelectedField(), -1);
    EXPECT_EQ(settings->GetFieldCount(), 8);
    EXPECT_FALSE(settings->GetChildByName(U"FIELD_CURSOR_LEFT")->visible);

    settings->SelectField(-2);  // up from the preset row
    EXPECT_EQ(settings->GetSelectedField(), 7);
    EXPECT_TRUE(settings->GetChildByName(U"FIELD_CURSOR_LEFT")->visible);
    EXPECT_FALSE(settings->GetChildByName(U"PRESET_CURSOR_LEFT")->enabled);
    settings->SelectField(8);   // down from the last parameter
    EXPECT_EQ(settings->GetSelectedField(), -1);
    EXPECT_TRUE(settings->GetChildByName(U"PRESET_CURSOR_LEFT")->enabled);

    // The field arrows sit on the row of the selected parameter, around its value.
    settings->SelectField(5);
    const ParameterLabel& label = *settings->GetParameterLabel(5);
    EXPECT_FLOAT_EQ(settings->GetChildByName(U"FIELD_CURSOR_LEFT")->position->y, label.position->y);
    EXPECT_LT(settings->GetChildByName(U"FIELD_CURSOR_LEFT")->position->x,
              settings->GetChildByName(U"FIELD_CURSOR_RIGHT")->position->x);
}

TEST_F(MatchSettingsTest, AnEditMakesTheMixCustomAndThePresetRowStartsOverFromThere)
{
    EXPECT_EQ(PresetText(), U"normal match");
    settings->SelectField(kTimeField);
    settings->NextValue();
    EXPECT_EQ(PresetText(), U"CUSTOM");
    EXPECT_EQ(settings->GetSelectedPreset(), -1);
    EXPECT_EQ(GameData::gameSettings->GetCurrentPreset(), -1);

    settings->SelectField(-1);
    settings->NextValue();  // from CUSTOM: the first preset
    EXPECT_EQ(settings->GetSelectedPreset(), 0);
    EXPECT_EQ(GameData::gameSettings->GetCurrentPreset(), 0);

    settings->SelectField(kTimeField);
    settings->PrevValue();
    settings->SelectField(-1);
    settings->PrevValue();  // from CUSTOM: the last preset
    EXPECT_EQ(settings->GetSelectedPreset(), kLastPreset);
    EXPECT_EQ(PresetText(), GameData::gameSettings->GetPresetName(kLastPreset));
    settings->NextValue();  // and on round to the first
    EXPECT_EQ(settings->GetSelectedPreset(), 0);
    settings->PrevValue();  // back from the first
    EXPECT_EQ(settings->GetSelectedPreset(), kLastPreset);
}

TEST_F(MatchSettingsTest, AValueWrapWritesTheMatchSettings)
{
    settings->SelectPreset(kQuickMatch);
    EXPECT_EQ(GameData::gameSettings->GetTime(), 60000);
    settings->Update(16);
    EXPECT_EQ(ValueText(kTimeField), U"1:00");

    settings->SelectField(kTimeField);
    settings->PrevValue();  // before the first option: the last
    EXPECT_EQ(ValueText(kTimeField), U"3:30");
    EXPECT_EQ(GameData::gameSettings->GetTime(), 210000);
    settings->NextValue();
    EXPECT_EQ(GameData::gameSettings->GetTime(), 60000);
}

TEST_F(MatchSettingsTest, LabelsFollowAPresetAppliedElsewhereInUpperCase)
{
    EXPECT_EQ(settings->GetParameterLabel(2)->GetText(), U"MAZE WIDTH");
    EXPECT_EQ(ValueText(2), U"NORMAL");
    GameData::gameSettings->SelectPreset(kQuickMatch);
    EXPECT_EQ(ValueText(2), U"NORMAL");  // not before its next update
    settings->Update(16);
    EXPECT_EQ(ValueText(2), U"SMALL");
    EXPECT_EQ(ValueText(kTimeField), U"1:00");
}

TEST(UpperCase, MapsLatinLettersWhateverTheLocale)
{
    EXPECT_EQ(UpperCase(U"mov. speed"), U"MOV. SPEED");
    EXPECT_EQ(UpperCase(U"items won't help!"), U"ITEMS WON'T HELP!");
    EXPECT_EQ(UpperCase(U"caf\u00e9 \u00f7 \u00ff\u00df"), U"CAF\u00c9 \u00f7 \u0178\u00df");
}

}  // namespace
}  // namespace zelka
