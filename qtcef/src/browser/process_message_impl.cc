// CefProcessMessage. There is no render process of CEF's to send it to, so
// it only carries its data.

#include "include/cef_process_message.h"

namespace qtcef {

namespace {

class ProcessMessageImpl : public CefProcessMessage {
 public:
  ProcessMessageImpl(const CefString& name, CefRefPtr<CefListValue> arguments)
      : name_(name), arguments_(arguments) {}

  bool IsValid() override { return true; }
  bool IsReadOnly() override { return false; }
  CefRefPtr<CefProcessMessage> Copy() override {
    return new ProcessMessageImpl(name_, arguments_->Copy());
  }
  CefString GetName() override { return name_; }
  CefRefPtr<CefListValue> GetArgumentList() override { return arguments_; }

 private:
  CefString name_;
  CefRefPtr<CefListValue> arguments_;

  IMPLEMENT_REFCOUNTING(ProcessMessageImpl);
};

}  // namespace

}  // namespace qtcef

CefRefPtr<CefProcessMessage> CefProcessMessage::Create(const CefString& name) {
  return new qtcef::ProcessMessageImpl(name, CefListValue::Create());
}
