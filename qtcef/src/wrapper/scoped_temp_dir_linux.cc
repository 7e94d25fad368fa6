#include "include/wrapper/cef_scoped_temp_dir.h"

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// Makes a new folder under |parent| that no one else can have made.
CefString MakeUniqueFolder(const fs::path& parent) {
  std::string name = (parent / "qtcef.XXXXXX").string();
  if (!mkdtemp(name.data()))
    return CefString();
  return CefString(name);
}

}  // namespace

CefScopedTempDir::CefScopedTempDir() = default;

CefScopedTempDir::~CefScopedTempDir() {
  if (!path_.empty())
    Delete();
}

bool CefScopedTempDir::CreateUniqueTempDir() {
  std::error_code error;
  const fs::path parent = fs::temp_directory_path(error);
  return !error && CreateUniqueTempDirUnderPath(parent.string());
}

bool CefScopedTempDir::CreateUniqueTempDirUnderPath(const CefString& path) {
  if (!path_.empty() || path.empty())
    return false;
  path_ = MakeUniqueFolder(path.ToString());
  return !path_.empty();
}

bool CefScopedTempDir::Set(const CefString& path) {
  if (!path_.empty() || path.empty())
    return false;
  std::error_code error;
  const fs::path folder(path.ToString());
  fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder, error))
    return false;
  path_ = path;
  return true;
}

bool CefScopedTempDir::Delete() {
  if (path_.empty())
    return false;
  // remove_all removes a link itself and never what it points to.
  std::error_code error;
  fs::remove_all(path_.ToString(), error);
  if (error)
    return false;
  path_.clear();
  return true;
}

CefString CefScopedTempDir::Take() {
  CefString path = path_;
  path_.clear();
  return path;
}

const CefString& CefScopedTempDir::GetPath() const {
  return path_;
}

bool CefScopedTempDir::IsEmpty() const {
  return path_.empty();
}

bool CefScopedTempDir::IsValid() const {
  std::error_code error;
  return !path_.empty() && fs::is_directory(path_.ToString(), error);
}
