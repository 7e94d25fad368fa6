#ifndef CLIENT_MAIN_NOTICES_H_
#define CLIENT_MAIN_NOTICES_H_

// The messages the client shows once CEF has shut down, each in a modal box
// with one OK button, kept above other windows.
enum class Notice { kClientOutdated, kUpdateError, kUpdate };

struct NoticeText {
  const wchar_t* title;
  const wchar_t* text;
};

NoticeText GetNoticeText(Notice notice);

// Shows |notice| and returns once the player has closed it.
void ShowNotice(Notice notice);

#endif  // CLIENT_MAIN_NOTICES_H_
