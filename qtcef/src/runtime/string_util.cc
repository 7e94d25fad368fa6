#include "qtcef/src/runtime/string_util.h"

namespace qtcef {

QString ToQString(const cef_string_t& str) {
  return QString::fromUtf16(reinterpret_cast<const char16_t*>(str.str),
                            static_cast<qsizetype>(str.length));
}

QString ToQString(const CefString& str) {
  return QString::fromUtf16(reinterpret_cast<const char16_t*>(str.c_str()),
                            static_cast<qsizetype>(str.length()));
}

CefString ToCefString(const QString& str) {
  return CefString(reinterpret_cast<const char16*>(str.utf16()),
                   static_cast<size_t>(str.size()), true);
}

CefString ToCefString(const QUrl& url) {
  return ToCefString(url.toString());
}

void SetCefString(const QString& str, cef_string_t* out) {
  cef_string_utf16_set(reinterpret_cast<const char16*>(str.utf16()),
                       static_cast<size_t>(str.size()), out, 1);
}

QString EscapeControls(const QString& text) {
  QString escaped;
  escaped.reserve(text.size());
  for (const QChar c : text) {
    const char16_t unit = c.unicode();
    if (unit == u'\\')
      escaped += QStringLiteral("\\\\");
    else if (unit < 0x20 || unit == 0x7F)
      escaped += QStringLiteral("\\x%1").arg(uint(unit), 2, 16, QChar(u'0'));
    else if (unit >= 0x80 && unit <= 0x9F)
      escaped += QStringLiteral("\\u%1").arg(uint(unit), 4, 16, QChar(u'0'));
    else
      escaped += c;
  }
  return escaped;
}

}  // namespace qtcef
