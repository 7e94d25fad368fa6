#include "qtcef/src/browser/context_menu.h"

#include <QMenu>
#include <QWebEngineView>

#include "qtcef/src/browser/browser_host_impl.h"
#include "qtcef/src/browser/browser_host_page.h"
#include "qtcef/src/browser/context_menu_params_impl.h"
#include "qtcef/src/browser/menu_model_impl.h"
#include "qtcef/src/process/post_task.h"
#include "qtcef/src/runtime/string_util.h"

namespace qtcef {

namespace {

struct Command {
  QWebEnginePage::WebAction action;
  int command_id;
};

// Qt's items with CEF's command IDs; those CEF has no ID for take IDs from
// CEF's custom range.
const Command kCommands[] = {
    {QWebEnginePage::Back, MENU_ID_BACK},
    {QWebEnginePage::Forward, MENU_ID_FORWARD},
    {QWebEnginePage::Reload, MENU_ID_RELOAD},
    {QWebEnginePage::ReloadAndBypassCache, MENU_ID_RELOAD_NOCACHE},
    {QWebEnginePage::Stop, MENU_ID_STOPLOAD},
    {QWebEnginePage::Undo, MENU_ID_UNDO},
    {QWebEnginePage::Redo, MENU_ID_REDO},
    {QWebEnginePage::Cut, MENU_ID_CUT},
    {QWebEnginePage::Copy, MENU_ID_COPY},
    {QWebEnginePage::Paste, MENU_ID_PASTE},
    {QWebEnginePage::SelectAll, MENU_ID_SELECT_ALL},
    {QWebEnginePage::ViewSource, MENU_ID_VIEW_SOURCE},
    {QWebEnginePage::OpenLinkInThisWindow, MENU_ID_CUSTOM_FIRST},
    {QWebEnginePage::OpenLinkInNewWindow, MENU_ID_CUSTOM_FIRST + 1},
    {QWebEnginePage::OpenLinkInNewTab, MENU_ID_CUSTOM_FIRST + 2},
    {QWebEnginePage::OpenLinkInNewBackgroundTab, MENU_ID_CUSTOM_FIRST + 3},
    {QWebEnginePage::CopyLinkToClipboard, MENU_ID_CUSTOM_FIRST + 4},
    {QWebEnginePage::DownloadLinkToDisk, MENU_ID_CUSTOM_FIRST + 5},
    {QWebEnginePage::CopyImageToClipboard, MENU_ID_CUSTOM_FIRST + 6},
    {QWebEnginePage::CopyImageUrlToClipboard, MENU_ID_CUSTOM_FIRST + 7},
    {QWebEnginePage::DownloadImageToDisk, MENU_ID_CUSTOM_FIRST + 8},
    {QWebEnginePage::CopyMediaUrlToClipboard, MENU_ID_CUSTOM_FIRST + 9},
    {QWebEnginePage::ToggleMediaControls, MENU_ID_CUSTOM_FIRST + 10},
    {QWebEnginePage::ToggleMediaLoop, MENU_ID_CUSTOM_FIRST + 11},
    {QWebEnginePage::ToggleMediaPlayPause, MENU_ID_CUSTOM_FIRST + 12},
    {QWebEnginePage::ToggleMediaMute, MENU_ID_CUSTOM_FIRST + 13},
    {QWebEnginePage::DownloadMediaToDisk, MENU_ID_CUSTOM_FIRST + 14},
    {QWebEnginePage::InspectElement, MENU_ID_CUSTOM_FIRST + 15},
    {QWebEnginePage::ExitFullScreen, MENU_ID_CUSTOM_FIRST + 16},
    {QWebEnginePage::SavePage, MENU_ID_CUSTOM_FIRST + 17},
    {QWebEnginePage::PasteAndMatchStyle, MENU_ID_CUSTOM_FIRST + 18},
    {QWebEnginePage::Unselect, MENU_ID_CUSTOM_FIRST + 19},
};

const Command* FindCommand(int command_id) {
  for (const Command& command : kCommands) {
    if (command.command_id == command_id)
      return &command;
  }
  return nullptr;
}

}  // namespace

void ContextMenu::Show(CefRefPtr<BrowserHostImpl> browser,
                       QWebEngineView* view,
                       const QPoint& position) {
  CefRefPtr<ContextMenu> menu = new ContextMenu(browser, view);
  menu->Run(position);
}

ContextMenu::ContextMenu(CefRefPtr<BrowserHostImpl> browser,
                         QWebEngineView* view)
    : browser_(browser),
      handler_(browser->ContextMenuHandler()),
      frame_(browser->GetMainFrame()),
      params_(new ContextMenuParamsImpl(*view->lastContextMenuRequest(),
                                        view->url())),
      model_(new MenuModelImpl(false)),
      view_(view),
      done_(false) {}

void ContextMenu::Run(const QPoint& position) {
  AddStandardItems();
  if (handler_)
    handler_->OnBeforeContextMenu(browser_.get(), frame_, params_, model_);
  // A model the client emptied shows no menu at all.
  if (model_->GetCount() == 0)
    return;
  if (handler_ &&
      handler_->RunContextMenu(browser_.get(), frame_, params_, model_, this))
    return;
  QMenu* menu = new QMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  AddItems(menu, model_.get());
  CefRefPtr<ContextMenu> self(this);
  // A chosen item is triggered after the menu hides, and CEF reports the
  // command before the dismissal.
  QObject::connect(menu, &QMenu::aboutToHide,
                   [self] { PostTask([self] { self->Dismiss(); }); });
  menu->popup(view_->mapToGlobal(position));
}

void ContextMenu::AddStandardItems() {
  QMenu* standard = view_->createStandardContextMenu();
  for (QAction* action : standard->actions()) {
    if (action->isSeparator()) {
      model_->AddSeparator();
      continue;
    }
    for (const Command& command : kCommands) {
      if (view_->pageAction(command.action) != action)
        continue;
      const CefString label = ToCefString(action->text());
      if (action->isCheckable())
        model_->AddCheckItem(command.command_id, label);
      else
        model_->AddItem(command.command_id, label);
      model_->SetEnabled(command.command_id, action->isEnabled());
      model_->SetChecked(command.command_id, action->isChecked());
    }
  }
  delete standard;
}

void ContextMenu::AddItems(QMenu* menu, MenuModelImpl* model) {
  CefRefPtr<ContextMenu> self(this);
  for (const MenuModelImpl::Item& item : model->items()) {
    if (!item.visible)
      continue;
    const QString label = ToQString(item.label);
    if (item.type == MENUITEMTYPE_SEPARATOR) {
      menu->addSeparator();
    } else if (item.type == MENUITEMTYPE_SUBMENU) {
      QMenu* submenu = menu->addMenu(label);
      submenu->setEnabled(item.enabled);
      AddItems(submenu, item.submenu.get());
    } else {
      QAction* action = menu->addAction(label);
      action->setEnabled(item.enabled);
      action->setCheckable(item.type != MENUITEMTYPE_COMMAND);
      action->setChecked(item.checked);
      const int command_id = item.command_id;
      QObject::connect(action, &QAction::triggered, [self, command_id] {
        self->Execute(command_id, EVENTFLAG_NONE);
      });
    }
  }
}

void ContextMenu::Continue(int command_id, EventFlags event_flags) {
  Execute(command_id, event_flags);
  Dismiss();
}

void ContextMenu::Cancel() {
  Dismiss();
}

void ContextMenu::Execute(int command_id, EventFlags event_flags) {
  if (done_ || (handler_ &&
                handler_->OnContextMenuCommand(browser_.get(), frame_, params_,
                                               command_id, event_flags)))
    return;
  const Command* command = FindCommand(command_id);
  if (command && browser_->page())
    browser_->page()->triggerAction(command->action);
}

void ContextMenu::Dismiss() {
  if (done_)
    return;
  done_ = true;
  if (handler_)
    handler_->OnContextMenuDismissed(browser_.get(), frame_);
}

}  // namespace qtcef
