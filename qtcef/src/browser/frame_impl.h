// CefFrame. The main frame acts on the browser's page; a sub-frame is known
// only by the URL it navigates to, or, once it failed to load, by its error
// report, which lets LoadString replace its error page.

#ifndef QTCEF_SRC_BROWSER_FRAME_IMPL_H_
#define QTCEF_SRC_BROWSER_FRAME_IMPL_H_

#include <QUrl>

#include <optional>

#include "include/cef_frame.h"
#include "qtcef/src/browser/sub_frame_errors.h"

namespace qtcef {

class BrowserHostImpl;

class FrameImpl : public CefFrame {
 public:
  FrameImpl(CefRefPtr<BrowserHostImpl> browser, bool is_main, const QUrl& url);
  // The sub-frame that |error| reports.
  FrameImpl(CefRefPtr<BrowserHostImpl> browser, const SubFrameError& error);

  bool IsValid() override;
  void Undo() override;
  void Redo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;
  void Delete() override;
  void SelectAll() override;
  void ViewSource() override;
  void LoadRequest(CefRefPtr<CefRequest> request) override;
  void LoadURL(const CefString& url) override;
  void LoadString(const CefString& string_val, const CefString& url) override;
  void ExecuteJavaScript(const CefString& code,
                         const CefString& script_url,
                         int start_line) override;
  bool IsMain() override;
  bool IsFocused() override;
  CefString GetName() override;
  int64 GetIdentifier() override;
  CefRefPtr<CefFrame> GetParent() override;
  CefString GetURL() override;
  CefRefPtr<CefBrowser> GetBrowser() override;

 private:
  // Runs |action| on the page, for the main frame only.
  void Trigger(int action);

  CefRefPtr<BrowserHostImpl> browser_;
  const bool is_main_;
  const QUrl url_;
  const std::optional<SubFrameError> error_;

  IMPLEMENT_REFCOUNTING(FrameImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_BROWSER_FRAME_IMPL_H_
