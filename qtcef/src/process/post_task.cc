#include "qtcef/src/process/post_task.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

namespace qtcef {

namespace {

// Where a task may run at once instead of through the event loop.
bool RunsHere() {
  return !QCoreApplication::instance() || IsMainThread();
}

}  // namespace

bool IsMainThread() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app && QThread::currentThread() == app->thread();
}

void PostTask(std::function<void()> task) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app)
    return;
  QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
}

void RunOnMainThread(const std::function<void()>& task) {
  if (RunsHere()) {
    task();
    return;
  }
  QMetaObject::invokeMethod(QCoreApplication::instance(), task,
                            Qt::BlockingQueuedConnection);
}

void RunOrPostTask(std::function<void()> task) {
  if (RunsHere())
    task();
  else
    PostTask(std::move(task));
}

}  // namespace qtcef
