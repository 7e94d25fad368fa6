#include "qtcef/src/browser/context_menu_params_impl.h"
#include "qtcef/src/runtime/string_util.h"

#include <QWebEngineContextMenuRequest>

namespace qtcef {

namespace {

CefContextMenuParams::MediaType ToMediaType(
    QWebEngineContextMenuRequest::MediaType type) {
  switch (type) {
    case QWebEngineContextMenuRequest::MediaTypeImage:
    case QWebEngineContextMenuRequest::MediaTypeCanvas:
      return CM_MEDIATYPE_IMAGE;
    case QWebEngineContextMenuRequest::MediaTypeVideo:
      return CM_MEDIATYPE_VIDEO;
    case QWebEngineContextMenuRequest::MediaTypeAudio:
      return CM_MEDIATYPE_AUDIO;
    case QWebEngineContextMenuRequest::MediaTypeFile:
      return CM_MEDIATYPE_FILE;
    case QWebEngineContextMenuRequest::MediaTypePlugin:
      return CM_MEDIATYPE_PLUGIN;
    default:
      return CM_MEDIATYPE_NONE;
  }
}

}  // namespace

ContextMenuParamsImpl::ContextMenuParamsImpl(
    const QWebEngineContextMenuRequest& request,
    const QUrl& page_url)
    : x_(request.position().x()),
      y_(request.position().y()),
      link_url_(ToCefString(request.linkUrl())),
      source_url_(ToCefString(request.mediaUrl())),
      page_url_(ToCefString(page_url)),
      media_type_(ToMediaType(request.mediaType())),
      // Qt's flags have CEF's values, except the two controls flags, whose
      // bits CEF gives to other meanings.
      media_flags_(static_cast<int>(request.mediaFlags()) & 0x33F),
      selection_(ToCefString(request.selectedText())),
      misspelled_word_(ToCefString(request.misspelledWord())),
      editable_(request.isContentEditable()),
      edit_flags_(static_cast<int>(request.editFlags()) & 0xFF) {
  for (const QString& suggestion : request.spellCheckerSuggestions())
    suggestions_.push_back(ToCefString(suggestion));
}

CefContextMenuParams::TypeFlags ContextMenuParamsImpl::GetTypeFlags() {
  int flags = CM_TYPEFLAG_NONE;
  if (!page_url_.empty())
    flags |= CM_TYPEFLAG_PAGE;
  if (!link_url_.empty())
    flags |= CM_TYPEFLAG_LINK;
  if (media_type_ != CM_MEDIATYPE_NONE)
    flags |= CM_TYPEFLAG_MEDIA;
  if (!selection_.empty())
    flags |= CM_TYPEFLAG_SELECTION;
  if (editable_)
    flags |= CM_TYPEFLAG_EDITABLE;
  return static_cast<TypeFlags>(flags);
}

bool ContextMenuParamsImpl::GetDictionarySuggestions(
    std::vector<CefString>& suggestions) {
  suggestions = suggestions_;
  return !suggestions_.empty();
}

}  // namespace qtcef
