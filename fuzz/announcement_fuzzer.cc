// The version markers in console messages. An announcement that disagrees
// is a word without white space, and once recorded it agrees: no message
// can make the client reset or call itself outdated at every start.
#include <cstddef>
#include <cstdint>
#include <fstream>

#include "client/main/version_gate.h"
#include "fuzz/fuzz_support.h"

namespace {

const std::string kClientMarker = "ZTV-Client-Version: ";
const std::string kWebMarker = "ZTV-Version: ";

// What |message| announces after |marker|, as the version file would give
// it back; empty when it announces nothing.
std::string Announced(const std::string& message, const std::string& marker) {
  if (message.compare(0, marker.size(), marker) != 0)
    return std::string();
  const std::vector<std::string> words =
      FirstWords(message.substr(marker.size()), 1);
  return words.empty() ? std::string() : words[0];
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  EnterScratchFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string message(reinterpret_cast<const char*>(data), size);
  client_version = "1.0.0.0";
  web_version = "1";
  pending_web_version.clear();
  client_outdated = update_required = false;

  const std::string client = Announced(message, kClientMarker);
  FUZZ_CHECK(CheckClientVersionAnnouncement(message) ==
             (!client.empty() && !IsClientVersionCurrent(client)));
  FUZZ_CHECK(client_outdated ==
             (!client.empty() && !IsClientVersionCurrent(client)));
  const std::string web = Announced(message, kWebMarker);
  const bool disagrees = CheckWebVersionAnnouncement(message);
  FUZZ_CHECK(disagrees == (!web.empty() && !IsWebVersionCurrent(web)));
  FUZZ_CHECK(update_required == disagrees);
  FUZZ_CHECK(pending_web_version == (disagrees ? web : ""));

  if (disagrees) {
    // Prepared as it was announced, then recorded and read back at the next
    // start, it agrees.
    FUZZ_CHECK(CommitWebVersion(pending_web_version) == 0);
    web_version = "0.0.0.0";
    ReadWebVersion();
    FUZZ_CHECK(!CheckWebVersionAnnouncement(message));
  }
  if (client_outdated) {
    // A client installed with the announced version is current.
    WriteScratchFile("client_version.ini", client);
    ReadClientVersion();
    FUZZ_CHECK(!CheckClientVersionAnnouncement(message));
  }
  return 0;
}
