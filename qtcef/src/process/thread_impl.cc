#include <memory>

#include "include/cef_thread.h"
#include "qtcef/src/process/task_runner_impl.h"
#include "qtcef/src/process/task_thread.h"

namespace qtcef {

namespace {

// Priority, loop type and COM have no meaning for a plain thread here.
class ThreadImpl : public CefThread {
 public:
  ThreadImpl(std::shared_ptr<TaskThread> thread, bool stoppable)
      : thread_(std::move(thread)),
        runner_(new TaskRunnerImpl(thread_)),
        stoppable_(stoppable) {}
  ~ThreadImpl() override {
    if (stoppable_)
      thread_->Stop();
  }

  CefRefPtr<CefTaskRunner> GetTaskRunner() override { return runner_; }
  cef_platform_thread_id_t GetPlatformThreadId() override {
    return thread_->platform_thread_id();
  }
  void Stop() override {
    if (stoppable_)
      thread_->Stop();
  }
  bool IsRunning() override { return thread_->IsRunning(); }

 private:
  const std::shared_ptr<TaskThread> thread_;
  const CefRefPtr<CefTaskRunner> runner_;
  const bool stoppable_;

  IMPLEMENT_REFCOUNTING(ThreadImpl);
};

}  // namespace

}  // namespace qtcef

CefRefPtr<CefThread> CefThread::CreateThread(
    const CefString& display_name,
    cef_thread_priority_t /*priority*/,
    cef_message_loop_type_t /*message_loop_type*/,
    bool stoppable,
    cef_com_init_mode_t /*com_init_mode*/) {
  return new qtcef::ThreadImpl(
      qtcef::TaskThread::Start(display_name.ToString()), stoppable);
}
