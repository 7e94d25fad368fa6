#ifndef TESTS_CLIENT_RECORDING_NOTICES_H_
#define TESTS_CLIENT_RECORDING_NOTICES_H_

#include <string>
#include <vector>

#include "client/main/notices.h"

// The notices the client showed, in order, with what the working directory
// held in "version.ini" at that moment (to check what was written first).
struct ShownNotice {
  Notice notice;
  std::string version_file;
};
std::vector<ShownNotice>& ShownNotices();

#endif  // TESTS_CLIENT_RECORDING_NOTICES_H_
