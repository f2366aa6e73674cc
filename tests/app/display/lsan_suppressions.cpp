// Font configuration and the desktop bus that the X platform of the toolkit talks to keep a few blocks
// for the life of the process; the leak checker of the sanitizer build is told so, and every other leak
// still fails the test.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}
