// How CEF's settings and Chromium switches reach Qt WebEngine, which reads
// its configuration from the environment when it starts.

#ifndef QTCEF_SRC_PROCESS_CHROMIUM_FLAGS_H_
#define QTCEF_SRC_PROCESS_CHROMIUM_FLAGS_H_

#include <map>
#include <string>

#include "include/internal/cef_types_wrappers.h"

namespace qtcef {

typedef std::map<std::string, std::string> SwitchMap;

// The switches in |after| that are not in |before| with the same value.
SwitchMap AddedSwitches(const SwitchMap& before, const SwitchMap& after);

// The switches CEF derives from |settings|.
SwitchMap SettingsSwitches(const CefSettings& settings);

// "--name" or "--name=value" for each switch, separated by spaces.
std::string JoinSwitches(const SwitchMap& switches);

// Sets the variables Qt WebEngine reads: the sandbox switch and
// QTWEBENGINE_CHROMIUM_FLAGS, to which |switches| are appended.
void ExportToQtWebEngine(const CefSettings& settings,
                         const SwitchMap& switches);

}  // namespace qtcef

#endif  // QTCEF_SRC_PROCESS_CHROMIUM_FLAGS_H_
