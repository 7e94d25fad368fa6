#include "qtcef/src/browser/browser_host_page.h"

#include <QLoggingCategory>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

#include "qtcef/src/browser/browser_host_impl.h"
#include "qtcef/src/browser/frame_impl.h"
#include "qtcef/src/browser/net_error.h"
#include "qtcef/src/browser/request_impl.h"
#include "qtcef/src/runtime/string_util.h"

namespace qtcef {

namespace {

// Page console messages that the client lets through: errors only, unless
// QT_LOGGING_RULES asks for more (for example "js.info=true").
Q_LOGGING_CATEGORY(ConsoleLog, "js", QtCriticalMsg)

CefRequest::TransitionType ToTransition(QWebEnginePage::NavigationType type) {
  switch (type) {
    case QWebEnginePage::NavigationTypeLinkClicked:
      return TT_LINK;
    case QWebEnginePage::NavigationTypeFormSubmitted:
      return TT_FORM_SUBMIT;
    case QWebEnginePage::NavigationTypeBackForward:
      return static_cast<CefRequest::TransitionType>(TT_EXPLICIT |
                                                     TT_FORWARD_BACK_FLAG);
    case QWebEnginePage::NavigationTypeReload:
      return TT_RELOAD;
    case QWebEnginePage::NavigationTypeRedirect:
      return static_cast<CefRequest::TransitionType>(TT_EXPLICIT |
                                                     TT_SERVER_REDIRECT_FLAG);
    default:
      return TT_EXPLICIT;
  }
}

cef_log_severity_t ToSeverity(
    QWebEnginePage::JavaScriptConsoleMessageLevel level) {
  switch (level) {
    case QWebEnginePage::WarningMessageLevel:
      return LOGSEVERITY_WARNING;
    case QWebEnginePage::ErrorMessageLevel:
      return LOGSEVERITY_ERROR;
    default:
      return LOGSEVERITY_INFO;
  }
}

}  // namespace

BrowserHostPage::BrowserHostPage(QWebEngineProfile* profile,
                                 BrowserHostImpl* browser)
    : QWebEnginePage(profile), browser_(browser), transition_(TT_EXPLICIT) {
  scripts().insert(SubFrameErrorScript());
  // CEF lets pages ask for fullscreen; Qt refuses unless told otherwise.
  settings()->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
  connect(this, &QWebEnginePage::loadingChanged, this,
          &BrowserHostPage::OnLoadingChanged);
  connect(this, &QWebEnginePage::titleChanged, this,
          &BrowserHostPage::OnTitleChanged);
  connect(this, &QWebEnginePage::urlChanged, this,
          &BrowserHostPage::OnUrlChanged);
  connect(this, &QWebEnginePage::loadProgress, this,
          &BrowserHostPage::OnLoadProgress);
  connect(this, &QWebEnginePage::renderProcessTerminated, this,
          &BrowserHostPage::OnRenderProcessTerminated);
  connect(this, &QWebEnginePage::windowCloseRequested, this,
          [this] { browser_->OnPageCloseRequested(); });
  connect(this, &QWebEnginePage::fullScreenRequested, this,
          [this](QWebEngineFullScreenRequest request) {
            browser_->OnFullScreenRequested(request);
          });
  connect(this, &QWebEnginePage::newWindowRequested, this,
          [this](QWebEngineNewWindowRequest& request) {
            browser_->OnNewWindowRequested(request);
          });
}

bool BrowserHostPage::acceptNavigationRequest(const QUrl& url,
                                              NavigationType type,
                                              bool is_main_frame) {
  QUrl target = url;
  if (is_main_frame && url.scheme() == "data" && !string_url_.isEmpty()) {
    target = string_url_;
    string_url_.clear();
  }
  if (is_main_frame)
    transition_ = ToTransition(type);
  CefRefPtr<CefRequestHandler> handler = browser_->RequestHandler();
  if (!handler)
    return true;
  CefRefPtr<CefRequest> request = RequestImpl::ForNavigation(
      ToCefString(target), is_main_frame ? RT_MAIN_FRAME : RT_SUB_FRAME,
      ToTransition(type));
  // Qt tells no more of the user's part than the kind of navigation.
  const bool user_gesture =
      type == NavigationTypeLinkClicked || type == NavigationTypeFormSubmitted;
  return !handler->OnBeforeBrowse(
      browser_, browser_->Frame(is_main_frame, target), request, user_gesture,
      type == NavigationTypeRedirect);
}

void BrowserHostPage::javaScriptConsoleMessage(
    JavaScriptConsoleMessageLevel level,
    const QString& message,
    int line_number,
    const QString& source_id) {
  SubFrameError error;
  if (ParseSubFrameError(message, source_id, &error)) {
    OnSubFrameError(error);
    return;
  }
  CefRefPtr<CefDisplayHandler> handler = browser_->DisplayHandler();
  if (handler && handler->OnConsoleMessage(browser_, ToSeverity(level),
                                           ToCefString(message),
                                           ToCefString(source_id), line_number))
    return;
  // Logged in Qt WebEngine's "js" category, but escaped: the text is the
  // page's to choose.
  const QString text = EscapeControls(message) + " (" +
                       EscapeControls(source_id) + ":" +
                       QString::number(line_number) + ")";
  switch (level) {
    case ErrorMessageLevel:
      qCCritical(ConsoleLog).noquote() << text;
      break;
    case WarningMessageLevel:
      qCWarning(ConsoleLog).noquote() << text;
      break;
    default:
      qCInfo(ConsoleLog).noquote() << text;
  }
}

void BrowserHostPage::OnLoadingChanged(const QWebEngineLoadingInfo& info) {
  CefRefPtr<CefLoadHandler> handler = browser_->LoadHandler();
  if (!handler)
    return;
  CefRefPtr<CefFrame> frame = browser_->Frame(true, info.url());
  const bool http_status =
      info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain;
  switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
      handler->OnLoadingStateChange(browser_, true, history()->canGoBack(),
                                    history()->canGoForward());
      handler->OnLoadStart(browser_, frame, transition_);
      return;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
      handler->OnLoadEnd(browser_, frame, http_status ? info.errorCode() : 200);
      break;
    default:
      // A response with an HTTP error status still loads its page.
      if (http_status) {
        handler->OnLoadEnd(browser_, frame, info.errorCode());
      } else {
        const int code = info.errorCode() ? info.errorCode() : ERR_ABORTED;
        handler->OnLoadError(
            browser_, frame, static_cast<cef_errorcode_t>(code),
            ToCefString(NetErrorName(code, info.errorString())),
            ToCefString(info.url()));
      }
      break;
  }
  handler->OnLoadingStateChange(browser_, false, history()->canGoBack(),
                                history()->canGoForward());
}

