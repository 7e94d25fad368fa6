// CEF's message loop on the Qt event loop.

#ifndef QTCEF_SRC_PROCESS_MESSAGE_LOOP_H_
#define QTCEF_SRC_PROCESS_MESSAGE_LOOP_H_

class QEventLoop;

namespace qtcef {

class MessageLoop {
 public:
  MessageLoop();

  // Runs until Quit().
  void Run();
  // Ends the innermost Run(). As in CEF, it does nothing while no loop runs:
  // a quit wanted before the loop starts must be posted to it.
  void Quit();
  // Handles the events that are pending, without waiting.
  void DoWork();

 private:
  QEventLoop* loop_;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_PROCESS_MESSAGE_LOOP_H_
