#include "tests/launcher/expected_record.h"

std::string ExpectedCommandRecord(const std::string& command_line) {
  return command_line;
}
