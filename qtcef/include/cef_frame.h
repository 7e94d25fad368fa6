// Frames of a browser's page.

#ifndef CEF_INCLUDE_CEF_FRAME_H_
#define CEF_INCLUDE_CEF_FRAME_H_

#include "include/cef_base.h"
#include "include/cef_request.h"

class CefBrowser;

// A frame; the browser process may call it on any thread.
class CefFrame : public virtual CefBaseRefCounted {
 public:
  // False once the frame is gone.
  virtual bool IsValid() = 0;

  virtual void Undo() = 0;
  virtual void Redo() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;
  virtual void Delete() = 0;
  virtual void SelectAll() = 0;
  virtual void ViewSource() = 0;

  virtual void LoadRequest(CefRefPtr<CefRequest> request) = 0;
  virtual void LoadURL(const CefString& url) = 0;
  // Shows |string_val| as the page at |url|. Under <windows.h> the macro
  // LoadString renames this method to LoadStringW for its callers and
  // implementers alike.
  virtual void LoadString(const CefString& string_val,
                          const CefString& url) = 0;
  virtual void ExecuteJavaScript(const CefString& code,
                                 const CefString& script_url,
                                 int start_line) = 0;

  virtual bool IsMain() = 0;
  virtual bool IsFocused() = 0;
  // Empty for the main frame.
  virtual CefString GetName() = 0;
  // Unique within the browser process; negative while the underlying frame
  // does not exist.
  virtual int64 GetIdentifier() = 0;
  // NULL for the main frame.
  virtual CefRefPtr<CefFrame> GetParent() = 0;
  virtual CefString GetURL() = 0;
  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
};

#endif  // CEF_INCLUDE_CEF_FRAME_H_
