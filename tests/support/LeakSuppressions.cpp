// Leaks that LeakSanitizer reports from outside our code.
//
// fontconfig keeps the fonts it has looked up for the life of the process; tests that draw
// the panel's texts meet them (the gui tests give them back at exit, see DrawingCaches.cpp).
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
