#ifndef TESTS_CLIENT_PROFILE_ENVIRONMENT_H_
#define TESTS_CLIENT_PROFILE_ENVIRONMENT_H_

#include <filesystem>
#include <memory>
#include <vector>

#include "tests/support/test_files.h"

// Points the platform's per-user data variable at |base| (or clears it, and
// every fallback, when |base| is empty) for the object's lifetime.
class ScopedProfileBase {
 public:
  explicit ScopedProfileBase(const std::filesystem::path& base);

 private:
  std::vector<std::unique_ptr<ScopedEnvironment>> variables_;
};

#endif  // TESTS_CLIENT_PROFILE_ENVIRONMENT_H_
