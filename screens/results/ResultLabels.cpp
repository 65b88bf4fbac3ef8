// The results screen's label builders.
#include "screens/results/ResultStage.h"

#include "engine/text/IncrementalIntLabel.h"
#include "engine/text/Label.h"
#include "engine/text/TextConstants.h"
#include "screens/results/ResultsConstants.h"
#include "services/data/GameData.h"

namespace zelka {

namespace {

const RGB kLoserTint{135, 52, 45};

}  // namespace

Ref<Label> ResultStage::TitleLabel(const String& text, const RGB* colour)
{
    const Ref<Label> label = Label::New(GameData::secFont, kTitleScale);
    label->SetStyle(kLabelSingleLine);
    label->horizontalAlignment = kAlignCentre;
    label->SetFontScale(kTitleScale, kTitleScale);
    label->SetText(text);
    if (colour != nullptr) {
        label->tint.Set(colour->r, colour->g, colour->b);
    }
    return label;
}

Ref<Label> ResultStage::StaticLabel(const String& text, float width, float height,
                                    const Ref<Font>& font, int alignment, float scale)
{
    const Ref<Label> label = Label::New(font, scale);
    label->SetStyle(kLabelSingleLine);
    label->SetSize(width, height);
    label->horizontalAlignment = alignment;
    label->SetText(text);
    return label;
}

Ref<IncrementalIntLabel> ResultStage::ScoreLabel(int target, float width, float height,
                                                 const Ref<Font>& font, int alignment,
                                                 float scale)
{
    const Ref<IncrementalIntLabel> label = IncrementalIntLabel::New(font, scale);
    label->SetStyle(kLabelSingleLine);
    label->SetSize(width, height);
    label->horizontalAlignment = alignment;
    label->SetText(U"0");
    label->SetValue(target);
    return label;
}

void ResultStage::DisableChildLabels(GDO& node, const Ref<Font>& font)
{
    for (int i = 0; i < node.ChildCount(); ++i) {
        if (auto* label = dynamic_cast<Label*>(node.GetChild(i).get())) {
            label->ChangeFont(font);
            label->tint = kLoserTint;
        }
    }
}

}  // namespace zelka
