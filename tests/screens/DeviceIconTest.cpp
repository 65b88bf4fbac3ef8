#include "screens/app/DeviceIcon.h"

#include "engine/display/DrawingState.h"
#include "engine/media/Sprite.h"
#include "engine/media/Texture.h"
#include "engine/text/Font.h"
#include "engine/text/Label.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "tests/engine/NothingRefused.h"
#include "services/data/GameData.h"
#include "services/input/InputHardware.h"

#include <gtest/gtest.h>

namespace zelka {

class DeviceIconTest : public ::testing::Test, public NothingRefused {
protected:
    void SetUp() override
    {
        graphics::ResetContext();
        same::ResetDrawingState();
        graphics::SetGraphicsDevice(&device);
        Texture::encryptionEnabled = true;
        GameData::stdFont = Font::New(U"press_start_k.fnt");
    }
    void TearDown() override
    {
        ExpectNothingRefused();
        GameData::stdFont.reset();
        Texture::encryptionEnabled = false;
        graphics::ResetContext();
        same::ResetDrawingState();
    }
    RecordingGraphicsDevice device{640, 360};
};

TEST_F(DeviceIconTest, DevicePictureAndGreyNameOrTheTextAloneOrNothingWithoutFonts)
{
    const String grey = Font::FT_Color(190, 190, 190);
    for (const auto& [name, type, tile] : {std::tuple{U"KEYBOARD", U"keyboard", 0},
                                           std::tuple{U"JOYSTICK 1", U"joystick", 1}}) {
        const Ref<InputHardware> hardware = InputHardware::New(name, type);
        const Ref<GDO> icon = NewDeviceIcon(hardware.get());
        ASSERT_EQ(icon->ChildCount(), 2);  // a failed cast below throws and fails the test
        EXPECT_EQ(dynamic_cast<Sprite&>(*icon->GetChild(0)).GetCurrentFrame(), tile);
        EXPECT_EQ(dynamic_cast<Label&>(*icon->GetChild(1)).GetText(), grey + name);
    }

    const Ref<GDO> none = NewPlayerDeviceIcon(nullptr);
    ASSERT_EQ(none->ChildCount(), 1);
    const auto& label = dynamic_cast<Label&>(*none->GetChild(0));
    EXPECT_EQ(label.GetText(), grey + U"NO DEVICE");
    EXPECT_FLOAT_EQ(label.position->x, 0.0f);   // centred

    GameData::stdFont.reset();
    const Ref<GDO> bare = NewDeviceIcon(nullptr);
    EXPECT_EQ(bare->ChildCount(), 0);
    EXPECT_FLOAT_EQ(bare->GetWidth(), 200.0f);   // still takes its place in the toast
}

}  // namespace zelka
