// CEF's Views over Qt widgets: browser views, top-level windows and their
// close sequence, and how layouts size views.

#include <QTimer>
#include <QWebEngineView>
#include <algorithm>
#include <iterator>

#include "include/views/cef_browser_view.h"
#include "include/views/cef_panel.h"
#include "include/views/cef_window.h"
#include "tests/qtcef/engine_test.h"
#include "tests/qtcef/test_view_delegates.h"
#include "tests/qtcef/x11_window.h"

namespace {

// ctest selects qtcef's tests by the "qtcef" in their suite names.
class qtcef_Views : public EngineTest {
 protected:
  CefRefPtr<CefBrowserView> CreateView(const std::string& url) {
    return CefBrowserView::CreateBrowserView(
        client_.get(), url, CefBrowserSettings(), nullptr,
        new TestBrowserViewDelegate(client_.get()));
  }

  // Opens a window showing |content|, whose CanClose asks |view|'s browser.
  // The window holds the delegate, which stays valid until it is released.
  CefRefPtr<CefWindow> OpenWindow(CefRefPtr<CefView> content,
                                  CefRefPtr<CefBrowserView> view,
                                  TestWindowDelegate** delegate) {
    *delegate = new TestWindowDelegate(client_.get(), content, view,
                                       &delegate_released_);
    return CefWindow::CreateTopLevelWindow(*delegate);
  }

  // The events from the last |name| on.
  std::vector<std::string> EventsFromLast(const std::string& name) const {
    const std::vector<std::string>& events = client_->events;
    auto last = std::find(events.rbegin(), events.rend(), name);
    if (last == events.rend())
      return {};
    return std::vector<std::string>(last.base() - 1, events.end());
  }

  // Runs the message loop as the client does, until its OnBeforeClose ends
  // it; returns whether it did within |timeout_ms|.
  bool RunUntilBeforeCloseQuits(int timeout_ms) {
    client_->before_close = [](CefRefPtr<CefBrowser>) { CefQuitMessageLoop(); };
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] { CefQuitMessageLoop(); });
    deadline.start(timeout_ms);
    CefRunMessageLoop();
    return !client_->closed.empty();
  }

  X11Geometry WaitUntilViewable(unsigned long window) {
    X11Geometry geometry;
    RunUntil([&] {
      geometry = QueryWindow(window);
      return geometry.viewable;
    });
    return geometry;
  }

  bool delegate_released_ = false;
};

TEST_F(qtcef_Views, BrowserViewGetsItsBrowserOnceInAWindow) {
  Initialize({}, false);
  CefRefPtr<CefBrowserView> view =
      CreateView(WritePage("view.html", "<title>View</title>"));
  ASSERT_TRUE(view);
  EXPECT_FALSE(view->GetBrowser());
  EXPECT_FALSE(view->GetWindow());
  EXPECT_FALSE(RunUntil([&] { return view->GetBrowser() != nullptr; }, 300));
  EXPECT_TRUE(client_->created.empty());

  TestWindowDelegate* delegate = nullptr;
  CefRefPtr<CefWindow> window = OpenWindow(view, view, &delegate);
  ASSERT_TRUE(window);
  // OnWindowCreated ran before CreateTopLevelWindow returned, and adding the
  // view created the browser, in CEF's order.
  EXPECT_EQ(EventsFromLast("window-created"),
            std::vector<std::string>({"window-created", "browser-created",
                                      "after-created", "process-handler",
                                      "added, has browser"}));
  CefRefPtr<CefBrowser> browser = view->GetBrowser();
  ASSERT_TRUE(browser);
  ASSERT_EQ(client_->created.size(), 1u);
  EXPECT_TRUE(browser->IsSame(client_->created.front()));
  EXPECT_EQ(CefBrowserView::GetForBrowser(browser).get(), view.get());
  EXPECT_TRUE(view->GetWindow()->IsSame(window));
  EXPECT_TRUE(view->GetParentView()->IsSame(window));
  EXPECT_TRUE(view->AsBrowserView());
  EXPECT_FALSE(view->AsPanel());
  EXPECT_TRUE(window->AsPanel()->AsWindow());
  ASSERT_EQ(window->GetChildViewCount(), 1u);
  EXPECT_TRUE(window->GetChildViewAt(0)->IsSame(view));
  EXPECT_TRUE(browser->GetHost()->HasView());
  EXPECT_EQ(browser->GetHost()->GetWindowHandle(), window->GetWindowHandle());

  // The page loads after OnAfterCreated.
  ASSERT_TRUE(RunUntil([&] { return client_->load_ends > 0; }));
  EXPECT_EQ(EventsFromLast("added, has browser")[1], "before-browse");

  // The window has the default size, which the browser's view fills.
  const X11Geometry geometry = WaitUntilViewable(window->GetWindowHandle());
  EXPECT_TRUE(geometry.viewable);
  EXPECT_EQ(geometry.width, 800);
  EXPECT_EQ(geometry.height, 600);
  QWebEngineView* qt_view = ViewOf(browser);
  ASSERT_TRUE(qt_view);
  EXPECT_TRUE(RunUntil([&] {
    return qt_view->isVisible() && qt_view->size() == QSize(800, 600);
  }));
}

