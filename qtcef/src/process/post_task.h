// Posting work to the main (Qt GUI) thread.

#ifndef QTCEF_SRC_PROCESS_POST_TASK_H_
#define QTCEF_SRC_PROCESS_POST_TASK_H_

#include <functional>

namespace qtcef {

// Runs |task| on the main thread from the event loop, after the events
// already queued; callable from any thread. Dropped when no application
// object exists.
void PostTask(std::function<void()> task);

// Runs |task| on the main thread and returns once it has run: at once on
// the main thread itself (or with no application object), else through the
// event loop, waiting for it. Qt WebEngine's objects are made there only.
void RunOnMainThread(const std::function<void()>& task);

}  // namespace qtcef

#endif  // QTCEF_SRC_PROCESS_POST_TASK_H_
