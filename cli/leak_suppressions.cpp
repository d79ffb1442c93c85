// What LeakSanitizer is not to report in the sanitized build of zoltasm.
//
// glibc's newlocale() copies LOCPATH into a path list it never frees; the
// tests point LOCPATH at the Chinese locales they compile, so every run that
// asks for the user's character set or a system reason would be reported.
// The list of suppressions used is not printed either: the tests compare
// what zoltasm writes on standard error byte for byte.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:__argz_add_sep\nleak:__argz_create_sep\n";
}

extern "C" const char* __lsan_default_options() {
  return "print_suppressions=0";
}
