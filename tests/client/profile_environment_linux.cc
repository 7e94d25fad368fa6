#include "tests/client/profile_environment.h"

ScopedProfileBase::ScopedProfileBase(const std::filesystem::path& base) {
  variables_.emplace_back(new ScopedEnvironment(
      "XDG_DATA_HOME", base.empty() ? nullptr : base.c_str()));
  variables_.emplace_back(new ScopedEnvironment("HOME", nullptr));
}
