#include "qtcef/src/browser/sub_frame_errors.h"

#include <gtest/gtest.h>

namespace {

// The token, as the script that reports with it holds it.
QString ReportToken() {
  const QString source = qtcef::SubFrameErrorScript().sourceCode();
  const QString before = "console.log('";
  const int at = source.indexOf(before) + before.size();
  return source.mid(at, source.indexOf('\'', at) - at);
}

TEST(qtcef_SubFrameErrors, OnlyTheScriptsOwnReportsCount) {
  const QString source = "userscript:qtcef-sub-frame-errors";
  const QString report =
      R"({"id":"a-b","path":[0,2],"error":"ERR_CONNECTION_REFUSED",)"
      R"("url":"http://127.0.0.1:9/x?a=%3Cb%3E"})";
  ASSERT_TRUE(ReportToken().startsWith("qtcef-sub-frame-error-"));
  struct Case {
    const char* label;
    QString message;
    QString source_id;
    bool counts;
  } const cases[] = {
      {"the script's report", ReportToken() + report, source, true},
      {"from the page's own script", ReportToken() + report,
       "http://127.0.0.1/page.js", false},
      {"without the token", report, source, false},
      {"another token", "qtcef-sub-frame-error-0123456789abcdef " + report,
       source, false},
      {"not JSON", ReportToken() + "{", source, false},
      {"no path", ReportToken() + R"({"id":"a","path":[]})", source, false},
      {"a negative index", ReportToken() + R"({"id":"a","path":[-1]})", source,
       false},
      {"an index that is text", ReportToken() + R"({"id":"a","path":["0"]})",
       source, false},
      {"no id", ReportToken() + R"({"path":[0]})", source, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    qtcef::SubFrameError error;
    ASSERT_EQ(qtcef::ParseSubFrameError(c.message, c.source_id, &error),
              c.counts);
    if (!c.counts)
      continue;
    EXPECT_EQ(error.id.toStdString(), "a-b");
    EXPECT_EQ(error.path, QList<int>({0, 2}));
    EXPECT_EQ(error.error_name.toStdString(), "ERR_CONNECTION_REFUSED");
    EXPECT_EQ(error.url.toString().toStdString(),
              "http://127.0.0.1:9/x?a=%3Cb%3E");
  }
}

TEST(qtcef_SubFrameErrors, ContentGoesToTheFrameAsOneJsonMessage) {
  qtcef::SubFrameError error;
  error.id = "a'b";
  error.path = {1, 0};
  const QString script =
      qtcef::SubFrameContentScript(error, "<h2 a=\"%1\">x\n</script>'</h2>");
  EXPECT_TRUE(script.contains("of [1,0])"));
  EXPECT_TRUE(script.contains(
      R"(frame.postMessage({"html":"<h2 a=\"%1\">x\n</script>'</h2>",)"
      R"("qtcefFrame":"a'b"}, '*');)"))
      << script.toStdString();
}

}  // namespace
