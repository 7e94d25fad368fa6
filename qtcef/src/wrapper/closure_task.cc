#include "include/wrapper/cef_closure_task.h"

namespace {

class ClosureTask : public CefTask {
 public:
  explicit ClosureTask(const base::Closure& closure) : closure_(closure) {}

  // What the closure holds goes on the thread that ran it.
  void Execute() override {
    closure_.Run();
    closure_.Reset();
  }

 private:
  base::Closure closure_;

  IMPLEMENT_REFCOUNTING(ClosureTask);
};

}  // namespace

CefRefPtr<CefTask> CefCreateClosureTask(const base::Closure& closure) {
  return new ClosureTask(closure);
}

bool CefPostTask(CefThreadId threadId, const base::Closure& closure) {
  return CefPostTask(threadId, new ClosureTask(closure));
}

bool CefPostDelayedTask(CefThreadId threadId,
                        const base::Closure& closure,
                        int64 delay_ms) {
  return CefPostDelayedTask(threadId, new ClosureTask(closure), delay_ms);
}
