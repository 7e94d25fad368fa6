// CefValue, CefDictionaryValue and CefListValue. Containers keep their own
// copies of the values they are given; binary values are not supported.

#ifndef QTCEF_SRC_RUNTIME_VALUES_IMPL_H_
#define QTCEF_SRC_RUNTIME_VALUES_IMPL_H_

#include <map>
#include <vector>

#include "include/cef_values.h"

namespace qtcef {

// Whether |a| and |b| hold equal data, comparing containers deeply.
bool ValuesEqual(CefRefPtr<CefValue> a, CefRefPtr<CefValue> b);

class ValueImpl : public CefValue {
 public:
  ValueImpl();

  bool IsValid() override { return true; }
  bool IsOwned() override { return false; }
  bool IsReadOnly() override { return false; }
  bool IsSame(CefRefPtr<CefValue> that) override { return that.get() == this; }
  bool IsEqual(CefRefPtr<CefValue> that) override {
    return ValuesEqual(this, that);
  }
  CefRefPtr<CefValue> Copy() override;
  CefValueType GetType() override { return type_; }
  bool GetBool() override { return bool_; }
  int GetInt() override { return int_; }
  double GetDouble() override { return type_ == VTYPE_INT ? int_ : double_; }
  CefString GetString() override { return string_; }
  CefRefPtr<CefBinaryValue> GetBinary() override { return nullptr; }
  CefRefPtr<CefDictionaryValue> GetDictionary() override { return dictionary_; }
  CefRefPtr<CefListValue> GetList() override { return list_; }
  bool SetNull() override;
  bool SetBool(bool value) override;
  bool SetInt(int value) override;
  bool SetDouble(double value) override;
  bool SetString(const CefString& value) override;
  bool SetBinary(CefRefPtr<CefBinaryValue> value) override;
  bool SetDictionary(CefRefPtr<CefDictionaryValue> value) override;
  bool SetList(CefRefPtr<CefListValue> value) override;

 private:
  void Clear(CefValueType type);

  CefValueType type_;
  bool bool_;
  int int_;
  double double_;
  CefString string_;
  CefRefPtr<CefDictionaryValue> dictionary_;
  CefRefPtr<CefListValue> list_;

  IMPLEMENT_REFCOUNTING(ValueImpl);
};

class DictionaryValueImpl : public CefDictionaryValue {
 public:
  bool IsValid() override { return true; }
  bool IsOwned() override { return false; }
  bool IsReadOnly() override { return false; }
  CefRefPtr<CefDictionaryValue> Copy(bool exclude_empty_children) override;
  size_t GetSize() override { return values_.size(); }
  bool Clear() override;
  bool HasKey(const CefString& key) override { return values_.count(key) != 0; }
  bool GetKeys(KeyList& keys) override;
  bool Remove(const CefString& key) override { return values_.erase(key) != 0; }
  CefValueType GetType(const CefString& key) override;
  CefRefPtr<CefValue> GetValue(const CefString& key) override;
  bool SetValue(const CefString& key, CefRefPtr<CefValue> value) override;

 private:
  std::map<CefString, CefRefPtr<CefValue>> values_;

  IMPLEMENT_REFCOUNTING(DictionaryValueImpl);
};

class ListValueImpl : public CefListValue {
 public:
  // An |owned| list belongs to another object, such as a process message's
  // arguments, as CEF tells by IsOwned.
  explicit ListValueImpl(bool owned = false) : owned_(owned) {}

  bool IsValid() override { return true; }
  bool IsOwned() override { return owned_; }
  bool IsReadOnly() override { return false; }
  CefRefPtr<CefListValue> Copy() override;
  bool SetSize(size_t size) override;
  size_t GetSize() override { return values_.size(); }
  bool Clear() override;
  bool Remove(size_t index) override;
  CefValueType GetType(size_t index) override {
    return index < values_.size() ? values_[index]->GetType() : VTYPE_INVALID;
  }
  CefRefPtr<CefValue> GetValue(size_t index) override {
    return index < values_.size() ? values_[index] : nullptr;
  }
  bool SetValue(size_t index, CefRefPtr<CefValue> value) override;

 private:
  const bool owned_;
  std::vector<CefRefPtr<CefValue>> values_;

  IMPLEMENT_REFCOUNTING(ListValueImpl);
};

}  // namespace qtcef

#endif  // QTCEF_SRC_RUNTIME_VALUES_IMPL_H_
