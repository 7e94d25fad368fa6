// A temporary folder that is deleted, with what it holds, when its owner
// goes.

#ifndef CEF_INCLUDE_WRAPPER_CEF_SCOPED_TEMP_DIR_H_
#define CEF_INCLUDE_WRAPPER_CEF_SCOPED_TEMP_DIR_H_

#include "include/base/cef_macros.h"
#include "include/internal/cef_string.h"

class CefScopedTempDir {
 public:
  CefScopedTempDir();
  // Deletes the folder it owns, if any.
  ~CefScopedTempDir();

  // Each takes a folder only while none is owned.
  bool CreateUniqueTempDir();
  bool CreateUniqueTempDirUnderPath(const CefString& path);
  // Owns |path|, which is made when it does not exist.
  bool Set(const CefString& path);

  // Deletes the folder; links in it are removed, never followed. On
  // failure the folder stays owned.
  bool Delete();
  // Gives the folder up without deleting it.
  CefString Take();

  const CefString& GetPath() const;
  bool IsEmpty() const;
  // Whether a folder is owned and exists.
  bool IsValid() const;

 private:
  CefString path_;

  DISALLOW_COPY_AND_ASSIGN(CefScopedTempDir);
};

#endif  // CEF_INCLUDE_WRAPPER_CEF_SCOPED_TEMP_DIR_H_
