#include "qtcef/src/browser/menu_model_impl.h"

namespace qtcef {

MenuModelImpl::MenuModelImpl(bool is_submenu) : is_submenu_(is_submenu) {}

bool MenuModelImpl::Insert(int index,
                           MenuItemType type,
                           int command_id,
                           const CefString& label,
                           int group_id) {
  if (index < 0 || index > GetCount())
    return false;
  Item item = {type, command_id, label, group_id, true, true, false, nullptr};
  if (type == MENUITEMTYPE_SUBMENU)
    item.submenu = new MenuModelImpl(true);
  items_.insert(items_.begin() + index, item);
  return true;
}

MenuModelImpl::Item* MenuModelImpl::Find(int command_id) {
  const int index = GetIndexOf(command_id);
  return index < 0 ? nullptr : &items_[index];
}

bool MenuModelImpl::Clear() {
  items_.clear();
  return true;
}

CefRefPtr<CefMenuModel> MenuModelImpl::AddSubMenu(int command_id,
                                                  const CefString& label) {
  Insert(GetCount(), MENUITEMTYPE_SUBMENU, command_id, label, -1);
  return items_.back().submenu.get();
}

bool MenuModelImpl::RemoveAt(int index) {
  if (index < 0 || index >= GetCount())
    return false;
  items_.erase(items_.begin() + index);
  return true;
}

int MenuModelImpl::GetIndexOf(int command_id) {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].command_id == command_id &&
        items_[i].type != MENUITEMTYPE_SEPARATOR)
      return static_cast<int>(i);
  }
  return -1;
}

bool MenuModelImpl::SetLabel(int command_id, const CefString& label) {
  Item* item = Find(command_id);
  if (item)
    item->label = label;
  return item != nullptr;
}

CefMenuModel::MenuItemType MenuModelImpl::GetTypeAt(int index) {
  return index >= 0 && index < GetCount() ? items_[index].type
                                          : MENUITEMTYPE_NONE;
}

bool MenuModelImpl::IsVisible(int command_id) {
  return Flag(command_id, &Item::visible);
}

bool MenuModelImpl::SetVisible(int command_id, bool visible) {
  return SetFlag(command_id, &Item::visible, visible);
}

bool MenuModelImpl::IsEnabled(int command_id) {
  return Flag(command_id, &Item::enabled);
}

bool MenuModelImpl::SetEnabled(int command_id, bool enabled) {
  return SetFlag(command_id, &Item::enabled, enabled);
}

bool MenuModelImpl::IsChecked(int command_id) {
  return Flag(command_id, &Item::checked);
}

bool MenuModelImpl::SetChecked(int command_id, bool checked) {
  return SetFlag(command_id, &Item::checked, checked);
}

bool MenuModelImpl::Flag(int command_id, bool Item::*flag) {
  const Item* item = Find(command_id);
  return item && item->*flag;
}

bool MenuModelImpl::SetFlag(int command_id, bool Item::*flag, bool value) {
  Item* item = Find(command_id);
  if (item)
    item->*flag = value;
  return item != nullptr;
}

}  // namespace qtcef
