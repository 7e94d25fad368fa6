#include "qtcef/src/browser/sub_frame_errors.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

namespace qtcef {

namespace {

const char kScriptName[] = "qtcef-sub-frame-errors";

// 128 random bits, once per process: a page cannot guess it, so it cannot
// forge a report.
const QString& ReportToken() {
  static const QString token = [] {
    QString text = "qtcef-sub-frame-error-";
    for (int i = 0; i < 4; ++i)
      text += QString::number(QRandomGenerator::system()->generate(), 16)
                  .rightJustified(8, '0');
    return text + " ";
  }();
  return token;
}

// %1: the token. Chromium's network error page keeps its data as a JSON
// object in "const pageData = {...}" of one of its scripts.
const char kReportScript[] = R"JS((function () {
  if (window === window.top || location.href !== 'chrome-error://chromewebdata/')
    return;
  function readObject(text, from) {
    let depth = 0;
    let quoted = false;
    for (let i = from; i < text.length; ++i) {
      const c = text[i];
      if (quoted) {
        if (c === '\\') ++i;
        else if (c === '"') quoted = false;
      } else if (c === '"') {
        quoted = true;
      } else if (c === '{') {
        ++depth;
      } else if (c === '}' && --depth === 0) {
        return text.slice(from, i + 1);
      }
    }
    return null;
  }
  let data = null;
  for (const script of document.scripts) {
    const text = script.textContent;
    const at = text.indexOf('pageData = {');
    if (at < 0) continue;
    try {
      data = JSON.parse(readObject(text, text.indexOf('{', at)));
    } catch (e) {}
    if (data) break;
  }
  if (!data || typeof data.errorCode !== 'string' || !data.summary ||
      typeof data.summary.failedUrl !== 'string')
    return;
  const path = [];
  for (let w = window; w !== window.top; w = w.parent) {
    const siblings = w.parent.frames;
    let i = 0;
    while (i < siblings.length && siblings[i] !== w) ++i;
    if (i === siblings.length) return;
    path.unshift(i);
  }
  const bytes = crypto.getRandomValues(new Uint32Array(4));
  const id = Array.from(bytes, (n) => n.toString(16)).join('-');
  let shown = false;
  window.addEventListener('message', (event) => {
    const message = event.data;
    if (shown || event.source !== window.top || !message ||
        message.qtcefFrame !== id || typeof message.html !== 'string')
      return;
    shown = true;
    document.open();
    document.write(message.html);
    document.close();
  });
  console.log('%1' + JSON.stringify({id: id, path: path,
      error: data.errorCode, url: data.summary.failedUrl}));
})();)JS";

}  // namespace

QWebEngineScript SubFrameErrorScript() {
  QWebEngineScript script;
  script.setName(kScriptName);
  script.setWorldId(QWebEngineScript::ApplicationWorld);
  script.setRunsOnSubFrames(true);
  script.setInjectionPoint(QWebEngineScript::DocumentReady);
  script.setSourceCode(QString(kReportScript).arg(ReportToken()));
  return script;
}

bool ParseSubFrameError(const QString& message,
                        const QString& source_id,
                        SubFrameError* error) {
  if (source_id != QString("userscript:") + kScriptName ||
      !message.startsWith(ReportToken())) {
    return false;
  }
  const QJsonObject report =
      QJsonDocument::fromJson(message.mid(ReportToken().size()).toUtf8())
          .object();
  const QJsonArray path = report.value("path").toArray();
  if (report.value("id").toString().isEmpty() || path.isEmpty())
    return false;
  error->id = report.value("id").toString();
  error->path.clear();
  for (const auto& index : path) {
    if (!index.isDouble() || index.toInt(-1) < 0)
      return false;
    error->path.append(index.toInt());
  }
  error->error_name = report.value("error").toString();
  error->url = QUrl(report.value("url").toString());
  return true;
}

QString SubFrameContentScript(const SubFrameError& error, const QString& html) {
  QJsonArray path;
  for (int index : error.path)
    path.append(index);
  const QJsonObject message{{"qtcefFrame", error.id}, {"html", html}};
  return QString(
             "(function () {\n"
             "  let frame = window;\n"
             "  for (const index of %1) {\n"
             "    frame = frame.frames[index];\n"
             "    if (!frame) return;\n"
             "  }\n"
             "  frame.postMessage(%2, '*');\n"
             "})();")
      .arg(
          QString::fromUtf8(QJsonDocument(path).toJson(QJsonDocument::Compact)),
          QString::fromUtf8(
              QJsonDocument(message).toJson(QJsonDocument::Compact)));
}

}  // namespace qtcef
