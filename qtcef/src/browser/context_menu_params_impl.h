// CefContextMenuParams, copied from Qt's context menu request.

#ifndef QTCEF_SRC_BROWSER_CONTEXT_MENU_PARAMS_IMPL_H_
#define QTCEF_SRC_BROWSER_CONTEXT_MENU_PARAMS_IMPL_H_

#include <QUrl>

#include "include/cef_context_menu_handler.h"

class QWebEngineContextMenuRequest;

namespace qtcef {

class ContextMenuParamsImpl : public CefContextMenuParams {
 public:
  ContextMenuParamsImpl(const QWebEngineContextMenuRequest& request,
                        const QUrl& page_url);

  int GetXCoord() override { return x_; }
  int GetYCoord() override { return y_; }
  TypeFlags GetTypeFlags() override;
  CefString GetLinkUrl() override { return link_url_; }
  CefString GetUnfilteredLinkUrl() override { return link_url_; }
  CefString GetSourceUrl() override { return source_url_; }
  bool HasImageContents() override { return media_type_ == CM_MEDIATYPE_IMAGE; }
  CefString GetTitleText() override { return CefString(); }
  CefString GetPageUrl() override { return page_url_; }
  CefString GetFrameUrl() override { return CefString(); }
  CefString GetFrameCharset() override { return CefString(); }
  MediaType GetMediaType() override { return media_type_; }
  MediaStateFlags GetMediaStateFlags() override {
    return static_cast<MediaStateFlags>(media_flags_);
  }
  CefString GetSelectionText() override { return selection_; }
  CefString GetMisspelledWord() override { return misspelled_word_; }
  bool GetDictionarySuggestions(std::vector<CefString>& suggestions) override;
  bool IsEditable() override { return editable_; }
  bool IsSpellCheckEnabled() override { return editable_; }
  EditStateFlags GetEditStateFlags() override {
    return static_cast<EditStateFlags>(edit_flags_);
  }
  bool IsCustomMenu() override { return false; }
  bool IsPepperMenu() override { return false; }

 private:
  int x_;
  int y_;
  CefString link_url_;
  CefString source_url_;
  CefString page_url_;
  MediaType media_type_;
  int media_flags_;
  CefString selection_;
  CefString misspelled_word_;
  std::vector<CefString> suggestions_;
  bool editable_;
  int edit_flags_;

  IMPLEMENT_REFCOUNTING(ContextMenuParamsImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_BROWSER_CONTEXT_MENU_PARAMS_IMPL_H_
