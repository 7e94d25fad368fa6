#include "demo/pages.h"

#include <cstdio>

namespace {

constexpr char kStyle[] = R"(<style>
body{margin:0;min-height:100vh;display:flex;align-items:center;
justify-content:center;background:radial-gradient(circle at top,#2b2146,#0d0b17);
color:#e8dcc0;font:16px/1.5 Georgia,"Times New Roman",serif}
main{width:min(34rem,90vw);padding:2rem 2.5rem;background:#1b1628;
border:1px solid #8a6d3b;border-radius:10px;box-shadow:0 0 40px #000a}
h1{margin:0 0 .5rem;color:#e0b85a;font-size:2rem;letter-spacing:.08em;
text-align:center}
h1 span{display:block;font-size:2.5rem}
a{color:#9fc3ff}
.status{text-align:center;font-size:.85rem;color:#a89c80}
input,button{font:inherit;padding:.4rem .8rem;border-radius:6px;
border:1px solid #8a6d3b;background:#2a2238;color:#e8dcc0}
button{background:#7a5a1e;cursor:pointer}
button:hover{background:#9a7426}
nav{display:flex;gap:1rem;flex-wrap:wrap;align-items:center;margin:1rem 0}
iframe{width:100%;height:8rem;border:1px dashed #554a66;background:#120f1c}
</style>)";

// A complete document; |head_start| goes first in <head> so that it runs
// before anything else on the page.
std::string Page(const std::string& title,
                 const std::string& body,
                 const std::string& head_start = "") {
  return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n" + head_start +
         "<meta charset=\"utf-8\">\n<title>" + HtmlEscape(title) +
         "</title>\n" + kStyle + "\n</head>\n<body>\n<main>\n" +
         "<h1><span>&#9876;</span>Zentrova</h1>\n" + body +
         "</main>\n</body>\n</html>\n";
}

}  // namespace

std::string HtmlEscape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string JsString(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || c == '<' || c == '>' || c == '&' || c == '\'') {
      // Unicode escapes keep "</script>" and control characters out of the
      // literal while leaving its value unchanged.
      char escaped[7];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string LandingPage(const std::string& player,
                        const std::string& client_version,
                        const std::string& web_version,
                        bool open_news) {
  std::string markers = "<script>\nconsole.log(\"ZTV-Client-Version: \" + " +
                        JsString(client_version) +
                        ");\nconsole.log(\"ZTV-Version: \" + " +
                        JsString(web_version) + ");\n</script>\n";
  if (open_news) {
    markers +=
        "<script>\nwindow.addEventListener(\"load\", function() {\n"
        "  window.open(\"/popup.html\", \"news\", \"width=600,height=400\");"
        "\n});\n</script>\n";
  }
  std::string body;
  if (player.empty()) {
    body =
        "<p>The realm awaits. Name yourself, ruler, and claim your "
        "keep.</p>\n"
        "<form id=\"login-form\" method=\"post\" action=\"/login\">\n"
        "<input type=\"text\" name=\"player\" placeholder=\"Your name\" "
        "maxlength=\"32\" autofocus>\n"
        "<button type=\"submit\">Enter the realm</button>\n</form>\n"
        "<p id=\"status\" class=\"status\">logged-out</p>\n";
  } else {
    const std::string name = HtmlEscape(player);
    body = "<p>Welcome back, " + name +
           ". Your banners still fly over the northern marches.</p>\n"
           "<p id=\"status\" class=\"status\">logged-in:" +
           name + "</p>\n";
  }
  body +=
      "<nav>\n<a id=\"popup\" href=\"/popup.html\" target=\"_blank\">Realm "
      "news</a>\n"
      "<button id=\"popup-button\" type=\"button\" "
      "onclick=\"window.open('/popup.html', 'news', "
      "'width=600,height=400')\">News window</button>\n"
      "<a id=\"logout\" href=\"/logout.html?logout=true\">Log out of the "
      "social login</a>\n</nav>\n"
      "<p class=\"status\">Watchtower of the lost outpost:</p>\n"
      "<iframe id=\"broken-frame\" src=\"http://127.0.0.1:1/"
      "unreachable.html\" title=\"Lost outpost\"></iframe>\n";
  return Page(player.empty() ? "Zentrova - Login" : "Zentrova - Realm", body,
              markers);
}

std::string SignedOutPage() {
  return Page("Zentrova - Signed out",
              "<p>You have been signed out of the social login. Your realm "
              "stands guarded until you return.</p>\n"
              "<p><a id=\"back\" href=\"/login_standalone.html\">Return to "
              "the realm</a></p>\n"
              "<p id=\"status\" class=\"status\">signed-out</p>\n");
}

std::string NewsPage() {
  return Page("Zentrova - News",
              "<h2>Tidings from the realm</h2>\n"
              "<ul>\n<li>The river fortress of Vel Amar has opened its gates "
              "to traders once more.</li>\n"
              "<li>Scouts report dragon tracks beyond the Ashen Pass.</li>\n"
              "<li>The harvest festival grants every keep a double grain "
              "yield this week.</li>\n</ul>\n"
              "<button id=\"close\" type=\"button\" "
              "onclick=\"window.close()\">Close</button>\n");
}

std::string SoakPage(int cycle_seconds, int quiet_seconds) {
  const std::string cycle = std::to_string(cycle_seconds);
  const std::string quiet = std::to_string(quiet_seconds);
  return Page("Zentrova - Soak",
              "<div id=\"churn\"></div>\n<script>\n"
              "const cycle = " +
                  cycle + ", quiet = " + quiet +
                  ";\n"
                  R"(function busy() {
  return Math.floor(Date.now() / 1000) % cycle < cycle - quiet;
}
let tick = 0;
setInterval(() => {
  if (!busy()) return;
  console.log('soak tick ' + ++tick);
  const churn = document.getElementById('churn');
  churn.textContent = '';
  for (let i = 0; i < 200; ++i) {
    const unit = document.createElement('div');
    unit.textContent = 'unit ' + tick + '.' + i;
    churn.appendChild(unit);
  }
}, 50);
setInterval(() => {
  if (busy()) document.cookie = 'soak=' + Date.now() + '; path=/';
}, 1000);
// The page keeps hold of its popups, each closed by its own timer, so that
// neither a late timer nor navigating away leaves one open.
const popups = new Set();
let leaving = false;
function closePopup(popup) {
  if (popup) popup.close();
  popups.delete(popup);
}
setInterval(() => {
  if (!busy() || leaving) return;
  const popup = window.open('/popup.html', '_blank', 'width=320,height=240');
  popups.add(popup);
  setTimeout(() => closePopup(popup), 1000);
}, 2000);
setTimeout(function navigate() {
  if (!busy()) {
    setTimeout(navigate, 1000);
    return;
  }
  // A close that the page asks for just before it navigates can be lost in
  // Qt WebEngine: the navigation waits a moment, and opens nothing more.
  leaving = true;
  popups.forEach(closePopup);
  setTimeout(() => location.reload(), 500);
}, 7000);
</script>
)");
}

std::string ErrorPage(int status) {
  const std::string code = std::to_string(status);
  const bool not_found = status == 404;
  return Page(not_found ? "Zentrova - Not found" : "Zentrova - Error " + code,
              "<p>" +
                  std::string(not_found ? "This path leads nowhere in the "
                                          "realm."
                                        : "The realm could not answer.") +
                  " (" + code +
                  ")</p>\n"
                  "<p><a href=\"/login_standalone.html\">Return to the "
                  "realm</a></p>\n");
}
