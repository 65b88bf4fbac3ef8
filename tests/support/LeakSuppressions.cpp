// Leaks inside system libraries we do not own, compiled into every test so LeakSanitizer
// reads them however the test is started (ctest, by hand, under a debugger).

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libGLX\n"
           "leak:libGL.so\n"
           "leak:libgallium\n"
           "leak:swrast_dri\n"
           "leak:libX11\n"
           "leak:libxcb\n"
           "leak:libopenal\n"
           "leak:libSDL2\n"
           "leak:libdbus\n"
           "leak:libfontconfig\n";
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
