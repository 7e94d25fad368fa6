#ifndef CLIENT_MAIN_SANDBOX_H_
#define CLIENT_MAIN_SANDBOX_H_

#include <string>

// Whether Chromium's sandbox must stay off in this run. When it must and the
// player should hear why, |why| says it; otherwise |why| is left empty.
bool SandboxMustStayOff(std::string* why);

#endif  // CLIENT_MAIN_SANDBOX_H_
