#include "client/handler/load_error_page.h"

namespace {

// Escapes the five characters that are special in HTML text and attributes.
std::string EscapeHtml(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::string BuildLoadErrorPage(const std::string& failed_url,
                               const std::string& error_text,
                               int error_code) {
  return "<html><body bgcolor=\"white\"><h2>Failed to load URL " +
         EscapeHtml(failed_url) + " with error " + EscapeHtml(error_text) +
         " (" + std::to_string(error_code) + ").</h2></body></html>";
}

std::string BuildRendererGonePage(int status) {
  return "<html><body bgcolor=\"white\"><h2>The game stopped unexpectedly "
         "(status " +
         std::to_string(status) +
         "). Please restart the application.</h2></body></html>";
}
