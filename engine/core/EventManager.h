#pragma once

#include "engine/EngineConstants.h"
#include "engine/core/Object.h"
#include "platform/core/Ref.h"

#include <cstddef>

namespace zelka {

// Receives events it registered for. Source and data may be null; data is only valid
// during the call (a listener that keeps it must copy it).
class EventListener {
public:
    virtual ~EventListener() = default;
    virtual void HandleEvent(Object* source, int id, Object* data) = 0;
};

// The process-wide message bus. Delivery is synchronous, in registration order,
// re-entrant and depth first: a handler may send further events or register listeners,
// and an entry appended during a delivery is reached by that same delivery.
// An entry keeps its listener and its source alive, so a freed source can never be
// confused with a new object at the same address.
class EventManager {
public:
    EventManager() = delete;

    // Appends {listener, source filter (null = any), id filter (kEventAnyId = any)}.
    // No duplicate check: registering twice delivers twice. A non-persistent entry is
    // dropped at every stage switch.
    static void RegisterListener(Ref<EventListener> listener, Ref<Object> source, int id,
                                 bool persistent = false);
    // Calls every matching listener now. Nothing happens while `mute` is set: the event
    // is lost, not queued.
    static void SendEvent(Object* source, int id, Object* data = nullptr);
    // Drops the non-persistent entries; the rest keep their order.
    static void RemoveAutoManagedListeners();

    // Number of entries, and dropping all of them (tests reset the bus with it).
    static size_t ListenerCount();
    static void RemoveAllListeners();

    // Set by the game during stage transitions.
    static inline bool mute = false;
};

}  // namespace zelka
