#ifndef CLIENT_HANDLER_NAVIGATION_POLICY_H_
#define CLIENT_HANDLER_NAVIGATION_POLICY_H_

#include <string>

// The root page of the social site whose host cookies a logout purges. It
// carries its scheme: a cookie store takes no URL without one.
extern const char kSocialSiteUrl[];

// True when |url| (UTF-8) carries the logout marker anywhere, case counting.
bool IsLogoutUrl(const std::string& url);

#endif  // CLIENT_HANDLER_NAVIGATION_POLICY_H_
