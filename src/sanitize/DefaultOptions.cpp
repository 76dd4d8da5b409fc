// Linked into every program of the sanitizer build, so that the tests, the
// black-box runs and the soak behave alike without anyone setting
// environment variables: UBSan stops at its first finding with a stack, and
// leaks inside the system libraries we only call are not ours to fix.
extern "C" {

const char* __ubsan_default_options() {
  return "halt_on_error=1:print_stacktrace=1";
}

const char* __asan_default_options() {
  return "detect_leaks=1:strict_string_checks=1";
}

// The table of suppressions used would be one more block on stderr of every
// program that touched them; tests read that stream.
const char* __lsan_default_options() {
  return "print_suppressions=0";
}

// Leaks that stay inside third-party code: font configuration caches and the
// drivers SDL loads at run time keep allocations for the process's lifetime.
const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\n"
         "leak:libdbus\n"
         "leak:libX11\n"
         "leak:libpulse\n"
         "leak:libasound\n";
}

// Libraries SDL opens at run time (the X and GL drivers) stay loaded until
// the process ends. Closed, their caches would lose the last pointer to them
// and be reported as leaks of an unnamed module, which no suppression can
// tell apart from ours.
int dlclose(void*) {
  return 0;
}
}
