#pragma once

// The emitter's event identifiers (kEventParticleUpdated, kEventParticleDied) live with the
// engine's other events.
#include "engine/EngineConstants.h"
