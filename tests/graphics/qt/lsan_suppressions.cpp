// Font configuration keeps a few patterns for the life of the process; the leak checker of the
// sanitizer build is told so, and every other leak still fails the tests.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
