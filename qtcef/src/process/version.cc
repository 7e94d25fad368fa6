// The version functions of cef_version.h.

#include "include/cef_version.h"

const char* cef_api_hash(int entry) {
  // The universal hash of this branch is not known here.
  switch (entry) {
    case 0:
      return CEF_API_HASH_PLATFORM;
    case 2:
      return CEF_COMMIT_HASH;
    default:
      return nullptr;
  }
}

int cef_version_info(int entry) {
  switch (entry) {
    case 0:
      return CEF_VERSION_MAJOR;
    case 1:
      return CEF_COMMIT_NUMBER;
    case 2:
      return CHROME_VERSION_MAJOR;
    case 3:
      return CHROME_VERSION_MINOR;
    case 4:
      return CHROME_VERSION_BUILD;
    case 5:
      return CHROME_VERSION_PATCH;
    default:
      return 0;
  }
}
