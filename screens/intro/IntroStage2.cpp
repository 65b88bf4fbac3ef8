#include "screens/intro/IntroStage2.h"

#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "engine/stage/Game.h"
#include "engine/text/Font.h"
#include "engine/text/Label.h"
#include "services/data/GameData.h"
#include "screens/app/AppConstants.h"
#include "screens/intro/IntroConstants.h"

namespace zelka {

IntroStage2::IntroStage2() : Stage(kIntro2LoadSteps)
{
    // The screens place their nodes around the screen's centre.
    worldRoot_->position->Set(kVirtualWidth * 0.5f, kVirtualHeight * 0.5f);
}

Ref<IntroStage2> IntroStage2::New()
{
    return std::make_shared<IntroStage2>();
}

void IntroStage2::LoadStep(int step)
{
    if (step != 0) {
        return;
    }
    const Ref<StaticImage> picture = StaticImage::New(Texture::GetTexture(U"controller.png"));
    worldRoot_->AddChild2(picture, 0.0f, kIntro2PictureY);
    if (!GameData::secFont) {
        return;
    }
    const Ref<Label> message = Label::New(GameData::secFont, 1.0f);
    message->SetStyle(kLabelWrap);
    message->SetSize(kIntro2MessageWidth, kIntro2MessageHeight);
    message->tint.Set(kIntro2MessageGrey, kIntro2MessageGrey, kIntro2MessageGrey);
    message->SetText(U"REMEMBER TO PLUG IN YOUR " + Font::FT_Color(255, 200, 100) + U"CONTROLLER\n" +
                     Font::FT_Color(150, 220, 255) + U"BEFORE" + Font::FT_Color(144, 144, 144) +
                     U" RUNNING THE GAME! *");
    worldRoot_->AddChild2(message, 0.0f, kIntro2MessageY);

    const Ref<Label> footnote = Label::New(GameData::secFont, kIntro2FootnoteScale);
    footnote->SetStyle(kLabelSingleLine);
    footnote->tint.Set(kIntro2FootnoteGrey, kIntro2FootnoteGrey, kIntro2FootnoteGrey);
    footnote->SetText(U"* IF YOU ARE GOING TO USE ONE, THAT IS.");
    worldRoot_->AddChild2(footnote, 0.0f, kIntro2FootnoteY);
}

void IntroStage2::Update(int ms)
{
    Stage::Update(ms);
    if (leaving_) {
        return;
    }
    elapsed_ += ms;
    if (!GameData::GetAnyKeyFromAnyHardware().empty() || elapsed_ > kIntro2ShowMs) {
        leaving_ = true;
        if (Game* game = Game::GetCurrentGame()) {
            game->GoToStage(kStageTitle);
        }
    }
}

}  // namespace zelka
