#include "client/main/sandbox.h"

#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Chromium's Linux sandbox puts each renderer in a user namespace of its
// own; whether this account may make one is known only by trying, in a
// child, since the attempt changes the process that makes it.
int UserNamespaceError() {
  const pid_t child = fork();
  if (child < 0)
    return errno;
  if (child == 0)
    _exit(unshare(CLONE_NEWUSER) == 0 ? 0 : errno);
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR)
      return errno;
  }
  if (!WIFEXITED(status))
    return ECHILD;
  return WEXITSTATUS(status);
}

}  // namespace

bool SandboxMustStayOff(std::string* why) {
  why->clear();
  // Chromium refuses to run sandboxed as root.
  if (geteuid() == 0) {
    *why = "the client runs as root";
    return true;
  }
  const int error = UserNamespaceError();
  if (error != 0) {
    *why = std::string("this system lets no user namespace be made (") +
           std::strerror(error) + ")";
    return true;
  }
  return false;
}