TEST_F(qtcef_Views, PanelGivesItsBrowserViewABrowserOnceInAWindow) {
  Initialize({}, false);
  CefRefPtr<CefBrowserView> view = CreateView("");
  CefRefPtr<CefPanel> panel = CefPanel::CreatePanel(nullptr);
  ASSERT_TRUE(panel);
  panel->AddChildView(view);
  EXPECT_TRUE(view->GetParentView()->IsSame(panel));
  EXPECT_FALSE(view->GetWindow());
  EXPECT_FALSE(view->GetBrowser());

  TestWindowDelegate* delegate = nullptr;
  CefRefPtr<CefWindow> window = OpenWindow(panel, view, &delegate);
  ASSERT_TRUE(view->GetBrowser());
  EXPECT_TRUE(view->GetWindow()->IsSame(window));
  EXPECT_TRUE(panel->GetWindow()->IsSame(window));

  // Taken out of the window, the view keeps its browser.
  window->RemoveChildView(panel);
  EXPECT_EQ(window->GetChildViewCount(), 0u);
  EXPECT_FALSE(view->GetWindow());
  EXPECT_TRUE(view->GetBrowser());
  EXPECT_EQ(view->GetBrowser()->GetHost()->GetWindowHandle(), 0u);
}

// Views' box layout arithmetic beyond CEF's own panel tests: insets,
// spacing, end alignment, default flex, shrinking, hidden children, and the
// preferred size the layout gives its panel. The children prefer 10x20 and
// 30x10.
TEST_F(qtcef_Views, BoxLayoutSizesChildrenByTheirPreferredSizes) {
  Initialize({}, false);
  struct Case {
    CefBoxLayoutSettings settings;
    int child1_flex;  // -1 leaves the default
    bool child2_visible;
    CefSize size;
    CefRect child1;
    CefRect child2;
    CefSize preferred;
  };
  const Case kCases[] = {
      {[] {
         CefBoxLayoutSettings settings;
         settings.horizontal = true;
         settings.between_child_spacing = 5;
         settings.inside_border_insets = {1, 2, 3, 4};
         return settings;
       }(),
       -1, true, CefSize(100, 50), CefRect(2, 1, 10, 46),
       CefRect(17, 1, 30, 46), CefSize(51, 24)},
      {[] {
         CefBoxLayoutSettings settings;
         settings.inside_border_horizontal_spacing = 3;
         settings.inside_border_vertical_spacing = 4;
         settings.main_axis_alignment = CEF_MAIN_AXIS_ALIGNMENT_END;
         settings.cross_axis_alignment = CEF_CROSS_AXIS_ALIGNMENT_END;
         return settings;
       }(),
       -1, true, CefSize(100, 100), CefRect(87, 66, 10, 20),
       CefRect(67, 86, 30, 10), CefSize(36, 38)},
      {[] {
         CefBoxLayoutSettings settings;
         settings.horizontal = true;
         settings.default_flex = 1;
         return settings;
       }(),
       0, true, CefSize(100, 50), CefRect(0, 0, 10, 50), CefRect(10, 0, 90, 50),
       CefSize(40, 20)},
      {[] {
         CefBoxLayoutSettings settings;
         settings.horizontal = true;
         settings.default_flex = 1;
         return settings;
       }(),
       -1, true, CefSize(30, 10), CefRect(0, 0, 5, 10), CefRect(5, 0, 25, 10),
       CefSize(40, 20)},
      {[] {
         CefBoxLayoutSettings settings;
         settings.minimum_cross_axis_size = 50;
         settings.cross_axis_alignment = CEF_CROSS_AXIS_ALIGNMENT_CENTER;
         return settings;
       }(),
       -1, false, CefSize(100, 100), CefRect(45, 0, 10, 20), CefRect(),
       CefSize(50, 20)},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    const Case& c = kCases[i];
    CefRefPtr<CefPanel> panel = CefPanel::CreatePanel(nullptr);
    CefRefPtr<CefPanel> child1 =
        CefPanel::CreatePanel(new SizedPanelDelegate(CefSize(10, 20)));
    CefRefPtr<CefPanel> child2 =
        CefPanel::CreatePanel(new SizedPanelDelegate(CefSize(30, 10)));
    CefRefPtr<CefBoxLayout> layout = panel->SetToBoxLayout(c.settings);
    panel->AddChildView(child1);
    panel->AddChildView(child2);
    if (c.child1_flex >= 0)
      layout->SetFlexForView(child1, c.child1_flex);
    child2->SetVisible(c.child2_visible);
    EXPECT_EQ(panel->GetPreferredSize(), c.preferred);
    // Resizing lays the panel out.
    panel->SetSize(c.size);
    EXPECT_EQ(child1->GetBounds(), c.child1);
    if (c.child2_visible) {
      EXPECT_EQ(child2->GetBounds(), c.child2);
    }
  }
}

