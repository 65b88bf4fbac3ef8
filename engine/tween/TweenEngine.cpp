#include "engine/tween/TweenEngine.h"

#include "engine/EngineConstants.h"
#include "engine/core/EventManager.h"
#include "engine/core/RefusedProperty.h"

namespace zelka {

void TweenEntry::AddBinding(Ref<ObjectWithFloatProperties> target, const String& property,
                            float factor, float offset)
{
    bindings.push_back(std::make_shared<TweenBinding>(std::move(target), property, factor, offset));
}

void TweenEntry::RemoveBinding(const ObjectWithFloatProperties* target,
                               std::u32string_view property)
{
    for (auto it = bindings.begin(); it != bindings.end(); ++it) {
        if ((*it)->target.get() == target && (*it)->property == property) {
            bindings.erase(it);
            return;
        }
    }
}

Ref<TweenEngine> TweenEngine::New(const String& name)
{
    return std::make_shared<TweenEngine>(name);
}

void TweenEngine::AddTween(Ref<Tween> tween, const String& name)
{
    if (entries_.contains(name)) {
        return;
    }
    entries_.emplace(name, std::make_shared<TweenEntry>(std::move(tween), name));
    ++version_;
}

Ref<TweenEntry> TweenEngine::GetEntry(const String& name) const
{
    const auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : it->second;
}

Ref<Tween> TweenEngine::GetTween(const String& name) const
{
    const Ref<TweenEntry> entry = GetEntry(name);
    return entry ? entry->tween : nullptr;
}

void TweenEngine::AddTweenBinding(const String& tweenName, Ref<ObjectWithFloatProperties> target,
                                  const String& property, float factor, float offset)
{
    if (const Ref<TweenEntry> entry = GetEntry(tweenName)) {
        entry->AddBinding(std::move(target), property, factor, offset);
    }
}

void TweenEngine::RemoveTweenBinding(const String& tweenName,
                                     const ObjectWithFloatProperties* target,
                                     std::u32string_view property)
{
    if (const Ref<TweenEntry> entry = GetEntry(tweenName)) {
        entry->RemoveBinding(target, property);
    }
}

void TweenEngine::Process(TweenEntry& entry, int ms)
{
    const Ref<Tween> tween = entry.tween;
    if (!tween || !tween->IsPlaying()) {
        return;
    }
    tween->Update(ms);
    const float v = tween->GetValue();
    // By index with a local Ref: a property setter may add or remove bindings.
    for (size_t i = 0; i < entry.bindings.size(); ++i) {
        const Ref<TweenBinding> binding = entry.bindings[i];
        const Ref<ObjectWithFloatProperties> target = binding->target;
        if (target &&
            !target->TrySetFloatProperty(binding->property, v * binding->factor + binding->offset) &&
            !binding->refused) {
            binding->refused = true;
            ReportRefusedProperty(binding->property);
        }
    }
    if (!tween->IsPlaying()) {
        EventManager::SendEvent(this, kEventTweenEngineStopped, &entry);
    }
}

void TweenEngine::Update(int ms)
{
    // The walk has moved on to the next entry before the current one is processed, so an
    // event handler may add tweens. When the map changed meanwhile, the saved next entry is
    // found again by its name (iterators into a cleared map would dangle).
    auto it = entries_.begin();
    while (it != entries_.end()) {
        const Ref<TweenEntry> entry = it->second;
        auto next = std::next(it);
        const Ref<TweenEntry> nextEntry = next == entries_.end() ? nullptr : next->second;
        const unsigned version = version_;
        Process(*entry, ms);
        if (version_ != version) {
            next = nextEntry ? entries_.lower_bound(nextEntry->name) : entries_.end();
        }
        it = next;
    }
}

void TweenEngine::Deallocate()
{
    std::map<String, Ref<TweenEntry>> old = std::move(entries_);
    entries_.clear();
    ++version_;
    for (auto& [name, entry] : old) {
        entry->Deallocate();
    }
}

}  // namespace zelka
