// Sanitizer defaults for this test program.
//
// Qt is not built with ThreadSanitizer: its futex-based locks are invisible,
// so the copies and frees it makes through intercepted calls (posting events,
// its painting thread pool) would be reported as races. Calls from such
// uninstrumented libraries are ignored; every access our own code makes is
// still checked.

#if defined(__SANITIZE_THREAD__)
extern "C" const char* __tsan_default_options()
{
    return "ignore_noninstrumented_modules=1";
}
#endif
