// The version of the CEF build that the declarations describe.

#ifndef CEF_INCLUDE_CEF_VERSION_H_
#define CEF_INCLUDE_CEF_VERSION_H_

#define CEF_VERSION "3.3538.1852.gcb937fc"
#define CEF_VERSION_MAJOR 3
#define CEF_COMMIT_NUMBER 1852
#define CEF_COMMIT_HASH "cb937fc"

#define COPYRIGHT_YEAR 2018

#define CHROME_VERSION_MAJOR 70
#define CHROME_VERSION_MINOR 0
#define CHROME_VERSION_BUILD 3538
#define CHROME_VERSION_PATCH 110

#define DO_MAKE_STRING(p) #p
#define MAKE_STRING(p) DO_MAKE_STRING(p)

// The hash of the API that the libcef library must report for CefInitialize
// and CefExecuteProcess to proceed.
#define CEF_API_HASH_PLATFORM "89b811362d1e7c4c7f63080451f8d2a29f3f123f"

// Resource scripts include this header for the version numbers only.
#if !defined(RC_INVOKED)
#ifdef __cplusplus
extern "C" {
#endif

// The library's API hash: entry 0 is the platform hash.
const char* cef_api_hash(int entry);

// The library's version numbers: entries 0 to 5 are CEF_VERSION_MAJOR,
// CEF_COMMIT_NUMBER and the four CHROME_VERSION_* values.
int cef_version_info(int entry);

#ifdef __cplusplus
}
#endif
#endif  // !RC_INVOKED

#endif  // CEF_INCLUDE_CEF_VERSION_H_
