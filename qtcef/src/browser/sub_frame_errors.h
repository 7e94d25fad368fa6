// Load errors of sub-frames, which Qt WebEngine 6.4 does not report: it has
// no frame API, and its loadingChanged tells of the main frame only.
//
// A script in an isolated world of every sub-frame (out of the pages' reach)
// recognises Chromium's error page, reads the error's name and the failed
// URL from the data Chromium put into it, and reports them on the console,
// behind a token only this process knows. The frame is named by its path
// of indexes from the top frame. Content for the frame (CefFrame::LoadString)
// goes back by a message that a script in the top frame's isolated world
// posts to that frame, where the reporting script, and only for its own
// report, writes it into the error page's document.

#ifndef QTCEF_SRC_BROWSER_SUB_FRAME_ERRORS_H_
#define QTCEF_SRC_BROWSER_SUB_FRAME_ERRORS_H_

#include <QList>
#include <QString>
#include <QUrl>
#include <QWebEngineScript>

namespace qtcef {

struct SubFrameError {
  // Chosen by the frame's script for this report.
  QString id;
  // Indexes into window.frames, from the top frame down to the frame.
  QList<int> path;
  // Chromium's error name, such as "ERR_CONNECTION_REFUSED".
  QString error_name;
  QUrl url;
};

// The script that reports sub-frames' load errors, for a page's scripts.
QWebEngineScript SubFrameErrorScript();

// Whether the console |message| from |source_id| is a report of that
// script; if so, fills |error|.
bool ParseSubFrameError(const QString& message,
                        const QString& source_id,
                        SubFrameError* error);

// A script for the top frame's isolated world that shows |html| in the
// frame of |error| in place of its error page.
QString SubFrameContentScript(const SubFrameError& error, const QString& html);

}  // namespace qtcef

#endif  // QTCEF_SRC_BROWSER_SUB_FRAME_ERRORS_H_