void BrowserHostPage::OnSubFrameError(const SubFrameError& error) {
  CefRefPtr<CefLoadHandler> handler = browser_->LoadHandler();
  if (!handler)
    return;
  // The name is Chromium's own, from its error page.
  const QString name =
      error.error_name.startsWith("ERR_") ? error.error_name : "ERR_FAILED";
  handler->OnLoadError(browser_, new FrameImpl(browser_, error),
                       static_cast<cef_errorcode_t>(NetErrorCode(name)),
                       ToCefString(name), ToCefString(error.url));
}

void BrowserHostPage::OnTitleChanged(const QString& title) {
  if (CefRefPtr<CefDisplayHandler> handler = browser_->DisplayHandler())
    handler->OnTitleChange(browser_, ToCefString(title));
}

void BrowserHostPage::OnUrlChanged(const QUrl& url) {
  if (CefRefPtr<CefDisplayHandler> handler = browser_->DisplayHandler())
    handler->OnAddressChange(browser_, browser_->Frame(true, url),
                             ToCefString(url));
}

void BrowserHostPage::OnLoadProgress(int progress) {
  if (CefRefPtr<CefDisplayHandler> handler = browser_->DisplayHandler())
    handler->OnLoadingProgressChange(browser_, progress / 100.0);
}

void BrowserHostPage::OnRenderProcessTerminated(
    RenderProcessTerminationStatus status) {
  CefRefPtr<CefRequestHandler> handler = browser_->RequestHandler();
  if (!handler || status == NormalTerminationStatus)
    return;
  CefRequestHandler::TerminationStatus cef_status = TS_ABNORMAL_TERMINATION;
  if (status == CrashedTerminationStatus)
    cef_status = TS_PROCESS_CRASHED;
  else if (status == KilledTerminationStatus)
    cef_status = TS_PROCESS_WAS_KILLED;
  handler->OnRenderProcessTerminated(browser_, cef_status);
}

}  // namespace qtcef
