#ifndef CLIENT_MAIN_PROFILE_LOCK_H_
#define CLIENT_MAIN_PROFILE_LOCK_H_

#include <cstdint>
#include <filesystem>

// Keeps a profile folder to one browser process at a time: two engines on one
// folder would write one cookie database, and the update reset of one would
// delete the folder under the other. The lock is a file beside the folder,
// locked through the OS, which releases it when the process ends however it
// ends. The file holds its owner's process ID, so that a second start can
// bring the running client forward. Only the browser process takes it.
class ProfileLock {
 public:
  enum class Result { kAcquired, kHeldElsewhere, kFailed };

  ProfileLock() = default;
  ~ProfileLock();
  ProfileLock(const ProfileLock&) = delete;
  ProfileLock& operator=(const ProfileLock&) = delete;

  // "<folder>.lock".
  static std::filesystem::path PathFor(
      const std::filesystem::path& profile_folder) {
    std::filesystem::path path = profile_folder;
    path += ".lock";
    return path;
  }

  // Takes the lock of |profile_folder| for as long as this object lives.
  // error() is the platform's code of what failed last.
  Result Acquire(const std::filesystem::path& profile_folder);
  int error() const { return error_; }

  // After kHeldElsewhere: brings the windows of the process that holds the
  // lock to the front.
  void ShowHolder() const;

 private:
  // The open lock file: a descriptor on Linux, a handle on Windows.
  std::intptr_t file_ = -1;
  unsigned long holder_ = 0;
  int error_ = 0;
};

#endif  // CLIENT_MAIN_PROFILE_LOCK_H_
