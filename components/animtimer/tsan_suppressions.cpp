// Qt is not built with ThreadSanitizer, so the locks inside its event queue are invisible
// to it and the queue's own memory moves look unsynchronised. Accesses the sanitizer
// sees made from within Qt are left out; the timer's own code is still checked.
#if defined(__SANITIZE_THREAD__)
extern "C" const char* __tsan_default_suppressions() {
  return "called_from_lib:libQt6Core.so.6\n";
}
#endif
