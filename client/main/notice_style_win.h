#ifndef CLIENT_MAIN_NOTICE_STYLE_WIN_H_
#define CLIENT_MAIN_NOTICE_STYLE_WIN_H_

#include <windows.h>

#include "client/main/notices.h"

// The MessageBoxW style of |notice|: one OK button, its icon, topmost.
UINT NoticeStyle(Notice notice);

#endif  // CLIENT_MAIN_NOTICE_STYLE_WIN_H_
