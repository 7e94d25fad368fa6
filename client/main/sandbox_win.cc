#include "client/main/sandbox.h"

// The system's Flash plug-in runs in the renderer, which Chromium's Windows
// sandbox would keep from loading it.
bool SandboxMustStayOff(std::string* why) {
  why->clear();
  return true;
}
