#ifndef TESTS_SUPPORT_VERSION_INFO_H_
#define TESTS_SUPPORT_VERSION_INFO_H_

#include <filesystem>
#include <string>

// What a Windows program's version resource says; empty when it has none.
struct VersionInfo {
  // "a.b.c.d" from the fixed part.
  std::string file_version;
  std::string product_version;
  // From the US English string table.
  std::string product_name;
  std::string company_name;
  std::string file_description;
};

VersionInfo ReadVersionInfo(const std::filesystem::path& program);

#endif  // TESTS_SUPPORT_VERSION_INFO_H_
