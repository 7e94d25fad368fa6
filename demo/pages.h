#ifndef DEMO_PAGES_H_
#define DEMO_PAGES_H_

#include <string>

// |text| made safe for HTML element content and quoted attribute values.
std::string HtmlEscape(const std::string& text);

// |text| as a double-quoted JavaScript string literal that is also safe inside
// an inline <script> element.
std::string JsString(const std::string& text);

// The landing page; an empty |player| means nobody is logged in. The page logs
// both versions to the console on every load, and with |open_news| opens the
// news in a window of its own as it loads.
std::string LandingPage(const std::string& player,
                        const std::string& client_version,
                        const std::string& web_version,
                        bool open_news);

// Shown after the social login was signed out.
std::string SignedOutPage();

// The realm news shown in a popup window.
std::string NewsPage();

// A page that plays hard for long runs: while busy it logs 20 console
// messages a second, rebuilds part of its DOM as often, sets a cookie every
// second, opens a popup every 2 s and closes it after one, and navigates to
// itself every 7 s. Each |cycle_seconds| of the clock ends in |quiet_seconds|
// in which it does nothing, so that what it used can be seen to go back.
std::string SoakPage(int cycle_seconds, int quiet_seconds);

// The body of an error response with HTTP status |status|.
std::string ErrorPage(int status);

#endif  // DEMO_PAGES_H_
