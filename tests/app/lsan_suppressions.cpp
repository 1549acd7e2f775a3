// LeakSanitizer asks the program for its suppressions through this hook; without the
// sanitizers nothing calls it. Fontconfig keeps its configuration and caches until the
// process ends and Qt never asks it to let go (FcFini), so every test that draws text would
// report them. Nothing else is suppressed.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
