#include "tests/client/hostile_files.h"

#include <windows.h>

#include <memory>

#include "tests/support/protected_file_win.h"
#include "tests/support/test_files.h"

namespace {

HANDLE g_held = INVALID_HANDLE_VALUE;
std::unique_ptr<ProtectedFile> g_protected;

std::filesystem::path Folder() {
  return std::filesystem::temp_directory_path() / "ztv-undeletable" / "ZTV";
}

}  // namespace

std::filesystem::path UndeletableFolder() {
  std::filesystem::create_directories(Folder());
  g_held =
      CreateFileW((Folder() / "data_0").c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                  nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  return Folder();
}

void ReleaseUndeletableFolder() {
  if (g_held != INVALID_HANDLE_VALUE)
    CloseHandle(g_held);
  g_held = INVALID_HANDLE_VALUE;
  std::error_code ignored;
  std::filesystem::remove_all(Folder().parent_path(), ignored);
}

bool ProtectFile(const std::filesystem::path& path) {
  g_protected = std::make_unique<ProtectedFile>(path);
  return g_protected->ok();
}

void UnprotectFile(const std::filesystem::path&) {
  g_protected.reset();
}

void WriteFileNamedExactly(const std::filesystem::path& path,
                           const std::string& bytes) {
  const std::wstring exact =
      L"\\\\?\\" + std::filesystem::absolute(path).native();
  const HANDLE file =
      CreateFileW(exact.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                  FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
            nullptr);
  CloseHandle(file);
}

bool MakeFifo(const std::filesystem::path&) {
  return false;
}

bool MountAt(const std::filesystem::path&, const std::filesystem::path*) {
  return false;
}

void Unmount(const std::filesystem::path&) {}