// What a shown window shows is what its views report: children added to it
// are laid out on the next turn, and resized other than through the API, it
// lays them out again.
TEST_F(qtcef_Views, ShownWindowPlacesItsViewsWidgetsAsTheyReport) {
  Initialize({}, false);
  CefRefPtr<CefWindow> window = CefWindow::CreateTopLevelWindow(nullptr);
  window->CenterWindow(CefSize(400, 300));
  window->Show();
  CefBoxLayoutSettings settings;
  settings.horizontal = true;
  CefRefPtr<CefBoxLayout> layout = window->SetToBoxLayout(settings);
  CefRefPtr<CefPanel> fixed =
      CefPanel::CreatePanel(new SizedPanelDelegate(CefSize(100, 10)));
  CefRefPtr<CefPanel> flexible = CefPanel::CreatePanel(nullptr);
  window->AddChildView(fixed);
  window->AddChildView(flexible);
  layout->SetFlexForView(flexible, 1);

  QWidget* top = QWidget::find(window->GetWindowHandle());
  ASSERT_TRUE(top);
  const QList<QWidget*> widgets =
      top->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_EQ(widgets.size(), 2);
  auto shown = [](QWidget* widget) {
    const QRect bounds = widget->geometry();
    return CefRect(bounds.x(), bounds.y(), bounds.width(), bounds.height());
  };
  auto shows = [&](const CefRect& first, const CefRect& second) {
    return fixed->GetBounds() == first && shown(widgets[0]) == first &&
           flexible->GetBounds() == second && shown(widgets[1]) == second;
  };
  EXPECT_TRUE(RunUntil([&] {
    return shows(CefRect(0, 0, 100, 300), CefRect(100, 0, 300, 300));
  }));
  top->resize(600, 200);
  EXPECT_TRUE(RunUntil([&] {
    return shows(CefRect(0, 0, 100, 200), CefRect(100, 0, 500, 200));
  }));
  window->Close();
}

TEST_F(qtcef_Views, WindowShowsItsTitleOnAViewableTopLevelX11Window) {
  Initialize({}, false);
  CefRefPtr<CefBrowserView> view = CreateView("");
  TestWindowDelegate* delegate =
      new TestWindowDelegate(client_.get(), view, view, &delegate_released_);
  delegate->preferred_size = CefSize(640, 480);
  CefRefPtr<CefWindow> window = CefWindow::CreateTopLevelWindow(delegate);
  ASSERT_TRUE(window);
  window->SetTitle("Zentrova");
  EXPECT_EQ(window->GetTitle().ToString(), "Zentrova");
  const unsigned long handle = window->GetWindowHandle();
  ASSERT_NE(handle, 0u);

  const X11Geometry geometry = WaitUntilViewable(handle);
  EXPECT_TRUE(geometry.viewable);
  EXPECT_TRUE(geometry.top_level);
  EXPECT_EQ(geometry.width, 640);
  EXPECT_EQ(geometry.height, 480);
  EXPECT_TRUE(window->IsVisible());
  EXPECT_TRUE(RunUntil([&] { return ReadNetWmName(handle) == "Zentrova"; }));

  window->SetTitle("Zentrova - Arena");
  EXPECT_TRUE(
      RunUntil([&] { return ReadNetWmName(handle) == "Zentrova - Arena"; }));
  // Qt keeps the X11 window it first made.
  EXPECT_EQ(window->GetWindowHandle(), handle);
}

