#ifndef TESTS_SUPPORT_DEVTOOLS_LINUX_H_
#define TESTS_SUPPORT_DEVTOOLS_LINUX_H_

#include <string>
#include <vector>

// Reads what a page of a running browser shows through Chromium's remote
// debugging protocol, for end-to-end tests of the real client (started with
// --remote-debugging-port=<port>).
class DevTools {
 public:
  explicit DevTools(int port) : port_(port) {}

  struct Page {
    std::string title;
    std::string url;
    std::string socket_path;  // of webSocketDebuggerUrl
  };
  // The open pages; empty while the browser is not listening yet.
  std::vector<Page> Pages();

  // Sends one protocol command with |params| (a JSON object) and returns
  // the raw reply; empty on failure.
  std::string Call(const Page& page,
                   const std::string& method,
                   const std::string& params);

  // Evaluates |expression| in the page and returns its string value (or the
  // raw reply when it is not a string); empty on failure.
  std::string Evaluate(const Page& page, const std::string& expression);

  // Evaluates |expression| in an isolated world of each sub-frame of the
  // page, whatever its origin, and returns the string values in the order
  // of the page's frame tree.
  std::vector<std::string> EvaluateInSubFrames(const Page& page,
                                               const std::string& expression);

 private:
  int port_;
};

// |text| as a JSON string literal.
std::string JsonQuote(const std::string& text);

// The value of the JSON string member |name| at or after |from| in |json|,
// unescaped (\" \\ \n \t \/ \uXXXX for the Basic Multilingual Plane).
std::string JsonString(const std::string& json,
                       const std::string& name,
                       size_t from = 0);

#endif  // TESTS_SUPPORT_DEVTOOLS_LINUX_H_
