#include "tests/launcher/expected_record.h"

const bool kLauncherTrustsOnlyItsOwnFolder = true;

std::string ExpectedCommandRecord(const std::string& command_line) {
  return command_line;
}
