#include "client/handler/game_window.h"

const wchar_t kGameWindowTitle[] = L"Zentrova";
