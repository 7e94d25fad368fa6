#include "client/main/version_gate.h"

#include <cstring>
#include <fstream>

std::string client_version = "0.0.0.0";
std::string web_version = "0.0.0.0";
std::string pending_web_version;
bool client_outdated = false;
bool update_required = false;

namespace {

const char kClientVersionMarker[] = "ZTV-Client-Version: ";
const char kWebVersionMarker[] = "ZTV-Version: ";

// Reads the file's first word into |version|; an empty or all-whitespace
// file leaves it as it was. Returns whether the file opened.
bool ReadVersionFile(const char* name, std::string* version) {
  std::ifstream file(name);
  if (!file.is_open())
    return false;
  std::string word;
  if (file >> word)
    *version = word;
  return true;
}

bool SameText(const std::string& a, const std::string& b) {
  return std::strcmp(a.c_str(), b.c_str()) == 0;
}

// The announced version when |message| begins with |marker|.
bool Announcement(const std::string& message,
                  const char* marker,
                  std::string* version) {
  const size_t length = std::strlen(marker);
  if (message.compare(0, length, marker) != 0)
    return false;
  *version = message.substr(length);
  return true;
}

}  // namespace

void ReadWebVersion() {
  if (!ReadVersionFile("version.ini", &web_version))
    update_required = true;
}

void ReadClientVersion() {
  ReadVersionFile("client_version.ini", &client_version);
}

bool IsClientVersionCurrent(const std::string& version) {
  return SameText(version, client_version);
}

bool IsWebVersionCurrent(const std::string& version) {
  return SameText(version, web_version);
}

void WriteWebVersion(const std::string& version) {
  if (&version != &web_version)
    web_version = version;
  std::ofstream file("version.ini", std::ios::out | std::ios::trunc);
  if (file.is_open())
    file << web_version;
}

bool CheckClientVersionAnnouncement(const std::string& message) {
  std::string version;
  if (!Announcement(message, kClientVersionMarker, &version) ||
      IsClientVersionCurrent(version)) {
    return false;
  }
  client_outdated = true;
  return true;
}

bool CheckWebVersionAnnouncement(const std::string& message) {
  std::string version;
  if (!Announcement(message, kWebVersionMarker, &version) ||
      IsWebVersionCurrent(version)) {
    return false;
  }
  pending_web_version = version;
  update_required = true;
  return true;
}
