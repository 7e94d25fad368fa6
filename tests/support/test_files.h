#ifndef TESTS_SUPPORT_TEST_FILES_H_
#define TESTS_SUPPORT_TEST_FILES_H_

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with its
// content when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Whole-file helpers in binary mode, so bytes are exactly what they say.
std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path,
                    const std::string& bytes);

// Every entry under |root|, links not followed, one a line: its path
// relative to |root|, and the bytes of a file or the target of a link. Empty
// when |root| is not there.
std::string TreeSnapshot(const std::filesystem::path& root);

// The names of |folder|'s entries, sorted, read with the platform's own
// listing: on Windows the C runtime's, which std::filesystem uses, cannot
// list a folder whose path is longer than MAX_PATH.
std::vector<std::string> EntryNames(const std::filesystem::path& folder);

// Polls |done| until it holds or |timeout| has passed.
bool WaitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout);

// The path at which a program of this platform sees the build tree's
// |host_path| (the identity on Linux, Wine's Z: drive on Windows).
std::filesystem::path BuildTreePath(const std::string& host_path);

// How a file opened in text mode ends its lines on this platform.
extern const char kTextModeLineEnd[];

// Makes |path| the working directory for the object's lifetime.
class ScopedWorkingDirectory {
 public:
  explicit ScopedWorkingDirectory(const std::filesystem::path& path)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~ScopedWorkingDirectory() { std::filesystem::current_path(previous_); }
  ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
  ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

// Sets (or, with no value, removes) an environment variable for the
// object's lifetime.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const std::string& name, const char* value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  bool had_value_ = false;
  std::string previous_;
};

// Lets everyone write, delete and change |path|: a DACL granting Everyone
// full control on Windows (which Wine keeps as mode bits), mode 0777 on
// Linux. False when it cannot.
bool OpenToEveryone(const std::filesystem::path& path);

#endif  // TESTS_SUPPORT_TEST_FILES_H_
