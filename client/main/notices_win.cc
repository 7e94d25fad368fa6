#include "client/main/notices.h"

#include "client/main/notice_style_win.h"

UINT NoticeStyle(Notice notice) {
  switch (notice) {
    case Notice::kClientOutdated:
      return MB_OK | MB_ICONERROR | MB_TOPMOST;
    case Notice::kUpdateError:
      return MB_OK | MB_ICONWARNING | MB_TOPMOST;
    case Notice::kUpdate:
      return MB_OK | MB_ICONINFORMATION | MB_TOPMOST;
  }
  return MB_OK | MB_TOPMOST;
}

void ShowNotice(Notice notice) {
  const NoticeText text = GetNoticeText(notice);
  MessageBoxW(nullptr, text.text, text.title, NoticeStyle(notice));
}
