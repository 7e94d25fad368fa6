#include "tests/client/profile_environment.h"

ScopedProfileBase::ScopedProfileBase(const std::filesystem::path& base) {
  const std::string value = base.u8string();
  variables_.emplace_back(
      new ScopedEnvironment("APPDATA", base.empty() ? nullptr : value.c_str()));
}
