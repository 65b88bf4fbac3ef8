#include "engine/core/EventManager.h"

#include <vector>

namespace zelka {

namespace {

struct ListenerEntry {
    Ref<Object> source;  // null: any source
    int id;              // kEventAnyId: any identifier
    Ref<EventListener> listener;
    bool autoManaged;
};

struct EventState {
    std::vector<ListenerEntry> listeners;
};

EventState& State()
{
    // Never destroyed: an exit() from a library runs static destructors in any order.
    static EventState& state = *new EventState;
    return state;
}

}  // namespace

void EventManager::RegisterListener(Ref<EventListener> listener, Ref<Object> source, int id,
                                    bool persistent)
{
    State().listeners.push_back({std::move(source), id, std::move(listener), !persistent});
}

void EventManager::SendEvent(Object* source, int id, Object* data)
{
    if (mute) {
        return;
    }
    std::vector<ListenerEntry>& list = State().listeners;
    // By index with the size read again after every call: handlers may append entries and
    // the vector may reallocate, so no reference into it survives a call.
    for (size_t i = 0; i < list.size(); ++i) {
        const ListenerEntry& entry = list[i];
        if ((entry.source == nullptr || entry.source.get() == source) &&
            (entry.id == kEventAnyId || entry.id == id)) {
            const Ref<EventListener> listener = entry.listener;
            if (listener) {
                listener->HandleEvent(source, id, data);
            }
        }
    }
}

void EventManager::RemoveAutoManagedListeners()
{
    // Moved out first so that objects freed here cannot re-enter a half-erased list.
    std::vector<ListenerEntry> old = std::move(State().listeners);
    std::vector<ListenerEntry>& list = State().listeners;
    list.clear();
    for (ListenerEntry& entry : old) {
        if (!entry.autoManaged) {
            list.push_back(std::move(entry));
        }
    }
    old.clear();
}

size_t EventManager::ListenerCount()
{
    return State().listeners.size();
}

void EventManager::RemoveAllListeners()
{
    std::vector<ListenerEntry> old = std::move(State().listeners);
    State().listeners.clear();
    old.clear();
}

}  // namespace zelka
