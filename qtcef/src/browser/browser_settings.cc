#include "qtcef/src/browser/browser_settings.h"

#include <QWebEngineSettings>

namespace qtcef {

namespace {

struct StateAttribute {
  cef_state_t cef_browser_settings_t::*state;
  QWebEngineSettings::WebAttribute attribute;
};

const StateAttribute kStateAttributes[] = {
    {&cef_browser_settings_t::javascript,
     QWebEngineSettings::JavascriptEnabled},
    {&cef_browser_settings_t::javascript_access_clipboard,
     QWebEngineSettings::JavascriptCanAccessClipboard},
    {&cef_browser_settings_t::javascript_dom_paste,
     QWebEngineSettings::JavascriptCanPaste},
    {&cef_browser_settings_t::plugins, QWebEngineSettings::PluginsEnabled},
    {&cef_browser_settings_t::universal_access_from_file_urls,
     QWebEngineSettings::LocalContentCanAccessRemoteUrls},
    {&cef_browser_settings_t::file_access_from_file_urls,
     QWebEngineSettings::LocalContentCanAccessFileUrls},
    {&cef_browser_settings_t::image_loading,
     QWebEngineSettings::AutoLoadImages},
    {&cef_browser_settings_t::tab_to_links,
     QWebEngineSettings::LinksIncludedInFocusChain},
    {&cef_browser_settings_t::local_storage,
     QWebEngineSettings::LocalStorageEnabled},
    {&cef_browser_settings_t::webgl, QWebEngineSettings::WebGLEnabled},
};

}  // namespace

void ApplyBrowserSettings(const CefBrowserSettings& settings,
                          QWebEngineSettings* qt_settings) {
  for (const StateAttribute& entry : kStateAttributes) {
    const cef_state_t state = settings.*entry.state;
    if (state != STATE_DEFAULT)
      qt_settings->setAttribute(entry.attribute, state == STATE_ENABLED);
  }
  if (settings.default_font_size > 0)
    qt_settings->setFontSize(QWebEngineSettings::DefaultFontSize,
                             settings.default_font_size);
  if (settings.default_fixed_font_size > 0)
    qt_settings->setFontSize(QWebEngineSettings::DefaultFixedFontSize,
                             settings.default_fixed_font_size);
  if (settings.minimum_font_size > 0)
    qt_settings->setFontSize(QWebEngineSettings::MinimumFontSize,
                             settings.minimum_font_size);
  if (settings.minimum_logical_font_size > 0)
    qt_settings->setFontSize(QWebEngineSettings::MinimumLogicalFontSize,
                             settings.minimum_logical_font_size);
}

}  // namespace qtcef
