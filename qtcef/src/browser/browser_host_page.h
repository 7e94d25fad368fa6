// The Qt page of a browser, which reports its events to the client's
// handlers.

#ifndef QTCEF_SRC_BROWSER_BROWSER_HOST_PAGE_H_
#define QTCEF_SRC_BROWSER_BROWSER_HOST_PAGE_H_

#include <QWebEnginePage>

#include "include/cef_request.h"
#include "qtcef/src/browser/sub_frame_errors.h"

class QWebEngineLoadingInfo;

namespace qtcef {

class BrowserHostImpl;

class BrowserHostPage : public QWebEnginePage {
 public:
  BrowserHostPage(QWebEngineProfile* profile, BrowserHostImpl* browser);

  // The next main-frame navigation to a data: URL shows a string that
  // LoadString gave for |url|, which the request handler sees in its place.
  void ExpectString(const QUrl& url) { string_url_ = url; }

 protected:
  bool acceptNavigationRequest(const QUrl& url,
                               NavigationType type,
                               bool is_main_frame) override;
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                const QString& message,
                                int line_number,
                                const QString& source_id) override;

 private:
  void OnLoadingChanged(const QWebEngineLoadingInfo& info);
  void OnTitleChanged(const QString& title);
  void OnUrlChanged(const QUrl& url);
  void OnLoadProgress(int progress);
  void OnRenderProcessTerminated(RenderProcessTerminationStatus status);
  // Tells the load handler of a sub-frame that failed to load.
  void OnSubFrameError(const SubFrameError& error);

  BrowserHostImpl* browser_;
  QUrl string_url_;
  CefRequest::TransitionType transition_;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_BROWSER_BROWSER_HOST_PAGE_H_
