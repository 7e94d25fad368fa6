// Checks the shipped launcher executable itself: its subsystem, manifest,
// icon and version.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_files.h"
#include "tests/support/version_info.h"

namespace {

class LauncherImageTest : public testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(BuildTreePath(ZTV_LAUNCHER_PATH).wstring().c_str(),
                             nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override { FreeLibrary(module_); }

  std::string Resource(LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(module_, name, type);
    if (!found)
      return std::string();
    HGLOBAL loaded = LoadResource(module_, found);
    return std::string(static_cast<const char*>(LockResource(loaded)),
                       SizeofResource(module_, found));
  }

  HMODULE module_ = nullptr;
};

// The launcher is built for the architecture of this test program: x86 for
// players, x86_64 in the test build that 64-bit Wine runs.
TEST_F(LauncherImageTest, IsAGuiProgramOfTheBuildsArchitecture) {
  const std::string image = ReadFileBytes(BuildTreePath(ZTV_LAUNCHER_PATH));
  ASSERT_GT(image.size(), 0x200u);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
  ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
  const auto* nt =
      reinterpret_cast<const IMAGE_NT_HEADERS*>(image.data() + dos->e_lfanew);
  ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
  const bool wide = sizeof(void*) == 8;
  EXPECT_EQ(nt->FileHeader.Machine,
            wide ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386);
  EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR_MAGIC);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

TEST_F(LauncherImageTest, RequestsAdministratorWithoutUiAccess) {
  const std::string manifest = Resource(MAKEINTRESOURCEW(1), RT_MANIFEST);
  EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos)
      << manifest;
  EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos);
}

TEST_F(LauncherImageTest, CarriesIconGroup101) {
  EXPECT_FALSE(Resource(MAKEINTRESOURCEW(101), RT_GROUP_ICON).empty());
}

TEST_F(LauncherImageTest, CarriesTheProjectVersion) {
  const VersionInfo info = ReadVersionInfo(BuildTreePath(ZTV_LAUNCHER_PATH));
  EXPECT_EQ(info.file_version, ZTV_VERSION);
  EXPECT_EQ(info.product_version, ZTV_VERSION);
  EXPECT_EQ(info.product_name, "Zentrova");
  EXPECT_EQ(info.file_description, "Zentrova launcher");
  EXPECT_FALSE(info.company_name.empty());
}

TEST_F(LauncherImageTest, ImportsOnlySystemLibraries) {
  // Statically linked: no MinGW runtime DLL has to ship beside it.
  const HMODULE image =
      LoadLibraryExW(BuildTreePath(ZTV_LAUNCHER_PATH).wstring().c_str(),
                     nullptr, DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(image, nullptr);
  const auto* base = reinterpret_cast<const char*>(image);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt =
      reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  ASSERT_NE(directory.VirtualAddress, 0u);
  int count = 0;
  for (const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
           base + directory.VirtualAddress);
       entry->Name; ++entry, ++count) {
    std::string dll = base + entry->Name;
    for (char& c : dll)
      c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(dll == "kernel32.dll" || dll == "user32.dll" ||
                dll == "advapi32.dll" || dll == "msvcrt.dll" ||
                dll.rfind("api-ms-win-", 0) == 0)
        << dll;
  }
  EXPECT_GT(count, 0);
  FreeLibrary(image);
}

}  // namespace
