#include "qtcef/src/post_task.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace qtcef {

void PostTask(std::function<void()> task) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app)
    return;
  QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
}

}  // namespace qtcef
