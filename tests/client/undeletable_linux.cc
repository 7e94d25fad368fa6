#include "tests/client/undeletable.h"

std::filesystem::path UndeletableFolder() {
  // Not even root may remove what the kernel shows there.
  return "/proc/self/fdinfo";
}

void ReleaseUndeletableFolder() {}
