#include "qtcef/src/process/post_task.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include "include/cef_task.h"
#include "qtcef/src/process/engine.h"

namespace qtcef {

void PostTask(std::function<void()> task) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app)
    return;
  QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
}

void RunOnMainThread(const std::function<void()>& task) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() == app->thread()) {
    task();
    return;
  }
  QMetaObject::invokeMethod(app, task, Qt::BlockingQueuedConnection);
}

}  // namespace qtcef

// Only the UI thread, which is the main thread running the Qt event loop,
// takes tasks; Qt WebEngine's own threads are not CEF's.
bool CefPostTask(CefThreadId threadId, CefRefPtr<CefTask> task) {
  if (threadId != TID_UI || !task || !qtcef::Engine::Get())
    return false;
  qtcef::PostTask([task] { task->Execute(); });
  return true;
}
