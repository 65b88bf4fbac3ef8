// An empty source, so a subsystem library with no sources of its own still builds.
