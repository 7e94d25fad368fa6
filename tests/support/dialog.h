#ifndef TESTS_SUPPORT_DIALOG_H_
#define TESTS_SUPPORT_DIALOG_H_

#include <chrono>
#include <string>
#include <vector>

// What a test can read off a message box on screen.
struct DialogInfo {
  std::string text;
  // "error", "warning", "information", or empty when it has none.
  std::string icon;
  std::vector<std::string> buttons;
  bool has_owner = false;
  bool topmost = false;
  bool modal = false;
};

// Waits up to |timeout| for a top-level message box titled |title| (UTF-8),
// reads it into |info| and presses its OK button. False when none appeared
// or it could not be dismissed.
bool ReadAndDismissDialog(const std::string& title,
                          std::chrono::milliseconds timeout,
                          DialogInfo* info);

// True while a top-level window titled |title| exists.
bool TopLevelWindowExists(const std::string& title);

#endif  // TESTS_SUPPORT_DIALOG_H_
