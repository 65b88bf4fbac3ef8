#include "engine/stage/Stage.h"

#include "engine/EngineConstants.h"
#include "engine/core/MathUtil.h"
#include "engine/display/DrawingState.h"
#include "engine/stage/Game.h"
#include "engine/audio/AudioManager.h"

namespace zelka {

Stage::Stage(int loadSteps)
    : worldRoot_(EmptyGDOContainer::New()), loadStepCount_(loadSteps)
{
    float w = Game::screenSize.x;
    float h = Game::screenSize.y;
    if (w <= 0.0f || h <= 0.0f) {
        w = static_cast<float>(same::DeviceWidth());
        h = static_cast<float>(same::DeviceHeight());
    }
    rootWindow_ = Window::New(w, h);
    rootWindow_->position->Set(w * 0.5f, h * 0.5f);
    layers_.push_back(rootWindow_);
    worldRoot_->name = U"_STAGE";
}

Ref<Stage> Stage::New(int loadSteps)
{
    return std::make_shared<Stage>(loadSteps);
}

void Stage::Deallocate()
{
    if (const Ref<EmptyGDOContainer> root = worldRoot_) {
        root->Deallocate();
    }
    for (size_t i = 0; i < layers_.size(); ++i) {
        const Ref<GDOBase> layer = layers_[i];
        if (auto* resource = dynamic_cast<Resource*>(layer.get())) {
            resource->Deallocate();
        }
    }
    for (size_t i = 0; i < cogs_.size(); ++i) {
        const Ref<Cog> cog = cogs_[i];
        if (cog) {
            cog->Deallocate();
        }
    }
    std::vector<Ref<Cog>> old = std::move(cogs_);
    cogs_.clear();
    old.clear();
    AudioManager::UnloadDiscardableSFX();
}

bool Stage::BeforeUpdate(int /*ms*/)
{
    return true;
}

void Stage::Update(int ms)
{
    if (const Ref<EmptyGDOContainer> root = worldRoot_; root && root->IsEnabled()) {
        root->Update(ms);
    }
    const size_t layerCount = layers_.size();
    for (size_t i = 0; i < layerCount && i < layers_.size(); ++i) {
        const Ref<GDOBase> layer = layers_[i];
        if (layer && layer->IsEnabled()) {
            layer->Update(ms);
        }
    }
    const size_t cogCount = cogs_.size();
    for (size_t i = 0; i < cogCount && i < cogs_.size(); ++i) {
        const Ref<Cog> cog = cogs_[i];  // a one-shot timer unhooks itself in its update
        if (cog && cog->IsEnabled()) {
            cog->Update(ms);
        }
    }
}

void Stage::LoadStep(int /*step*/)
{
}

int Stage::GetLoadingProgress()
{
    if (loadStepCount_ > 0 && loadStep_ < loadStepCount_) {
        LoadStep(loadStep_);
        ++loadStep_;
        return math::TruncToInt(static_cast<float>(loadStep_) * 100.0f /
                                static_cast<float>(loadStepCount_));
    }
    return kFullProgress;
}

void Stage::DrawThroughWindow(Window& window)
{
    window.PreDraw();
    if (const Ref<EmptyGDOContainer> root = worldRoot_) {
        root->Render();
    }
    for (size_t i = 0; i < cogs_.size(); ++i) {
        const Ref<Cog> cog = cogs_[i];
        auto* drawable = dynamic_cast<Drawable*>(cog.get());
        if (drawable != nullptr && drawable->IsVisible()) {
            drawable->Draw();
        }
    }
    window.PostDraw();
}

void Stage::RenderWorld()
{
    const size_t count = layers_.size();
    for (size_t i = 0; i < count && i < layers_.size(); ++i) {
        const Ref<GDOBase> layer = layers_[i];
        if (!layer || !layer->IsVisible()) {
            continue;
        }
        if (auto* window = dynamic_cast<Window*>(layer.get())) {
            DrawThroughWindow(*window);
        } else if (auto* gdo = dynamic_cast<GDO*>(layer.get())) {
            gdo->Render();
        } else {
            layer->Draw();
        }
    }
}

bool Stage::AddLayer(Ref<GDOBase> gdo, int index)
{
    if (index < 0) {
        layers_.push_back(std::move(gdo));
        return true;
    }
    if (index >= LayerCount()) {
        return false;
    }
    layers_.insert(layers_.begin() + index, std::move(gdo));
    return true;
}

Ref<GDOBase> Stage::GetLayer(int index) const
{
    return index >= 0 && index < LayerCount() ? layers_[index] : nullptr;
}

void Stage::RemoveCog(const Cog* cog)
{
    for (auto it = cogs_.begin(); it != cogs_.end(); ++it) {
        if (it->get() == cog) {
            const Ref<Cog> keep = *it;  // the caller may be this cog, mid-update
            cogs_.erase(it);
            return;
        }
    }
}

Ref<Cog> Stage::GetCogByName(std::u32string_view cogName) const
{
    for (const Ref<Cog>& cog : cogs_) {
        if (cog && cog->GetName() == cogName) {
            return cog;
        }
    }
    return nullptr;
}

Ref<Cog> Stage::GetCog(int index) const
{
    return index >= 0 && index < CogCount() ? cogs_[index] : nullptr;
}

}  // namespace zelka
