#include "qtcef/src/runtime/string_util.h"

#include <gtest/gtest.h>

namespace {

TEST(qtcef_StringUtil, EscapeControlsLeavesNoControlCharacter) {
  struct Case {
    const char* label;
    QString text;
    QString escaped;
  } const cases[] = {
      {"plain and non-ASCII text", QStringLiteral(u"Zentrova é ✓"),
       QStringLiteral(u"Zentrova é ✓")},
      {"terminal escape", QStringLiteral(u"\x1b[2Jx"),
       QStringLiteral(u"\\x1b[2Jx")},
      {"line ends and tab", QStringLiteral(u"a\r\nb\tc"),
       QStringLiteral(u"a\\x0d\\x0ab\\x09c")},
      {"NUL and DEL", QString(QChar(0)) + QStringLiteral(u"\x7f"),
       QStringLiteral(u"\\x00\\x7f")},
      {"C1 controls", QStringLiteral(u"\x85\x9b"),
       QStringLiteral(u"\\u0085\\u009b")},
      {"a backslash stays unambiguous", QStringLiteral(u"\\x1b"),
       QStringLiteral(u"\\\\x1b")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(qtcef::EscapeControls(c.text).toStdString(),
              c.escaped.toStdString());
  }
}

}  // namespace
