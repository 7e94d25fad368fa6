// The operating system's side of qtcef's threads.

#ifndef QTCEF_SRC_PROCESS_PLATFORM_THREAD_H_
#define QTCEF_SRC_PROCESS_PLATFORM_THREAD_H_

#include <string>

namespace qtcef {

// Names the calling thread for debuggers and process listings; the system
// may shorten the name.
void NameCurrentThread(const std::string& name);

}  // namespace qtcef

#endif  // QTCEF_SRC_PROCESS_PLATFORM_THREAD_H_
