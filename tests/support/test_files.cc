#include "tests/support/test_files.h"

#include <atomic>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <thread>

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device random;
  std::ostringstream name;
  name << "ztv-test-" << random() << "-" << counter++;
  path_ = std::filesystem::temp_directory_path() / name.str();
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void WriteFileBytes(const std::filesystem::path& path,
                    const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TreeSnapshot(const std::filesystem::path& root) {
  namespace fs = std::filesystem;
  std::error_code error;
  std::set<std::string> lines;
  for (fs::recursive_directory_iterator it(root, error), end;
       !error && it != end; it.increment(error)) {
    std::string line = it->path().lexically_relative(root).u8string();
    if (it->is_symlink(error))
      line += " -> " + fs::read_symlink(it->path(), error).u8string();
    else if (it->is_regular_file(error))
      line += ": " + ReadFileBytes(it->path());
    lines.insert(line);
  }
  std::string snapshot;
  for (const std::string& line : lines)
    snapshot += line + "\n";
  return snapshot;
}

bool WaitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline)
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}
