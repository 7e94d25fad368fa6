#include "qtcef/src/process/browser_threads.h"

#include <map>
#include <mutex>
#include <utility>

#include "qtcef/src/process/task_thread.h"
#include "qtcef/src/process/ui_thread_queue.h"

namespace qtcef {

namespace {

struct Registry {
  std::mutex mutex;
  std::shared_ptr<UiThreadQueue> ui;
  std::map<CefThreadId, std::shared_ptr<TaskThread>> threads;
  // While closing, the threads finish their tasks still known by their IDs,
  // and no new one starts.
  bool closing = false;
};

Registry& registry() {
  static Registry* const instance = new Registry();
  return *instance;
}

const char* ThreadName(CefThreadId id) {
  switch (id) {
    case TID_FILE_BACKGROUND:
      return "qtcef-file";
    case TID_FILE_USER_VISIBLE:
      return "qtcef-file-vis";
    case TID_FILE_USER_BLOCKING:
      return "qtcef-file-blk";
    case TID_PROCESS_LAUNCHER:
      return "qtcef-launcher";
    case TID_IO:
      return "qtcef-io";
    default:
      return nullptr;
  }
}

}  // namespace

void BrowserThreads::Open() {
  std::lock_guard<std::mutex> lock(registry().mutex);
  if (!registry().ui)
    registry().ui = std::make_shared<UiThreadQueue>();
}

void BrowserThreads::Close() {
  std::map<CefThreadId, std::shared_ptr<TaskThread>> threads;
  {
    std::lock_guard<std::mutex> lock(registry().mutex);
    registry().closing = true;
    threads = registry().threads;
  }
  // Unlocked: their last tasks may ask for threads, or post to the UI one.
  for (auto& entry : threads)
    entry.second->Stop();
  std::shared_ptr<UiThreadQueue> ui;
  {
    std::lock_guard<std::mutex> lock(registry().mutex);
    ui.swap(registry().ui);
    registry().threads.clear();
    registry().closing = false;
  }
  if (ui)
    ui->Close();
}

std::shared_ptr<TaskQueue> BrowserThreads::Get(CefThreadId id, bool start) {
  std::lock_guard<std::mutex> lock(registry().mutex);
  if (!registry().ui)
    return nullptr;
  if (id == TID_UI)
    return registry().ui;
  const char* name = ThreadName(id);
  if (!name)
    return nullptr;
  auto found = registry().threads.find(id);
  if (found != registry().threads.end())
    return found->second;
  if (!start || registry().closing)
    return nullptr;
  return registry().threads[id] = TaskThread::Start(name);
}

std::shared_ptr<TaskQueue> BrowserThreads::Current() {
  if (std::shared_ptr<TaskThread> thread = TaskThread::Current())
    return thread;
  std::shared_ptr<TaskQueue> ui = Get(TID_UI, false);
  return ui && ui->RunsTasksOnCurrentThread() ? ui : nullptr;
}

}  // namespace qtcef
