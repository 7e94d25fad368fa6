#include "qtcef/src/process/message_loop.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace qtcef {

MessageLoop::MessageLoop() : loop_(nullptr) {}

void MessageLoop::Run() {
  QEventLoop loop;
  QEventLoop* outer = loop_;
  loop_ = &loop;
  loop.exec();
  loop_ = outer;
}

void MessageLoop::Quit() {
  if (loop_)
    loop_->quit();
}

void MessageLoop::DoWork() {
  QCoreApplication::processEvents();
}

}  // namespace qtcef
