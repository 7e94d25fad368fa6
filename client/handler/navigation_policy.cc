#include "client/handler/navigation_policy.h"

const char kSocialSiteUrl[] = "https://www.facebook.com/";

namespace {

const char kLogoutMarker[] = "logout=true";

}  // namespace

bool IsLogoutUrl(const std::string& url) {
  return url.find(kLogoutMarker) != std::string::npos;
}