TEST_F(qtcef_Views, PlayerClosingTheWindowRunsCefsCloseSequence) {
  Initialize({}, false);
  CefRefPtr<CefBrowserView> view = CreateView("");
  TestWindowDelegate* delegate = nullptr;
  CefRefPtr<CefWindow> window = OpenWindow(view, view, &delegate);
  CefRefPtr<CefBrowser> browser = view->GetBrowser();
  ASSERT_TRUE(browser);
  const unsigned long handle = window->GetWindowHandle();
  ASSERT_TRUE(WaitUntilViewable(handle).viewable);

  // A CanClose that says no keeps the window open.
  delegate->refuse_close = true;
  SendDeleteWindow(handle);
  ASSERT_TRUE(RunUntil([&] {
    return std::count(client_->events.begin(), client_->events.end(),
                      "can-close: no") == 1;
  }));
  EXPECT_FALSE(RunUntil([&] { return !client_->closed.empty(); }, 500));
  EXPECT_FALSE(window->IsClosed());
  EXPECT_TRUE(QueryWindow(handle).viewable);
  EXPECT_EQ(
      std::count(client_->events.begin(), client_->events.end(), "do-close"),
      0);

  // Asked again, the client's CanClose lets the browser decide.
  delegate->refuse_close = false;
  SendDeleteWindow(handle);
  ASSERT_TRUE(RunUntilBeforeCloseQuits(20000));
  EXPECT_EQ(EventsFromLast("do-close"),
            std::vector<std::string>({"do-close", "can-close: yes",
                                      "browser-destroyed", "before-close",
                                      "window-destroyed"}));
  EXPECT_EQ(std::count(client_->events.begin(), client_->events.end(),
                       "can-close: no"),
            2);
  EXPECT_TRUE(client_->closed.front()->IsSame(browser));
  EXPECT_TRUE(delegate_released_);
  EXPECT_TRUE(window->IsClosed());
  EXPECT_EQ(window->GetWindowHandle(), 0u);
  EXPECT_FALSE(view->GetBrowser());
  EXPECT_FALSE(view->IsValid());
  EXPECT_EQ(browser->GetHost()->GetWindowHandle(), 0u);
  EXPECT_TRUE(browser->GetHost()->TryCloseBrowser());
  Shutdown();
}

TEST_F(qtcef_Views, TryCloseBrowserClosesTheViewsWindow) {
  Initialize({}, false);
  CefRefPtr<CefBrowserView> view = CreateView("");
  TestWindowDelegate* delegate = nullptr;
  CefRefPtr<CefWindow> window = OpenWindow(view, view, &delegate);
  CefRefPtr<CefBrowser> browser = view->GetBrowser();
  ASSERT_TRUE(browser);

  EXPECT_FALSE(browser->GetHost()->TryCloseBrowser());
  ASSERT_TRUE(RunUntilBeforeCloseQuits(20000));
  EXPECT_EQ(EventsFromLast("do-close"),
            std::vector<std::string>({"do-close", "can-close: yes",
                                      "browser-destroyed", "before-close",
                                      "window-destroyed"}));
  EXPECT_TRUE(delegate_released_);
  EXPECT_TRUE(window->IsClosed());
  Shutdown();
}

TEST_F(qtcef_Views, PageTitleReachesOnTitleChangeForABrowserInAView) {
  Initialize({}, false);
  CefRefPtr<CefBrowserView> view =
      CreateView(WritePage("title.html",
                           "<title>First</title><script>setTimeout(function() {"
                           " document.title = 'Second'; }, 100);</script>"));
  TestWindowDelegate* delegate = nullptr;
  CefRefPtr<CefWindow> window = OpenWindow(view, view, &delegate);
  ASSERT_TRUE(view->GetBrowser());
  ASSERT_TRUE(RunUntil([&] {
    return std::find(client_->titles.begin(), client_->titles.end(),
                     "Second") != client_->titles.end();
  }));
  EXPECT_NE(std::find(client_->titles.begin(), client_->titles.end(), "First"),
            client_->titles.end());

  // As the client does, the title goes to the browser's window.
  CefRefPtr<CefWindow> browser_window =
      CefBrowserView::GetForBrowser(client_->created.front())->GetWindow();
  ASSERT_TRUE(browser_window);
  browser_window->SetTitle(client_->titles.back());
  const unsigned long handle = window->GetWindowHandle();
  EXPECT_TRUE(RunUntil([&] { return ReadNetWmName(handle) == "Second"; }));
}

}  // namespace
