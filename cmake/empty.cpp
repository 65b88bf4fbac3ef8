// Placeholder source so an empty subsystem library still builds.
