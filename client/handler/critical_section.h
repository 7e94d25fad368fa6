#ifndef CLIENT_HANDLER_CRITICAL_SECTION_H_
#define CLIENT_HANDLER_CRITICAL_SECTION_H_

#include <memory>

// The platform's lightweight lock: a Win32 critical section on Windows.
class CriticalSection {
 public:
  CriticalSection();
  ~CriticalSection();
  CriticalSection(const CriticalSection&) = delete;
  CriticalSection& operator=(const CriticalSection&) = delete;

  void Enter();
  void Leave();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Holds a CriticalSection for the lifetime of the scope.
class ScopedCriticalSection {
 public:
  explicit ScopedCriticalSection(CriticalSection& section) : section_(section) {
    section_.Enter();
  }
  ~ScopedCriticalSection() { section_.Leave(); }
  ScopedCriticalSection(const ScopedCriticalSection&) = delete;
  ScopedCriticalSection& operator=(const ScopedCriticalSection&) = delete;

 private:
  CriticalSection& section_;
};

#endif  // CLIENT_HANDLER_CRITICAL_SECTION_H_
