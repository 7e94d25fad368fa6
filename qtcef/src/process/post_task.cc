#include "qtcef/src/process/post_task.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

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
