// The mutex behind IMPLEMENT_LOCKING.

#ifndef CEF_INCLUDE_BASE_CEF_LOCK_H_
#define CEF_INCLUDE_BASE_CEF_LOCK_H_

#include <mutex>

#include "include/base/cef_macros.h"

namespace base {

// A non-recursive lock.
class Lock {
 public:
  Lock() {}

  void Acquire() { mutex_.lock(); }
  void Release() { mutex_.unlock(); }
  bool Try() { return mutex_.try_lock(); }

 private:
  std::mutex mutex_;

  DISALLOW_COPY_AND_ASSIGN(Lock);
};

// Holds a Lock for the lifetime of the scope.
class AutoLock {
 public:
  explicit AutoLock(Lock& lock) : lock_(lock) { lock_.Acquire(); }
  ~AutoLock() { lock_.Release(); }

 private:
  Lock& lock_;

  DISALLOW_COPY_AND_ASSIGN(AutoLock);
};

}  // namespace base

#endif  // CEF_INCLUDE_BASE_CEF_LOCK_H_
