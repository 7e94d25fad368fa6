#include "tests/support/dialog.h"

#include "tests/support/test_files.h"
#include "tests/support/x11_windows_linux.h"

bool ReadAndDismissDialog(const std::string& title,
                          std::chrono::milliseconds timeout,
                          DialogInfo* info) {
  X11Windows windows;
  if (!windows.connected())
    return false;
  const unsigned long box = windows.WaitFor(title, timeout);
  // The prefix match of WaitFor must not stand in for the whole title.
  if (!box || windows.Title(box) != title)
    return false;
  unsigned long ok = 0;
  info->buttons.clear();
  for (unsigned long child : windows.Children(box)) {
    const std::string name = windows.Name(child);
    if (name == "error" || name == "warning" || name == "information") {
      info->icon = name;
    } else if (name == "OK") {
      info->buttons.push_back(name);
      ok = child;
    } else {
      info->text = name;
    }
  }
  info->has_owner = windows.Owner(box) != 0;
  info->topmost = windows.HasState(box, "_NET_WM_STATE_ABOVE");
  info->modal = windows.HasState(box, "_NET_WM_STATE_MODAL");
  if (!ok)
    return false;
  windows.SendClick(ok);
  return windows.WaitGone(title, timeout);
}

bool TopLevelWindowExists(const std::string& title) {
  X11Windows windows;
  for (unsigned long window : windows.FindAll(title)) {
    if (windows.Title(window) == title)
      return true;
  }
  return false;
}
