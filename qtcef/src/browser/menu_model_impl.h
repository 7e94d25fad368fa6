// CefMenuModel: a list of menu items.

#ifndef QTCEF_SRC_BROWSER_MENU_MODEL_IMPL_H_
#define QTCEF_SRC_BROWSER_MENU_MODEL_IMPL_H_

#include <vector>

#include "include/cef_menu_model.h"

namespace qtcef {

class MenuModelImpl : public CefMenuModel {
 public:
  struct Item {
    MenuItemType type;
    int command_id;
    CefString label;
    int group_id;
    bool visible;
    bool enabled;
    bool checked;
    CefRefPtr<MenuModelImpl> submenu;
  };

  explicit MenuModelImpl(bool is_submenu);

  const std::vector<Item>& items() const { return items_; }

  bool IsSubMenu() override { return is_submenu_; }
  bool Clear() override;
  int GetCount() override { return static_cast<int>(items_.size()); }
  bool AddSeparator() override {
    return Insert(GetCount(), MENUITEMTYPE_SEPARATOR, -1, CefString(), -1);
  }
  bool AddItem(int command_id, const CefString& label) override {
    return Insert(GetCount(), MENUITEMTYPE_COMMAND, command_id, label, -1);
  }
  bool AddCheckItem(int command_id, const CefString& label) override {
    return Insert(GetCount(), MENUITEMTYPE_CHECK, command_id, label, -1);
  }
  bool AddRadioItem(int command_id,
                    const CefString& label,
                    int group_id) override {
    return Insert(GetCount(), MENUITEMTYPE_RADIO, command_id, label, group_id);
  }
  CefRefPtr<CefMenuModel> AddSubMenu(int command_id,
                                     const CefString& label) override;
  bool InsertSeparatorAt(int index) override {
    return Insert(index, MENUITEMTYPE_SEPARATOR, -1, CefString(), -1);
  }
  bool InsertItemAt(int index,
                    int command_id,
                    const CefString& label) override {
    return Insert(index, MENUITEMTYPE_COMMAND, command_id, label, -1);
  }
  bool Remove(int command_id) override {
    return RemoveAt(GetIndexOf(command_id));
  }
  bool RemoveAt(int index) override;
  int GetIndexOf(int command_id) override;
  int GetCommandIdAt(int index) override {
    return index >= 0 && index < GetCount() ? items_[index].command_id : -1;
  }
  CefString GetLabel(int command_id) override {
    return GetLabelAt(GetIndexOf(command_id));
  }
  CefString GetLabelAt(int index) override {
    return index >= 0 && index < GetCount() ? items_[index].label : CefString();
  }
  bool SetLabel(int command_id, const CefString& label) override;
  MenuItemType GetType(int command_id) override {
    return GetTypeAt(GetIndexOf(command_id));
  }
  MenuItemType GetTypeAt(int index) override;
  bool IsVisible(int command_id) override;
  bool SetVisible(int command_id, bool visible) override;
  bool IsEnabled(int command_id) override;
  bool SetEnabled(int command_id, bool enabled) override;
  bool IsChecked(int command_id) override;
  bool SetChecked(int command_id, bool checked) override;

 private:
  bool Insert(int index,
              MenuItemType type,
              int command_id,
              const CefString& label,
              int group_id);
  // NULL when no item has |command_id|.
  Item* Find(int command_id);
  // A flag of the item with |command_id|: false, or not set, without one.
  bool Flag(int command_id, bool Item::*flag);
  bool SetFlag(int command_id, bool Item::*flag, bool value);

  bool is_submenu_;
  std::vector<Item> items_;

  IMPLEMENT_REFCOUNTING(MenuModelImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_BROWSER_MENU_MODEL_IMPL_H_
