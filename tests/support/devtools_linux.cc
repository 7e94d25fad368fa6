#include "tests/support/devtools_linux.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <random>

namespace {

class Socket {
 public:
  explicit Socket(int port) : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval timeout = {10, 0};
    setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
    connected_ = fd_ >= 0 && connect(fd_, reinterpret_cast<sockaddr*>(&address),
                                     sizeof(address)) == 0;
  }
  ~Socket() {
    if (fd_ >= 0)
      close(fd_);
  }
  bool connected() const { return connected_; }

  bool Send(const std::string& bytes) {
    return write(fd_, bytes.data(), bytes.size()) ==
           static_cast<ssize_t>(bytes.size());
  }
  // Appends what arrives to |bytes|; false at the end or on time-out.
  bool Receive(std::string* bytes) {
    char buffer[65536];
    const ssize_t got = read(fd_, buffer, sizeof(buffer));
    if (got <= 0)
      return false;
    bytes->append(buffer, static_cast<size_t>(got));
    return true;
  }

 private:
  int fd_;
  bool connected_ = false;
};

void AppendUtf8(unsigned code, std::string* out) {
  if (code < 0x80) {
    *out += static_cast<char>(code);
  } else if (code < 0x800) {
    *out += static_cast<char>(0xC0 | (code >> 6));
    *out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    *out += static_cast<char>(0xE0 | (code >> 12));
    *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::string JsonQuote(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\')
      quoted += '\\';
    if (c == '\n') {
      quoted += "\\n";
      continue;
    }
    quoted += c;
  }
  return quoted + "\"";
}

namespace {

// One masked text frame, as a client must send it.
std::string TextFrame(const std::string& payload) {
  std::string frame;
  frame += static_cast<char>(0x81);
  const size_t size = payload.size();
  if (size < 126) {
    frame += static_cast<char>(0x80 | size);
  } else {
    frame += static_cast<char>(0x80 | 126);
    frame += static_cast<char>((size >> 8) & 0xFF);
    frame += static_cast<char>(size & 0xFF);
  }
  std::random_device random;
  char mask[4];
  for (char& byte : mask)
    byte = static_cast<char>(random());
  frame.append(mask, 4);
  for (size_t i = 0; i < size; ++i)
    frame += static_cast<char>(payload[i] ^ mask[i % 4]);
  return frame;
}

// Takes one complete unmasked frame's payload off the front of |bytes|.
bool TakeFrame(std::string* bytes, std::string* payload) {
  if (bytes->size() < 2)
    return false;
  size_t size = static_cast<unsigned char>((*bytes)[1]) & 0x7F;
  size_t header = 2;
  if (size == 126) {
    if (bytes->size() < 4)
      return false;
    size = (static_cast<unsigned char>((*bytes)[2]) << 8) |
           static_cast<unsigned char>((*bytes)[3]);
    header = 4;
  } else if (size == 127) {
    if (bytes->size() < 10)
      return false;
    size = 0;
    for (int i = 2; i < 10; ++i)
      size = (size << 8) | static_cast<unsigned char>((*bytes)[i]);
    header = 10;
  }
  if (bytes->size() < header + size)
    return false;
  *payload = bytes->substr(header, size);
  bytes->erase(0, header + size);
  return true;
}

}  // namespace

std::string JsonString(const std::string& json,
                       const std::string& name,
                       size_t from) {
  const std::string key = "\"" + name + "\"";
  size_t at = json.find(key, from);
  if (at == std::string::npos)
    return std::string();
  at = json.find('"', json.find(':', at + key.size()));
  if (at == std::string::npos)
    return std::string();
  std::string value;
  for (size_t i = at + 1; i < json.size() && json[i] != '"'; ++i) {
    if (json[i] != '\\') {
      value += json[i];
      continue;
    }
    const char escaped = json[++i];
    switch (escaped) {
      case 'n':
        value += '\n';
        break;
      case 't':
        value += '\t';
        break;
      case 'u':
        AppendUtf8(std::stoul(json.substr(i + 1, 4), nullptr, 16), &value);
        i += 4;
        break;
      default:
        value += escaped;
    }
  }
  return value;
}

std::vector<DevTools::Page> DevTools::Pages() {
  std::vector<Page> pages;
  Socket socket(port_);
  if (!socket.connected() ||
      !socket.Send("GET /json/list HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                   "Connection: close\r\n\r\n")) {
    return pages;
  }
  // The server keeps the connection open: the reply ends where its length
  // says.
  std::string reply;
  for (;;) {
    const size_t body = reply.find("\r\n\r\n");
    const size_t length = reply.find("Content-Length:");
    if (body != std::string::npos && length != std::string::npos &&
        reply.size() >= body + 4 + std::stoul(reply.substr(length + 15))) {
      break;
    }
    if (!socket.Receive(&reply))
      break;
  }
  for (size_t at = reply.find('{'); at != std::string::npos;
       at = reply.find('{', at + 1)) {
    const size_t end = reply.find('}', at);
    const std::string object = reply.substr(at, end - at);
    if (JsonString(object, "type") != "page")
      continue;
    const std::string socket_url = JsonString(object, "webSocketDebuggerUrl");
    const size_t path = socket_url.find('/', socket_url.find("//") + 2);
    pages.push_back({JsonString(object, "title"), JsonString(object, "url"),
                     path == std::string::npos ? "" : socket_url.substr(path)});
  }
  return pages;
}

std::string DevTools::Evaluate(const Page& page,
                               const std::string& expression) {
  const std::string reply = Call(
      page, "Runtime.evaluate",
      "{\"expression\":" + JsonQuote(expression) + ",\"returnByValue\":true}");
  if (reply.find("\"type\":\"string\"") != std::string::npos)
    return JsonString(reply, "value");
  return reply;
}

std::string DevTools::Call(const Page& page,
                           const std::string& method,
                           const std::string& params) {
  Socket socket(port_);
  const std::string handshake =
      "GET " + page.socket_path +
      " HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\n"
      "Connection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
      "Sec-WebSocket-Version: 13\r\n\r\n";
  if (!socket.connected() || !socket.Send(handshake))
    return std::string();
  std::string bytes;
  while (bytes.find("\r\n\r\n") == std::string::npos) {
    if (!socket.Receive(&bytes))
      return std::string();
  }
  bytes.erase(0, bytes.find("\r\n\r\n") + 4);
  socket.Send(TextFrame("{\"id\":1,\"method\":" + JsonQuote(method) +
                        ",\"params\":" + params + "}"));
  for (;;) {
    std::string payload;
    while (!TakeFrame(&bytes, &payload)) {
      if (!socket.Receive(&bytes))
        return std::string();
    }
    if (payload.find("\"id\":1") != std::string::npos)
      return payload;
  }
}

std::vector<std::string> DevTools::EvaluateInSubFrames(
    const Page& page,
    const std::string& expression) {
  const std::string tree = Call(page, "Page.getFrameTree", "{}");
  std::vector<std::string> values;
  const std::string frame = "\"frame\":";
  // The first frame of the tree is the main frame.
  size_t at = tree.find(frame);
  while (at != std::string::npos &&
         (at = tree.find(frame, at + 1)) != std::string::npos) {
    const std::string world =
        Call(page, "Page.createIsolatedWorld",
             "{\"frameId\":" + JsonQuote(JsonString(tree, "id", at)) + "}");
    const std::string context = "\"executionContextId\":";
    const size_t context_at = world.find(context);
    if (context_at == std::string::npos)
      continue;
    const std::string reply =
        Call(page, "Runtime.evaluate",
             "{\"expression\":" + JsonQuote(expression) + ",\"contextId\":" +
                 std::to_string(
                     std::atol(world.c_str() + context_at + context.size())) +
                 ",\"returnByValue\":true}");
    values.push_back(JsonString(reply, "value"));
  }
  return values;
}
