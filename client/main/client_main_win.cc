#include <windows.h>

#include "client/main/client_main.h"

int APIENTRY wWinMain(HINSTANCE instance,
                      HINSTANCE /*previous_instance*/,
                      LPWSTR /*command_line*/,
                      int /*show_command*/) {
  // CEF reads the process command line itself.
  CefMainArgs main_args(instance);
  return RunClient(main_args);
}
