#include "qtcef/src/message_loop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace qtcef {

MessageLoop::MessageLoop() : loop_(nullptr), quit_pending_(false) {}

void MessageLoop::Run() {
  QEventLoop loop;
  if (quit_pending_) {
    quit_pending_ = false;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
  }
  QEventLoop* outer = loop_;
  loop_ = &loop;
  loop.exec();
  loop_ = outer;
}

void MessageLoop::Quit() {
  if (loop_)
    loop_->quit();
  else
    quit_pending_ = true;
}

void MessageLoop::DoWork() {
  QCoreApplication::processEvents();
}

}  // namespace qtcef
