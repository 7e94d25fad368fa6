// CefDownloadHandler, the client's callbacks for downloads.

#ifndef CEF_INCLUDE_CEF_DOWNLOAD_HANDLER_H_
#define CEF_INCLUDE_CEF_DOWNLOAD_HANDLER_H_

#include "include/cef_base.h"

// Declares none of its callbacks: the client leaves them all to CEF. The
// class is complete because the default result of
// CefClient::GetDownloadHandler() needs it.
class CefDownloadHandler : public virtual CefBaseRefCounted {};

#endif  // CEF_INCLUDE_CEF_DOWNLOAD_HANDLER_H_
