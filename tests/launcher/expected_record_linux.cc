#include "tests/launcher/expected_record.h"

const bool kLauncherTrustsOnlyItsOwnFolder = false;
const char kExpectedClientSwitches[] =
    " --enable-system-flash --allow-outdated-plugins --plugin-policy=allow";

#include <algorithm>

std::string ExpectedCommandRecord(const std::string& command_line) {
  std::string record = command_line;
  std::replace(record.begin(), record.end(), ' ', '\n');
  return record;
}
