// Reports of the sanitizers that come from outside our code. LeakSanitizer first:
//
// fontconfig keeps the fonts it has looked up for the life of the process; tests that draw
// the panel's texts meet them (the gui tests give them back at exit, see DrawingCaches.cpp).
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

// ThreadSanitizer, likewise: cairo, which is not built for it, hands its contexts and states
// from thread to thread through lock-free pools of freed blocks; the sanitizer does not see
// those atomics and reports the reuse as races (panels drawing on two threads at once).
extern "C" __attribute__((visibility("default"))) const char* __tsan_default_suppressions()
{
    return "race:libcairo.so.2\n";
}
