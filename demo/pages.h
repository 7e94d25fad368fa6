#ifndef DEMO_PAGES_H_
#define DEMO_PAGES_H_

#include <string>

// |text| made safe for HTML element content and quoted attribute values.
std::string HtmlEscape(const std::string& text);

// |text| as a double-quoted JavaScript string literal that is also safe inside
// an inline <script> element.
std::string JsString(const std::string& text);

// The landing page; an empty |player| means nobody is logged in. The page logs
// both versions to the console on every load.
std::string LandingPage(const std::string& player,
                        const std::string& client_version,
                        const std::string& web_version);

// Shown after the social login was signed out.
std::string SignedOutPage();

// The realm news shown in a popup window.
std::string NewsPage();

// The body of an error response with HTTP status |status|.
std::string ErrorPage(int status);

#endif  // DEMO_PAGES_H_
