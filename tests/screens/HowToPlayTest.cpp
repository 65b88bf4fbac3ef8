#include "screens/title/HowToPlay.h"

#include "engine/media/Sprite.h"
#include "engine/text/Font.h"
#include "screens/title/HTPCursor.h"
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
    static std::vector<String> Texts(const GDO& page)
    {
        std::vector<String> texts;
        CollectTexts(page, texts);
        return texts;
    }
    static bool Has(const std::vector<String>& texts, const String& text)
    {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
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

TEST_F(HowToPlayTest, CursorBarStaysTwentyTwoHighWithTheArrowAtItsLeft)
{
    const Ref<HowToPlay> page = HowToPlay::New();
    for (int i = 0; i < 10; ++i) page->Update(16);
    auto* bar = dynamic_cast<HTPCursor*>(page->GetCursor()->GetFrame().get());
    ASSERT_NE(bar, nullptr);
    const float width = page->GetOption(0)->GetWidth();
    EXPECT_FLOAT_EQ(bar->width, width);
    EXPECT_FLOAT_EQ(bar->height, 22.0f);   // the option's box is 24 high
    EXPECT_FLOAT_EQ(bar->GetArrow()->position->x, -width / 2 - 14);
    EXPECT_EQ(page->GetCursor()->position->y, page->GetOption(0)->position->y);
}

}  // namespace
}  // namespace zelka
