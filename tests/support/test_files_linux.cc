#include "tests/support/test_files.h"

std::filesystem::path BuildTreePath(const std::string& host_path) {
  return host_path;
}

#include <algorithm>
#include <cstdlib>

std::vector<std::string> EntryNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

ScopedEnvironment::ScopedEnvironment(const std::string& name, const char* value)
    : name_(name) {
  if (const char* previous = std::getenv(name.c_str())) {
    had_value_ = true;
    previous_ = previous;
  }
  if (value)
    setenv(name.c_str(), value, 1);
  else
    unsetenv(name.c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
  if (had_value_)
    setenv(name_.c_str(), previous_.c_str(), 1);
  else
    unsetenv(name_.c_str());
}

const char kTextModeLineEnd[] = "\n";

bool OpenToEveryone(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::permissions(path, std::filesystem::perms::all, error);
  return !error;
}
