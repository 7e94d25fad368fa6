// CEF's message loop on the Qt event loop.

#ifndef QTCEF_SRC_MESSAGE_LOOP_H_
#define QTCEF_SRC_MESSAGE_LOOP_H_

class QEventLoop;

namespace qtcef {

class MessageLoop {
 public:
  MessageLoop();

  // Runs until Quit(). A Quit() that came before still ends the run, once
  // the events already queued have been handled.
  void Run();
  void Quit();
  // Handles the events that are pending, without waiting.
  void DoWork();

 private:
  QEventLoop* loop_;
  bool quit_pending_;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_MESSAGE_LOOP_H_
