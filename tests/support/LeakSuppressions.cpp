// The sanitizer runtime's settings and the leaks inside system libraries we do not own,
// compiled into every test, the sanitizer build of the game and the fuzz harnesses, so
// they hold however the process is started.

// Each entry names the library's own file: an allocation of ours is never made below one
// of its frames (none of them calls back into the game). The graphics driver's own
// allocations need no entry: it stays loaded to the end (below for the tests; the game's
// window keeps it, GlfwWindow.cpp), so they stay held by it.
extern "C" const char* __lsan_default_suppressions()
{
    // D-Bus, started by the joystick library: its connection buffers, kept until exit.
    return "leak:libdbus-1.so\n";
}

// The runtime's interceptor of __tls_get_addr takes a dynamic TLS block that malloc placed
// at a certain offset in its page for the header of an old glibc, and the leak check at
// exit then reads a bogus range and crashes ("Tracer caught signal 11"). The GL driver
// and the libraries it loads use dynamic TLS in every thread that calls them. Off, the
// check still finds those blocks through glibc's own pointers to them.
extern "C" const char* __asan_default_options()
{
    return "intercept_tls_get_addr=0";
}

#if defined(__SANITIZE_ADDRESS__)
// The GL driver and the libraries it pulls in are unloaded when the last context goes;
// a leak inside one of them is then reported from "<unknown module>" and no suppression
// above can match it. Test processes keep every library mapped until exit instead.
extern "C" int dlclose(void* /*handle*/)
{
    return 0;
}
#endif
