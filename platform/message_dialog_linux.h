#ifndef PLATFORM_MESSAGE_DIALOG_LINUX_H_
#define PLATFORM_MESSAGE_DIALOG_LINUX_H_

#include <string>

namespace platform {

enum class DialogIcon { kError, kWarning, kInformation };

// Shows a modal dialog window, kept above other windows, with |title|, |text|,
// the icon of its kind and one OK button, and returns once it is dismissed.
// The icon, text and button are child windows named "error" / "warning" /
// "information", by the text and "OK", so that assistive tools can read them.
// Returns false at once when there is no X display.
bool ShowMessageDialog(const std::string& title,
                       const std::string& text,
                       DialogIcon icon);

}  // namespace platform

#endif  // PLATFORM_MESSAGE_DIALOG_LINUX_H_
