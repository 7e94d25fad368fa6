#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "include/internal/cef_thread_internal.h"
#include "qtcef/src/process/platform_thread.h"

namespace qtcef {

void NameCurrentThread(const std::string& name) {
  // Linux takes at most 15 bytes and refuses a longer name whole.
  pthread_setname_np(pthread_self(), name.substr(0, 15).c_str());
}

}  // namespace qtcef

cef_platform_thread_id_t cef_get_current_platform_thread_id() {
  return static_cast<cef_platform_thread_id_t>(syscall(SYS_gettid));
}
