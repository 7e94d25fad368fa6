// CefPostData and CefPostDataElement, plain data holders: qtcef hands none
// out, as Qt WebEngine does not show a navigation's body.

#include <string.h>

#include <algorithm>
#include <vector>

#include "include/cef_request.h"

namespace qtcef {

namespace {

class PostDataElementImpl : public CefPostDataElement {
 public:
  bool IsReadOnly() override { return false; }
  void SetToEmpty() override {
    type_ = PDE_TYPE_EMPTY;
    file_.clear();
    bytes_.clear();
  }
  void SetToFile(const CefString& fileName) override {
    SetToEmpty();
    type_ = PDE_TYPE_FILE;
    file_ = fileName;
  }
  void SetToBytes(size_t size, const void* bytes) override {
    SetToEmpty();
    type_ = PDE_TYPE_BYTES;
    if (bytes)
      bytes_.assign(static_cast<const char*>(bytes),
                    static_cast<const char*>(bytes) + size);
  }
  Type GetType() override { return type_; }
  CefString GetFile() override { return file_; }
  size_t GetBytesCount() override { return bytes_.size(); }
  size_t GetBytes(size_t size, void* bytes) override {
    const size_t count = std::min(size, bytes_.size());
    if (bytes && count)
      memcpy(bytes, bytes_.data(), count);
    return bytes ? count : 0;
  }

 private:
  Type type_ = PDE_TYPE_EMPTY;
  CefString file_;
  std::vector<char> bytes_;

  IMPLEMENT_REFCOUNTING(PostDataElementImpl);
};

class PostDataImpl : public CefPostData {
 public:
  bool IsReadOnly() override { return false; }
  bool HasExcludedElements() override { return false; }
  size_t GetElementCount() override { return elements_.size(); }
  void GetElements(ElementVector& elements) override { elements = elements_; }
  bool RemoveElement(CefRefPtr<CefPostDataElement> element) override {
    auto found = Find(element);
    if (found == elements_.end())
      return false;
    elements_.erase(found);
    return true;
  }
  bool AddElement(CefRefPtr<CefPostDataElement> element) override {
    if (!element || Find(element) != elements_.end())
      return false;
    elements_.push_back(element);
    return true;
  }
  void RemoveElements() override { elements_.clear(); }

 private:
  ElementVector::iterator Find(const CefRefPtr<CefPostDataElement>& element) {
    return std::find_if(elements_.begin(), elements_.end(),
                        [&element](const CefRefPtr<CefPostDataElement>& e) {
                          return e.get() == element.get();
                        });
  }

  ElementVector elements_;

  IMPLEMENT_REFCOUNTING(PostDataImpl);
};

}  // namespace

}  // namespace qtcef

CefRefPtr<CefPostData> CefPostData::Create() {
  return new qtcef::PostDataImpl();
}

CefRefPtr<CefPostDataElement> CefPostDataElement::Create() {
  return new qtcef::PostDataElementImpl();
}
