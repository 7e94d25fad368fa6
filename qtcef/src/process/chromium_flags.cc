#include "qtcef/src/process/chromium_flags.h"
#include "qtcef/src/runtime/string_util.h"

#include <stdlib.h>

namespace qtcef {

SwitchMap AddedSwitches(const SwitchMap& before, const SwitchMap& after) {
  SwitchMap added;
  for (const auto& entry : after) {
    auto it = before.find(entry.first);
    if (it == before.end() || it->second != entry.second)
      added.insert(entry);
  }
  return added;
}

SwitchMap SettingsSwitches(const CefSettings& settings) {
  SwitchMap switches;
  if (settings.no_sandbox)
    switches["no-sandbox"] = "";
  if (settings.ignore_certificate_errors)
    switches["ignore-certificate-errors"] = "";
  if (settings.remote_debugging_port > 0)
    switches["remote-debugging-port"] =
        std::to_string(settings.remote_debugging_port);
  const std::string js_flags =
      ToQString(settings.javascript_flags).toStdString();
  if (!js_flags.empty())
    switches["js-flags"] = js_flags;
  const std::string locale = ToQString(settings.locale).toStdString();
  if (!locale.empty())
    switches["lang"] = locale;
  return switches;
}

std::string JoinSwitches(const SwitchMap& switches) {
  std::string joined;
  for (const auto& entry : switches) {
    if (!joined.empty())
      joined += ' ';
    joined += "--" + entry.first;
    if (!entry.second.empty())
      joined += "=" + entry.second;
  }
  return joined;
}

void ExportToQtWebEngine(const CefSettings& settings,
                         const SwitchMap& switches) {
  // Qt 6 takes no Chromium switches from the program's own arguments.
  if (settings.no_sandbox)
    setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
  std::string flags = JoinSwitches(switches);
  if (flags.empty())
    return;
  if (const char* existing = getenv("QTWEBENGINE_CHROMIUM_FLAGS")) {
    if (*existing)
      flags = std::string(existing) + " " + flags;
  }
  setenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.c_str(), 1);
}

}  // namespace qtcef
