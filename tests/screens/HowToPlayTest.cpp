#include "screens/title/HowToPlay.h"

#include "engine/text/Font.h"
#include "services/mapping/InputMapping.h"
#include "tests/screens/ScreenTestSupport.h"

#include <algorithm>

namespace zelka {
namespace {

class HowToPlayTest : public testing_screens::ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    }
    static bool Has(const std::vector<String>& texts, const String& text)
    {
        return std::ranges::find(texts, text) != texts.end();
    }
    const String red = Font::FT_Color(255, 81, 81);
    const String grey = Font::FT_Color(200, 200, 200);
};

TEST_F(HowToPlayTest, PageNamesPlayerOnesKeysAsTheyAreWhenBuilt)
{
    const Ref<HowToPlay> before = HowToPlay::New();
    std::vector<String> texts = Texts(*before);
    EXPECT_TRUE(Has(texts, U"WITH " + red + U"SPACE" + grey + U" OR " + red + U"ENTER"));
    EXPECT_TRUE(Has(texts, U"WITH " + red + U"CTRL"));

    ASSERT_TRUE(GameData::SafeInputSet(1, 0, U"Q"));   // accept moves to Q
    EXPECT_TRUE(Has(Texts(*before), U"WITH " + red + U"SPACE"));   // a built page keeps its keys
    texts = Texts(*HowToPlay::New());
    EXPECT_TRUE(Has(texts, U"WITH " + red + U"Q" + grey + U" OR " + red + U"ENTER"));
    EXPECT_TRUE(Has(texts, U"WITH " + red + U"Q"));
    EXPECT_FALSE(Has(texts, U"WITH " + red + U"SPACE"));
}

}  // namespace
}  // namespace zelka
