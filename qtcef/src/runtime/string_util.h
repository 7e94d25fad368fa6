// Conversions between CEF's strings and Qt's, which are both UTF-16.

#ifndef QTCEF_SRC_RUNTIME_STRING_UTIL_H_
#define QTCEF_SRC_RUNTIME_STRING_UTIL_H_

#include <QString>
#include <QUrl>

#include "include/internal/cef_string.h"

namespace qtcef {

QString ToQString(const cef_string_t& str);
QString ToQString(const CefString& str);
CefString ToCefString(const QString& str);
CefString ToCefString(const QUrl& url);
// Replaces the contents of |out| with a copy of |str|.
void SetCefString(const QString& str, cef_string_t* out);
// |text| from a web page, made safe for a terminal or a log: every C0 and C1
// control character, DEL and the backslash itself become "\xNN" or
// "\uNNNN" escapes, so nothing a page writes can move the cursor, clear
// the screen or forge a log line.
QString EscapeControls(const QString& text);

}  // namespace qtcef

#endif  // QTCEF_SRC_RUNTIME_STRING_UTIL_H_
