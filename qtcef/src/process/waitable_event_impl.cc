#include <QtGlobal>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "include/cef_task.h"
#include "include/cef_waitable_event.h"

namespace qtcef {

namespace {

class WaitableEventImpl : public CefWaitableEvent {
 public:
  WaitableEventImpl(bool automatic_reset, bool initially_signaled)
      : automatic_reset_(automatic_reset), signaled_(initially_signaled) {}

  void Reset() override {
    std::lock_guard<std::mutex> lock(mutex_);
    signaled_ = false;
  }
  void Signal() override {
    std::lock_guard<std::mutex> lock(mutex_);
    signaled_ = true;
    // An automatic event releases one waiter, which resets it.
    if (automatic_reset_)
      signal_.notify_one();
    else
      signal_.notify_all();
  }
  bool IsSignaled() override {
    std::lock_guard<std::mutex> lock(mutex_);
    return Consume();
  }
  void Wait() override {
    if (!WaitingAllowed())
      return;
    std::unique_lock<std::mutex> lock(mutex_);
    signal_.wait(lock, [this] { return signaled_; });
    Consume();
  }
  bool TimedWait(int64 max_ms) override {
    if (!WaitingAllowed())
      return false;
    std::unique_lock<std::mutex> lock(mutex_);
    signal_.wait_for(lock, std::chrono::milliseconds(max_ms > 0 ? max_ms : 0),
                     [this] { return signaled_; });
    return Consume();
  }

 private:
  // A blocked UI or IO thread would stop the very work that is to signal.
  static bool WaitingAllowed() {
    if (!CefCurrentlyOn(TID_UI) && !CefCurrentlyOn(TID_IO))
      return true;
    qWarning(
        "qtcef: a CefWaitableEvent may not be waited on on the UI or IO "
        "thread");
    return false;
  }

  // Whether the event is signaled, resetting an automatic one; called
  // locked.
  bool Consume() {
    const bool signaled = signaled_;
    if (automatic_reset_)
      signaled_ = false;
    return signaled;
  }

  const bool automatic_reset_;
  bool signaled_;
  std::mutex mutex_;
  std::condition_variable signal_;

  IMPLEMENT_REFCOUNTING(WaitableEventImpl);
};

}  // namespace

}  // namespace qtcef

CefRefPtr<CefWaitableEvent> CefWaitableEvent::CreateWaitableEvent(
    bool automatic_reset,
    bool initially_signaled) {
  return new qtcef::WaitableEventImpl(automatic_reset, initially_signaled);
}
