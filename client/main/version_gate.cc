#include "client/main/version_gate.h"

#include <cstring>
#include <fstream>

#include "client/main/profile_files.h"

std::string client_version = "0.0.0.0";
std::string web_version = "0.0.0.0";
std::string pending_web_version;
bool client_outdated = false;
bool update_required = false;

const char kWebVersionFile[] = "version.ini";
const char kPreparedWebVersionFile[] = "version.ini.new";

namespace {

// What the version files' readers skip: the C locale's white space.
const char kWhitespace[] = " \t\n\v\f\r";

const char kClientVersionMarker[] = "ZTV-Client-Version: ";
const char kWebVersionMarker[] = "ZTV-Version: ";

// Reads the file's first word into |version|; an empty or all-whitespace
// file leaves it as it was. Returns whether the file opened. The bytes are
// read as they are: in text mode Windows would end the file at a Ctrl-Z, and
// a version recorded with one would never read back the same.
bool ReadVersionFile(const char* name, std::string* version) {
  std::ifstream file(name, std::ios::binary);
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

// The announced version when |message| begins with |marker| and a word
// follows it.
bool Announcement(const std::string& message,
                  const char* marker,
                  std::string* version) {
  const size_t length = std::strlen(marker);
  if (message.compare(0, length, marker) != 0)
    return false;
  const size_t start = message.find_first_not_of(kWhitespace, length);
  if (start == std::string::npos)
    return false;
  *version =
      message.substr(start, message.find_first_of(kWhitespace, start) - start);
  return true;
}

}  // namespace

void ReadWebVersion() {
  if (!ReadVersionFile(kWebVersionFile, &web_version))
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

int PrepareWebVersion(const std::string& version) {
  return WriteFileDurably(kPreparedWebVersionFile, version);
}

int CommitWebVersion(const std::string& version) {
  const int moved = MoveReplacing(kPreparedWebVersionFile, kWebVersionFile);
  if (moved == 0)
    web_version = version;
  return moved;
}

void DiscardWebVersion() {
  RemoveFile(kPreparedWebVersionFile);
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
