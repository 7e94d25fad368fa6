// A stand-in for the game web server on 127.0.0.1, for the demo and for
// end-to-end tests of the client.

#include <httplib.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "demo/pages.h"

namespace {

constexpr char kHost[] = "127.0.0.1";
constexpr char kHtml[] = "text/html; charset=utf-8";
constexpr char kSessionCookie[] = "ztv_session";
constexpr char kLanding[] = "/login_standalone.html";

struct Options {
  int port = 0;
  std::string port_file;
  std::string client_version = "1.0.0.0";
  std::string web_version = "1";
};

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (i + 1 == argc)
      return false;
    const std::string value = argv[++i];
    if (name == "--port") {
      char* end = nullptr;
      const long port = std::strtol(value.c_str(), &end, 10);
      if (value.empty() || *end != '\0' || port < 0 || port > 65535)
        return false;
      options->port = static_cast<int>(port);
    } else if (name == "--port-file") {
      options->port_file = value;
    } else if (name == "--client-version") {
      options->client_version = value;
    } else if (name == "--web-version") {
      options->web_version = value;
    } else {
      return false;
    }
  }
  return true;
}

// Readers poll for the file, so they must never see it half written.
bool WritePortFile(const std::string& path, int port) {
  const std::string temp = path + ".tmp" + std::to_string(getpid());
  bool written = false;
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    written = static_cast<bool>(out << port << std::flush);
  }
  if (written && std::rename(temp.c_str(), path.c_str()) == 0)
    return true;
  std::remove(temp.c_str());
  return false;
}

// The value of the session cookie, or "" when the request has none.
std::string SessionPlayer(const httplib::Request& req) {
  const std::string header = req.get_header_value("Cookie");
  const std::string prefix = std::string(kSessionCookie) + "=";
  size_t pos = 0;
  while (pos < header.size()) {
    size_t end = header.find(';', pos);
    if (end == std::string::npos)
      end = header.size();
    const size_t start = header.find_first_not_of(' ', pos);
    if (start < end && header.compare(start, prefix.size(), prefix) == 0)
      return header.substr(start + prefix.size(), end - start - prefix.size());
    pos = end + 1;
  }
  return "";
}

// Keeps the name harmless in a cookie and in markup alike.
std::string CleanPlayerName(const std::string& raw) {
  std::string name;
  for (char c : raw) {
    if (name.size() == 32)
      break;
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
        (c >= '0' && c <= '9') || c == '_' || c == '-')
      name += c;
  }
  return name.empty() ? "adventurer" : name;
}

void SendHtml(httplib::Response& res, const std::string& html) {
  res.set_header("Cache-Control", "no-store");
  res.set_content(html, kHtml);
}

void AddRoutes(httplib::Server& server, const Options& options) {
  server.Get(kLanding, [&options](const httplib::Request& req,
                                  httplib::Response& res) {
    SendHtml(res, LandingPage(SessionPlayer(req), options.client_version,
                              options.web_version,
                              req.get_param_value("news") == "open"));
  });
  const auto login = [](const httplib::Request& req, httplib::Response& res) {
    res.set_header("Set-Cookie",
                   std::string(kSessionCookie) + "=" +
                       CleanPlayerName(req.get_param_value("player")) +
                       "; Path=/; Max-Age=2592000; SameSite=Lax");
    res.set_redirect(kLanding, 303);
  };
  server.Post("/login", login);
  // A link that logs in at once, for scripted runs: /login?player=<name>.
  server.Get("/login", login);
  // Leaves the game session alone: only the social login signs out here.
  server.Get("/logout.html",
             [](const httplib::Request&, httplib::Response& res) {
               SendHtml(res, SignedOutPage());
             });
  server.Get("/popup.html",
             [](const httplib::Request&, httplib::Response& res) {
               SendHtml(res, NewsPage());
             });
  // /soak.html?cycle=<seconds>&quiet=<seconds>, for long runs.
  server.Get(
      "/soak.html", [](const httplib::Request& req, httplib::Response& res) {
        const auto seconds = [&req](const char* name, int fallback) {
          const int value = std::atoi(req.get_param_value(name).c_str());
          return value > 0 && value <= 3600 ? value : fallback;
        };
        const int cycle = seconds("cycle", 60);
        SendHtml(res, SoakPage(cycle, std::min(seconds("quiet", 15), cycle)));
      });
  server.Get("/", [](const httplib::Request&, httplib::Response& res) {
    res.set_redirect(kLanding, 302);
  });
  server.Get("/health", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("ok", "text/plain");
  });
  server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
    SendHtml(res, ErrorPage(res.status));
  });
  server.set_logger(
      [](const httplib::Request& req, const httplib::Response& res) {
        std::fprintf(stderr, "%s %s %d\n", req.method.c_str(), req.path.c_str(),
                     res.status);
      });
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr,
                 "usage: %s [--port N] [--port-file PATH] "
                 "[--client-version V] [--web-version V]\n",
                 argv[0]);
    return 2;
  }

  // Blocked before any thread starts, so that only the waiter below sees
  // these signals.
  sigset_t stop_signals;
  sigemptyset(&stop_signals);
  sigaddset(&stop_signals, SIGTERM);
  sigaddset(&stop_signals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);

  httplib::Server server;
  // The library's default SO_REUSEPORT would let a second server share a
  // fixed port silently; SO_REUSEADDR alone still allows quick restarts.
  server.set_socket_options([](socket_t sock) {
    int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
  // Idle keep-alive connections hold up stop() for this long.
  server.set_keep_alive_timeout(1);
  AddRoutes(server, options);

  int port = options.port;
  if (port == 0)
    port = server.bind_to_any_port(kHost);
  else if (!server.bind_to_port(kHost, port))
    port = -1;
  if (port <= 0) {
    std::fprintf(stderr, "cannot listen on %s:%d\n", kHost, options.port);
    return 1;
  }
  std::printf("listening on http://%s:%d\n", kHost, port);
  std::fflush(stdout);
  if (!options.port_file.empty() && !WritePortFile(options.port_file, port)) {
    std::fprintf(stderr, "cannot write %s\n", options.port_file.c_str());
    return 1;
  }

  std::atomic<bool> signalled{false};
  std::atomic<bool> listening_ended{false};
  std::thread waiter([&] {
    int signal_number = 0;
    sigwait(&stop_signals, &signal_number);
    signalled = true;
    // stop() has no effect before the accept loop runs, so an early signal
    // waits for that loop.
    while (!server.is_running() && !listening_ended)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    server.stop();
  });
  server.listen_after_bind();
  listening_ended = true;
  const bool stopped_by_signal = signalled;
  // The server can also end on its own; the waiter then needs waking.
  if (!stopped_by_signal) {
    // Every thread blocks SIGTERM, so it only wakes the waiter's sigwait.
    pthread_kill(  // NOLINT(bugprone-bad-signal-to-kill-thread)
        waiter.native_handle(), SIGTERM);
  }
  waiter.join();
  return stopped_by_signal ? 0 : 1;
}
