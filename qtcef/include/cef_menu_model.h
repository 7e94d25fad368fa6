// Menus, such as the context menu.

#ifndef CEF_INCLUDE_CEF_MENU_MODEL_H_
#define CEF_INCLUDE_CEF_MENU_MODEL_H_

#include "include/cef_base.h"

// The items of a menu, addressed by command ID or by index from 0. UI thread
// only.
class CefMenuModel : public virtual CefBaseRefCounted {
 public:
  typedef cef_menu_item_type_t MenuItemType;

  virtual bool IsSubMenu() = 0;
  // Removes every item.
  virtual bool Clear() = 0;
  virtual int GetCount() = 0;

  virtual bool AddSeparator() = 0;
  virtual bool AddItem(int command_id, const CefString& label) = 0;
  virtual bool AddCheckItem(int command_id, const CefString& label) = 0;
  virtual bool AddRadioItem(int command_id,
                            const CefString& label,
                            int group_id) = 0;
  virtual CefRefPtr<CefMenuModel> AddSubMenu(int command_id,
                                             const CefString& label) = 0;
  virtual bool InsertSeparatorAt(int index) = 0;
  virtual bool InsertItemAt(int index,
                            int command_id,
                            const CefString& label) = 0;
  virtual bool Remove(int command_id) = 0;
  virtual bool RemoveAt(int index) = 0;

  // -1 when there is no such item.
  virtual int GetIndexOf(int command_id) = 0;
  virtual int GetCommandIdAt(int index) = 0;
  virtual CefString GetLabel(int command_id) = 0;
  virtual CefString GetLabelAt(int index) = 0;
  virtual bool SetLabel(int command_id, const CefString& label) = 0;
  virtual MenuItemType GetType(int command_id) = 0;
  virtual MenuItemType GetTypeAt(int index) = 0;
  virtual bool IsVisible(int command_id) = 0;
  virtual bool SetVisible(int command_id, bool visible) = 0;
  virtual bool IsEnabled(int command_id) = 0;
  virtual bool SetEnabled(int command_id, bool enabled) = 0;
  virtual bool IsChecked(int command_id) = 0;
  virtual bool SetChecked(int command_id, bool checked) = 0;
};

#endif  // CEF_INCLUDE_CEF_MENU_MODEL_H_
