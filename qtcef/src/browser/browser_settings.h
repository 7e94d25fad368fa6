// CefBrowserSettings as QWebEngineSettings.

#ifndef QTCEF_SRC_BROWSER_BROWSER_SETTINGS_H_
#define QTCEF_SRC_BROWSER_BROWSER_SETTINGS_H_

#include "include/internal/cef_types_wrappers.h"

class QWebEngineSettings;

namespace qtcef {

// Sets each attribute Qt has for a field not left at STATE_DEFAULT, and the
// font sizes given; the rest follow the profile's preferences.
void ApplyBrowserSettings(const CefBrowserSettings& settings,
                          QWebEngineSettings* qt_settings);

}  // namespace qtcef

#endif  // QTCEF_SRC_BROWSER_BROWSER_SETTINGS_H_
