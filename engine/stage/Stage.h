#pragma once

#include "engine/core/Cog.h"
#include "engine/display/EmptyGDOContainer.h"
#include "engine/stage/Window.h"

#include <vector>

namespace zelka {

// One screen: ordered layers (layer 0 is the root window camera), one world root display
// node named "_STAGE" drawn through every window layer, ordered cogs updated after the
// display trees, and a number of load steps run one per update behind the loading screen.
class Stage : public Object, public Resource {
public:
    // The root window covers the virtual screen (the device when its size is not set).
    explicit Stage(int loadSteps);
    static Ref<Stage> New(int loadSteps);

    // World root, then the layers that are Resources (they stay listed), then every cog
    // (the list is emptied), then the stage's discardable sound effects.
    void Deallocate() override;
    // False keeps Update from running this update.
    virtual bool BeforeUpdate(int ms);
    // World root (if enabled), enabled layers, then present and enabled cogs. Each count
    // is read once, so an element removed mid-pass makes the one shifted into its slot
    // wait for the next pass.
    virtual void Update(int ms);
    virtual void LoadStep(int step);
    // Runs the next load step and returns trunc(done * 100 / count); 100 when done.
    virtual int GetLoadingProgress();

    // Each visible layer: a Window draws the world root and the drawable cogs through its
    // camera; another GDO renders its subtree; another GDOBase draws itself.
    void RenderWorld();

    // index < 0 appends; index >= the layer count refuses; otherwise inserts there.
    bool AddLayer(Ref<GDOBase> gdo, int index = -1);
    int LayerCount() const { return static_cast<int>(layers_.size()); }
    Ref<GDOBase> GetLayer(int index) const;

    void AddCog(Ref<Cog> cog) { cogs_.push_back(std::move(cog)); }
    // The first entry that is this very cog; later ones move up.
    void RemoveCog(const Cog* cog);
    // First cog with exactly this name, else null.
    Ref<Cog> GetCogByName(std::u32string_view cogName) const;
    int CogCount() const { return static_cast<int>(cogs_.size()); }
    Ref<Cog> GetCog(int index) const;

    const Ref<Window>& GetRootWindow() const { return rootWindow_; }
    const Ref<EmptyGDOContainer>& GetRootGDO() const { return worldRoot_; }

protected:
    std::vector<Ref<GDOBase>> layers_;
    Ref<EmptyGDOContainer> worldRoot_;
    std::vector<Ref<Cog>> cogs_;
    int loadStepCount_;
    int loadStep_ = 0;
    Ref<Window> rootWindow_;

private:
    void DrawThroughWindow(Window& window);
};

}  // namespace zelka
