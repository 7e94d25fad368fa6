#ifndef CLIENT_APP_LANDING_PAGE_H_
#define CLIENT_APP_LANDING_PAGE_H_

#include <string>

// The game's login page on the game web server.
std::string DefaultLandingPage();

// The page the game window opens: the first word of |override_file| (bytes,
// taken as UTF-8) when the file opens and has one, else the default.
std::string ReadLandingPage(const char* override_file);

#endif  // CLIENT_APP_LANDING_PAGE_H_
