#include "tests/support/test_files.h"

#include <algorithm>

std::filesystem::path BuildTreePath(const std::string& host_path) {
  // Wine maps the host's root folder to drive Z:.
  std::string path = "Z:" + host_path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}
