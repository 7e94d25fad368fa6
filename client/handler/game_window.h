#ifndef CLIENT_HANDLER_GAME_WINDOW_H_
#define CLIENT_HANDLER_GAME_WINDOW_H_

// The title the game window opens with; the window icons are given to the
// top-level window that carries it.
extern const wchar_t kGameWindowTitle[];

// The inset of the native game window from every edge of the desktop.
constexpr int kGameWindowInset = 40;

#endif  // CLIENT_HANDLER_GAME_WINDOW_H_
