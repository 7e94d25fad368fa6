#include "tests/support/test_files.h"

std::filesystem::path BuildTreePath(const std::string& host_path) {
  return host_path;
}
