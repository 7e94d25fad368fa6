#include "client/main/notices.h"

#include <cstdio>
#include <string>

#include "include/cef_base.h"
#include "platform/message_dialog_linux.h"

namespace {

platform::DialogIcon NoticeIcon(Notice notice) {
  switch (notice) {
    case Notice::kClientOutdated:
      return platform::DialogIcon::kError;
    case Notice::kUpdateError:
      return platform::DialogIcon::kWarning;
    case Notice::kUpdate:
      return platform::DialogIcon::kInformation;
  }
  return platform::DialogIcon::kInformation;
}

}  // namespace

void ShowNotice(Notice notice) {
  const NoticeText text = GetNoticeText(notice);
  const std::string title = CefString(text.title).ToString();
  const std::string message = CefString(text.text).ToString();
  // Also on standard error, which is all there is without a display.
  std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());
  platform::ShowMessageDialog(title, message, NoticeIcon(notice));
}
