#include "tests/launcher/expected_record.h"

const bool kLauncherTrustsOnlyItsOwnFolder = true;
const char kExpectedClientSwitches[] =
    " --enable-system-flash --allow-outdated-plugins --plugin-policy=allow "
    "--no-sandbox";

std::string ExpectedCommandRecord(const std::string& command_line) {
  return command_line;
}
