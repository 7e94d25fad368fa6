// The reference-counting base of every CEF object.

#ifndef CEF_INCLUDE_CEF_BASE_H_
#define CEF_INCLUDE_CEF_BASE_H_

#include <atomic>

#include "include/base/cef_build.h"
#include "include/base/cef_lock.h"
#include "include/base/cef_macros.h"
#include "include/internal/cef_ptr.h"
#include "include/internal/cef_types_wrappers.h"

#if defined(OS_WIN)
#include "include/internal/cef_win.h"
#elif defined(OS_LINUX)
#include "include/internal/cef_linux.h"
#endif

// An object shared through CefRefPtr, which deletes itself when its last
// reference is released. Implementations usually get the four methods from
// IMPLEMENT_REFCOUNTING.
class CefBaseRefCounted {
 public:
  virtual void AddRef() const = 0;
  // Returns true when this call released the last reference.
  virtual bool Release() const = 0;
  virtual bool HasOneRef() const = 0;
  virtual bool HasAtLeastOneRef() const = 0;

 protected:
  virtual ~CefBaseRefCounted() {}
};

// An object with a single owner, held through CefOwnPtr.
class CefBaseScoped {
 public:
  virtual ~CefBaseScoped() {}
};

// A thread-safe reference count that starts at 0.
class CefRefCount {
 public:
  CefRefCount() : ref_count_(0) {}

  void AddRef() const { ref_count_.fetch_add(1, std::memory_order_relaxed); }

  // Returns true when the count reaches 0. The acquire-release ordering makes
  // every earlier use of the object happen before its deletion.
  bool Release() const {
    return ref_count_.fetch_sub(1, std::memory_order_acq_rel) == 1;
  }

  bool HasOneRef() const {
    return ref_count_.load(std::memory_order_acquire) == 1;
  }

  bool HasAtLeastOneRef() const {
    return ref_count_.load(std::memory_order_acquire) > 0;
  }

 private:
  mutable std::atomic<int> ref_count_;

  DISALLOW_COPY_AND_ASSIGN(CefRefCount);
};

// Implements CefBaseRefCounted in ClassName, deleting the object when its
// last reference goes. Leaves the class at private access.
#define IMPLEMENT_REFCOUNTING(ClassName)          \
 public:                                          \
  void AddRef() const OVERRIDE {                  \
    ref_count_.AddRef();                          \
  }                                               \
  bool Release() const OVERRIDE {                 \
    if (ref_count_.Release()) {                   \
      delete static_cast<const ClassName*>(this); \
      return true;                                \
    }                                             \
    return false;                                 \
  }                                               \
  bool HasOneRef() const OVERRIDE {               \
    return ref_count_.HasOneRef();                \
  }                                               \
  bool HasAtLeastOneRef() const OVERRIDE {        \
    return ref_count_.HasAtLeastOneRef();         \
  }                                               \
                                                  \
 private:                                         \
  CefRefCount ref_count_;

// Gives ClassName a lock, with Lock() and Unlock() and a scoped
// ClassName::AutoLock. Leaves the class at private access.
#define IMPLEMENT_LOCKING(ClassName)                                    \
 public:                                                                \
  class AutoLock {                                                      \
   public:                                                              \
    explicit AutoLock(ClassName* base) : base_(base) { base_->Lock(); } \
    ~AutoLock() { base_->Unlock(); }                                    \
                                                                        \
   private:                                                             \
    ClassName* base_;                                                   \
    DISALLOW_COPY_AND_ASSIGN(AutoLock);                                 \
  };                                                                    \
  void Lock() {                                                         \
    lock_.Acquire();                                                    \
  }                                                                     \
  void Unlock() {                                                       \
    lock_.Release();                                                    \
  }                                                                     \
                                                                        \
 private:                                                               \
  base::Lock lock_;

#endif  // CEF_INCLUDE_CEF_BASE_H_
