// Browser windows: their creation, X11 window, context menu, popups and
// close sequence.

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWebEngineView>
#include <algorithm>

#include "include/cef_task.h"
#include "tests/qtcef/engine_test.h"
#include "tests/qtcef/x11_window.h"

namespace {

// ctest selects qtcef's tests by the "qtcef" in their suite names.
using qtcef_Window = EngineTest;

// Right-clicks the middle of the page, as the player does.
void RightClick(QWebEngineView* view) {
  QWidget* target = view->focusProxy() ? view->focusProxy() : view;
  const QPointF point(target->width() / 2.0, target->height() / 2.0);
  const QPointF global = target->mapToGlobal(point);
  QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, point, global,
                      Qt::RightButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

TEST_F(qtcef_Window, BrowserCreationFollowsCefsOrder) {
  Initialize({}, false);
  EXPECT_EQ(app_->context_initialized, 1);
  const std::string url = WritePage("order.html", "<title>Order</title>");
  ASSERT_TRUE(OpenBrowser(url, CefRect(0, 0, 400, 300)));
  ASSERT_TRUE(RunUntil([&] { return client_->load_ends > 0; }));
  const std::vector<std::string> expected = {
      "process-handler", "context-initialized", "after-created",
      "process-handler", "before-browse"};
  ASSERT_GE(client_->events.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(client_->events.begin(),
                                     client_->events.begin() + 5),
            expected);
  EXPECT_EQ(app_->context_initialized, 1);
  EXPECT_EQ(app_->handler_queries, 2);
}

class QuitTask : public CefTask {
 public:
  void Execute() override { CefQuitMessageLoop(); }
  IMPLEMENT_REFCOUNTING(QuitTask);
};

TEST_F(qtcef_Window, OnlyAQuitPostedToTheLoopEndsItBeforeItRuns) {
  Initialize({}, false);
  // A quit while no loop runs does nothing, as in CEF...
  CefQuitMessageLoop();
  QTimer later;
  later.setSingleShot(true);
  bool ended_later = false;
  QObject::connect(&later, &QTimer::timeout, [&] {
    ended_later = true;
    CefQuitMessageLoop();
  });
  later.start(200);
  CefRunMessageLoop();
  EXPECT_TRUE(ended_later);

  // ...while one posted to the UI thread ends the loop as soon as it runs.
  EXPECT_FALSE(CefPostTask(TID_RENDERER, new QuitTask()));
  EXPECT_TRUE(CefPostTask(TID_UI, new QuitTask()));
  ended_later = false;
  later.start(10000);
  CefRunMessageLoop();
  EXPECT_FALSE(ended_later);
}

TEST_F(qtcef_Window, WindowIsAViewableTopLevelX11WindowAtTheGivenBounds) {
  Initialize({}, false);
  CefRefPtr<CefBrowser> browser = OpenBrowser("", CefRect(40, 50, 640, 480));
  ASSERT_TRUE(browser);
  const unsigned long window = browser->GetHost()->GetWindowHandle();
  ASSERT_NE(window, 0u);
  X11Geometry geometry;
  ASSERT_TRUE(RunUntil([&] {
    geometry = QueryWindow(window);
    return geometry.viewable;
  }));
  EXPECT_TRUE(geometry.top_level);
  EXPECT_EQ(geometry.x, 40);
  EXPECT_EQ(geometry.y, 50);
  EXPECT_EQ(geometry.width, 640);
  EXPECT_EQ(geometry.height, 480);
  // The client names the window itself, with Xlib.
  EXPECT_EQ(SetAndReadNetWmName(window, "Zentrova"), "Zentrova");
}

TEST_F(qtcef_Window, TryCloseBrowserRunsDoCloseThenOnBeforeClose) {
  Initialize({}, false);
  CefRefPtr<CefBrowser> browser = OpenBrowser("", CefRect(0, 0, 400, 300));
  ASSERT_TRUE(browser);
  bool loop_ended = false;
  client_->before_close = [&](CefRefPtr<CefBrowser>) { CefQuitMessageLoop(); };

  EXPECT_FALSE(browser->GetHost()->TryCloseBrowser());
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, [] { CefQuitMessageLoop(); });
  deadline.start(20000);
  CefRunMessageLoop();
  loop_ended = !client_->closed.empty();

  ASSERT_TRUE(loop_ended);
  const std::vector<std::string> tail(client_->events.end() - 2,
                                      client_->events.end());
  EXPECT_EQ(tail, std::vector<std::string>({"do-close", "before-close"}));
  EXPECT_TRUE(client_->closed.front()->IsSame(browser));
  EXPECT_EQ(browser->GetHost()->GetWindowHandle(), 0u);
  EXPECT_TRUE(browser->GetHost()->TryCloseBrowser());
}

TEST_F(qtcef_Window, PlayerClosingTheWindowRunsTheCloseSequence) {
  Initialize({}, false);
  CefRefPtr<CefBrowser> browser = OpenBrowser("", CefRect(0, 0, 400, 300));
  ASSERT_TRUE(browser);
  SendDeleteWindow(browser->GetHost()->GetWindowHandle());
  ASSERT_TRUE(RunUntil([&] { return !client_->closed.empty(); }));
  const std::vector<std::string> tail(client_->events.end() - 2,
                                      client_->events.end());
  EXPECT_EQ(tail, std::vector<std::string>({"do-close", "before-close"}));
  EXPECT_EQ(browser->GetHost()->GetWindowHandle(), 0u);
}

TEST_F(qtcef_Window, DoCloseReturningTrueLeavesTheWindowToTheClient) {
  Initialize({}, false);
  CefRefPtr<CefBrowser> browser = OpenBrowser("", CefRect(0, 0, 400, 300));
  ASSERT_TRUE(browser);
  client_->do_close = [](CefRefPtr<CefBrowser>) { return true; };
  browser->GetHost()->CloseBrowser(false);
  ASSERT_TRUE(RunUntil([&] {
    return std::count(client_->events.begin(), client_->events.end(),
                      "do-close") == 1;
  }));
  EXPECT_FALSE(RunUntil([&] { return !client_->closed.empty(); }, 500));
  EXPECT_NE(browser->GetHost()->GetWindowHandle(), 0u);

  // The client then closes the window, which now goes.
  SendDeleteWindow(browser->GetHost()->GetWindowHandle());
  ASSERT_TRUE(RunUntil([&] { return !client_->closed.empty(); }));
  EXPECT_EQ(browser->GetHost()->GetWindowHandle(), 0u);
}

TEST_F(qtcef_Window, ContextMenuShowsOnlyWhatTheModelKeeps) {
  Initialize({}, false);
  const std::string url =
      WritePage("menu.html", "<body style='height:100%'>Menu</body>");
  CefRefPtr<CefBrowser> browser = OpenBrowser(url, CefRect(0, 0, 400, 300));
  ASSERT_TRUE(browser);
  ASSERT_TRUE(RunUntil([&] { return client_->load_ends > 0; }));
  QWebEngineView* view = ViewOf(browser);
  ASSERT_TRUE(view);

  // Left as it is, the model shows Qt's standard items.
  RightClick(view);
  ASSERT_TRUE(RunUntil([] { return QApplication::activePopupWidget(); }));
  EXPECT_GT(client_->context_menu_items, 0);
  QApplication::activePopupWidget()->close();
  ASSERT_TRUE(RunUntil([] { return !QApplication::activePopupWidget(); }));

  // Emptied, it shows no menu at all.
  client_->context_menu_items = -1;
  client_->edit_context_menu = [](CefRefPtr<CefMenuModel> model) {
    model->Clear();
  };
  RightClick(view);
  ASSERT_TRUE(RunUntil([&] { return client_->context_menu_items >= 0; }));
  EXPECT_GT(client_->context_menu_items, 0);
  EXPECT_FALSE(
      RunUntil([] { return QApplication::activePopupWidget(); }, 1000));
}

TEST_F(qtcef_Window, WindowOpenMakesAPopupWithTheOpenersClient) {
  Initialize({}, false);
  const std::string popup =
      WritePage("popup.html",
                "<title>Popup</title><script>console.log('in-popup');"
                "</script>");
  const std::string opener =
      WritePage("opener.html", "<script>window.open('popup.html');</script>");
  CefRefPtr<CefBrowser> browser = OpenBrowser(opener, CefRect(0, 0, 400, 300));
  ASSERT_TRUE(browser);
  ASSERT_TRUE(RunUntil([&] { return client_->created.size() == 2; }));
  CefRefPtr<CefBrowser> created = client_->created.back();
  EXPECT_TRUE(created->IsPopup());
  EXPECT_FALSE(browser->IsPopup());
  EXPECT_NE(created->GetIdentifier(), browser->GetIdentifier());
  EXPECT_EQ(created->GetHost()->GetClient().get(),
            static_cast<CefClient*>(client_.get()));
  EXPECT_NE(created->GetHost()->GetWindowHandle(), 0u);
  EXPECT_NE(created->GetHost()->GetWindowHandle(),
            browser->GetHost()->GetWindowHandle());
  EXPECT_EQ(created->GetHost()->GetOpenerWindowHandle(),
            browser->GetHost()->GetWindowHandle());
  EXPECT_NE(std::find(client_->events.begin(), client_->events.end(),
                      "before-popup " + popup),
            client_->events.end());

  // The popup reports like any browser.
  ASSERT_TRUE(RunUntil([&] { return client_->HasConsole("in-popup"); }));
  ASSERT_TRUE(RunUntil([&] {
    return std::find(client_->titles.begin(), client_->titles.end(), "Popup") !=
           client_->titles.end();
  }));
  EXPECT_EQ(created->GetMainFrame()->GetURL().ToString(), popup);
}

}  // namespace
