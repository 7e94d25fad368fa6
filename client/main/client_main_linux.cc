#include "client/main/client_main.h"

#include <unistd.h>

#include <cstdio>

// LeakSanitizer's check, present only in the sanitizer build, by its own
// name.
extern "C" __attribute__((weak)) void
__lsan_do_leak_check();  // NOLINT(bugprone-reserved-identifier)

int main(int argc, char** argv) {
  CefMainArgs main_args(argc, argv);
  const int exit_code = RunClient(main_args);
  // By now the engine has shut down, its files and the player's are written
  // and flushed, and the version gate has acted. What exit() would still do
  // is tear down the libraries' static state, which costs the player a
  // tenth of the close for nothing kept.
  std::fflush(nullptr);
  if (__lsan_do_leak_check)
    __lsan_do_leak_check();
  _exit(exit_code);
}
