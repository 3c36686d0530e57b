// Sanitizer defaults, compiled into every test program (a definition in the
// support library would not be linked: nothing refers to it by name).
//
// Qt is not built with ThreadSanitizer: its futex-based locks are invisible,
// so the copies and frees it makes through intercepted calls (posting events,
// its painting thread pool) would be reported as races. The same holds for
// the C++ runtime's exception objects, whose counts it keeps out of sight
// when an exception passes from the user-interface thread to a worker.
// Calls from such uninstrumented libraries are ignored; every access our own
// code makes is still checked.

#if defined(__SANITIZE_THREAD__)
extern "C" const char* __tsan_default_options()
{
    return "ignore_noninstrumented_modules=1";
}
#endif
