// CefProcessMessage. There is no render process of CEF's to send it to, so
// it only carries its data.

#include "include/cef_process_message.h"
#include "qtcef/src/runtime/values_impl.h"

namespace qtcef {

namespace {

class ProcessMessageImpl : public CefProcessMessage {
 public:
  ProcessMessageImpl(const CefString& name, CefRefPtr<CefListValue> arguments)
      : name_(name), arguments_(arguments) {}

  bool IsValid() override { return true; }
  bool IsReadOnly() override { return false; }
  CefRefPtr<CefProcessMessage> Copy() override {
    CefRefPtr<CefListValue> arguments = new ListValueImpl(true);
    for (size_t i = 0; i < arguments_->GetSize(); ++i)
      arguments->SetValue(i, arguments_->GetValue(i));
    return new ProcessMessageImpl(name_, arguments);
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
  return new qtcef::ProcessMessageImpl(name, new qtcef::ListValueImpl(true));
}
