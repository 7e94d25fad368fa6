// CefResponse, a plain data holder; qtcef itself hands none out.

#include "include/cef_response.h"

namespace qtcef {

namespace {

class ResponseImpl : public CefResponse {
 public:
  ResponseImpl() : error_(ERR_NONE), status_(0) {}

  bool IsReadOnly() override { return false; }
  cef_errorcode_t GetError() override { return error_; }
  void SetError(cef_errorcode_t error) override { error_ = error; }
  int GetStatus() override { return status_; }
  void SetStatus(int status) override { status_ = status; }
  CefString GetStatusText() override { return status_text_; }
  void SetStatusText(const CefString& statusText) override {
    status_text_ = statusText;
  }
  CefString GetMimeType() override { return mime_type_; }
  void SetMimeType(const CefString& mimeType) override {
    mime_type_ = mimeType;
  }
  CefString GetHeader(const CefString& name) override {
    auto it = headers_.find(name);
    return it == headers_.end() ? CefString() : it->second;
  }
  void GetHeaderMap(HeaderMap& headerMap) override { headerMap = headers_; }
  void SetHeaderMap(const HeaderMap& headerMap) override {
    headers_ = headerMap;
  }
  CefString GetURL() override { return url_; }
  void SetURL(const CefString& url) override { url_ = url; }

 private:
  cef_errorcode_t error_;
  int status_;
  CefString status_text_;
  CefString mime_type_;
  HeaderMap headers_;
  CefString url_;

  IMPLEMENT_REFCOUNTING(ResponseImpl);
};

}  // namespace

}  // namespace qtcef

CefRefPtr<CefResponse> CefResponse::Create() {
  return new qtcef::ResponseImpl();
}
