#include "client/app/landing_page.h"

#include <fstream>

std::string DefaultLandingPage() {
  return std::string("https://") + ZTV_GAME_HOST + "/login_standalone.html";
}

std::string ReadLandingPage(const char* override_file) {
  std::string url = DefaultLandingPage();
  std::ifstream file(override_file);
  std::string word;
  if (file.is_open() && file >> word)
    url = word;
  return url;
}
