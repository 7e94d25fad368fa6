#ifndef CLIENT_HANDLER_LOAD_ERROR_PAGE_H_
#define CLIENT_HANDLER_LOAD_ERROR_PAGE_H_

#include <string>

// The page shown in place of a frame that failed to load: the URL, the error
// text and the error code, with the URL and text HTML-escaped so that a
// crafted address cannot inject markup into a page shown under its origin.
std::string BuildLoadErrorPage(const std::string& failed_url,
                               const std::string& error_text,
                               int error_code);

// The page shown, in the same style, in place of a game whose renderer kept
// dying: |status| is the engine's termination status.
std::string BuildRendererGonePage(int status);

#endif  // CLIENT_HANDLER_LOAD_ERROR_PAGE_H_
