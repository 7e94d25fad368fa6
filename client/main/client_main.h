#ifndef CLIENT_MAIN_CLIENT_MAIN_H_
#define CLIENT_MAIN_CLIENT_MAIN_H_

#include "include/cef_base.h"

// Everything the client does in one process, whatever role CEF gives it:
// a sub-process ends with CefExecuteProcess's result; the browser process
// runs the game window until it closes, then acts on the version gate.
// Returns the process's exit code.
int RunClient(const CefMainArgs& main_args);

#endif  // CLIENT_MAIN_CLIENT_MAIN_H_
