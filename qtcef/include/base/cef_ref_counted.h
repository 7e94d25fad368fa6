// The smart pointer behind CefRefPtr.

#ifndef CEF_INCLUDE_BASE_CEF_REF_COUNTED_H_
#define CEF_INCLUDE_BASE_CEF_REF_COUNTED_H_

#include <assert.h>
#include <stddef.h>

#include <atomic>

#include "include/base/cef_build.h"
#include "include/base/cef_macros.h"

// Holds one reference to an object that provides AddRef() and Release().
// As CEF 3538 declares it, it has copy but no move operations, and it converts
// implicitly to the raw pointer, which is how it is tested for NULL.
template <class T>
class scoped_refptr {
 public:
  scoped_refptr() : ptr_(nullptr) {}

  scoped_refptr(T* p) : ptr_(p) {
    if (ptr_)
      ptr_->AddRef();
  }

  scoped_refptr(const scoped_refptr<T>& r) : ptr_(r.ptr_) {
    if (ptr_)
      ptr_->AddRef();
  }

  template <typename U>
  scoped_refptr(const scoped_refptr<U>& r) : ptr_(r.get()) {
    if (ptr_)
      ptr_->AddRef();
  }

  ~scoped_refptr() {
    if (ptr_)
      ptr_->Release();
  }

  T* get() const { return ptr_; }
  operator T*() const { return ptr_; }
  T* operator->() const {
    assert(ptr_ != nullptr);
    return ptr_;
  }

  // Takes the new reference before dropping the old one, so that assigning
  // an object to the pointer that already holds it is safe.
  scoped_refptr<T>& operator=(T* p) {
    if (p)
      p->AddRef();
    T* old_ptr = ptr_;
    ptr_ = p;
    if (old_ptr)
      old_ptr->Release();
    return *this;
  }

  scoped_refptr<T>& operator=(const scoped_refptr<T>& r) {
    return *this = r.ptr_;
  }

  template <typename U>
  scoped_refptr<T>& operator=(const scoped_refptr<U>& r) {
    return *this = r.get();
  }

  void swap(T** pp) {
    T* p = ptr_;
    ptr_ = *pp;
    *pp = p;
  }

  void swap(scoped_refptr<T>& r) { swap(&r.ptr_); }

 protected:
  T* ptr_;
};

namespace base {

template <class T>
struct DefaultRefCountedThreadSafeTraits;

// A base that counts references to a T from any thread, and deletes the T
// through |Traits| when the last one goes.
template <class T, typename Traits = DefaultRefCountedThreadSafeTraits<T>>
class RefCountedThreadSafe {
 public:
  void AddRef() const { count_.fetch_add(1, std::memory_order_relaxed); }
  void Release() const {
    // The last release must see every write made under the other
    // references before the object goes.
    if (count_.fetch_sub(1, std::memory_order_acq_rel) == 1)
      Traits::Destruct(static_cast<const T*>(this));
  }
  bool HasOneRef() const { return count_.load(std::memory_order_acquire) == 1; }

 protected:
  RefCountedThreadSafe() : count_(0) {}
  ~RefCountedThreadSafe() {}

 private:
  friend struct DefaultRefCountedThreadSafeTraits<T>;
  static void DeleteInternal(const T* object) { delete object; }

  mutable std::atomic<int> count_;

  DISALLOW_COPY_AND_ASSIGN(RefCountedThreadSafe);
};

template <class T>
struct DefaultRefCountedThreadSafeTraits {
  static void Destruct(const T* object) {
    RefCountedThreadSafe<T, DefaultRefCountedThreadSafeTraits>::DeleteInternal(
        object);
  }
};

}  // namespace base

#endif  // CEF_INCLUDE_BASE_CEF_REF_COUNTED_H_
