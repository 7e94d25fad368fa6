#include "qtcef/src/runtime/values_impl.h"

namespace qtcef {

namespace {

bool DictionariesEqual(CefRefPtr<CefDictionaryValue> a,
                       CefRefPtr<CefDictionaryValue> b) {
  CefDictionaryValue::KeyList keys;
  if (a->GetSize() != b->GetSize() || !a->GetKeys(keys))
    return false;
  for (const CefString& key : keys) {
    if (!b->HasKey(key) || !ValuesEqual(a->GetValue(key), b->GetValue(key)))
      return false;
  }
  return true;
}

bool ListsEqual(CefRefPtr<CefListValue> a, CefRefPtr<CefListValue> b) {
  if (a->GetSize() != b->GetSize())
    return false;
  for (size_t i = 0; i < a->GetSize(); ++i) {
    if (!ValuesEqual(a->GetValue(i), b->GetValue(i)))
      return false;
  }
  return true;
}

bool IsEmptyContainer(CefRefPtr<CefValue> value) {
  return (value->GetType() == VTYPE_DICTIONARY &&
          value->GetDictionary()->GetSize() == 0) ||
         (value->GetType() == VTYPE_LIST && value->GetList()->GetSize() == 0);
}

}  // namespace

bool ValuesEqual(CefRefPtr<CefValue> a, CefRefPtr<CefValue> b) {
  if (!a || !b)
    return !a && !b;
  if (a->GetType() != b->GetType())
    return false;
  switch (a->GetType()) {
    case VTYPE_BOOL:
      return a->GetBool() == b->GetBool();
    case VTYPE_INT:
      return a->GetInt() == b->GetInt();
    case VTYPE_DOUBLE:
      return a->GetDouble() == b->GetDouble();
    case VTYPE_STRING:
      return a->GetString() == b->GetString();
    case VTYPE_DICTIONARY:
      return DictionariesEqual(a->GetDictionary(), b->GetDictionary());
    case VTYPE_LIST:
      return ListsEqual(a->GetList(), b->GetList());
    default:
      return true;
  }
}

ValueImpl::ValueImpl() {
  Clear(VTYPE_NULL);
}

void ValueImpl::Clear(CefValueType type) {
  type_ = type;
  bool_ = false;
  int_ = 0;
  double_ = 0;
  string_.clear();
  dictionary_ = nullptr;
  list_ = nullptr;
}

CefRefPtr<CefValue> ValueImpl::Copy() {
  CefRefPtr<ValueImpl> copy = new ValueImpl();
  copy->type_ = type_;
  copy->bool_ = bool_;
  copy->int_ = int_;
  copy->double_ = double_;
  copy->string_ = string_;
  if (dictionary_)
    copy->dictionary_ = dictionary_->Copy(false);
  if (list_)
    copy->list_ = list_->Copy();
  return copy;
}

bool ValueImpl::SetNull() {
  Clear(VTYPE_NULL);
  return true;
}

bool ValueImpl::SetBool(bool value) {
  Clear(VTYPE_BOOL);
  bool_ = value;
  return true;
}

bool ValueImpl::SetInt(int value) {
  Clear(VTYPE_INT);
  int_ = value;
  return true;
}

bool ValueImpl::SetDouble(double value) {
  Clear(VTYPE_DOUBLE);
  double_ = value;
  return true;
}

bool ValueImpl::SetString(const CefString& value) {
  Clear(VTYPE_STRING);
  string_ = value;
  return true;
}

bool ValueImpl::SetBinary(CefRefPtr<CefBinaryValue>) {
  return false;
}

bool ValueImpl::SetDictionary(CefRefPtr<CefDictionaryValue> value) {
  if (!value)
    return false;
  Clear(VTYPE_DICTIONARY);
  dictionary_ = value;
  return true;
}

bool ValueImpl::SetList(CefRefPtr<CefListValue> value) {
  if (!value)
    return false;
  Clear(VTYPE_LIST);
  list_ = value;
  return true;
}

CefRefPtr<CefDictionaryValue> DictionaryValueImpl::Copy(
    bool exclude_empty_children) {
  CefRefPtr<DictionaryValueImpl> copy = new DictionaryValueImpl();
  for (const auto& entry : values_) {
    if (!exclude_empty_children || !IsEmptyContainer(entry.second))
      copy->values_[entry.first] = entry.second->Copy();
  }
  return copy;
}

bool DictionaryValueImpl::Clear() {
  values_.clear();
  return true;
}

bool DictionaryValueImpl::GetKeys(KeyList& keys) {
  keys.clear();
  for (const auto& entry : values_)
    keys.push_back(entry.first);
  return true;
}

CefValueType DictionaryValueImpl::GetType(const CefString& key) {
  auto it = values_.find(key);
  return it == values_.end() ? VTYPE_INVALID : it->second->GetType();
}

CefRefPtr<CefValue> DictionaryValueImpl::GetValue(const CefString& key) {
  auto it = values_.find(key);
  return it == values_.end() ? nullptr : it->second;
}

bool DictionaryValueImpl::SetValue(const CefString& key,
                                   CefRefPtr<CefValue> value) {
  if (!value)
    return false;
  values_[key] = value->Copy();
  return true;
}

CefRefPtr<CefListValue> ListValueImpl::Copy() {
  CefRefPtr<ListValueImpl> copy = new ListValueImpl();
  for (const CefRefPtr<CefValue>& value : values_)
    copy->values_.push_back(value->Copy());
  return copy;
}

bool ListValueImpl::SetSize(size_t size) {
  while (values_.size() < size)
    values_.push_back(new ValueImpl());
  values_.resize(size);
  return true;
}

bool ListValueImpl::Clear() {
  values_.clear();
  return true;
}

bool ListValueImpl::Remove(size_t index) {
  if (index >= values_.size())
    return false;
  values_.erase(values_.begin() + index);
  return true;
}

bool ListValueImpl::SetValue(size_t index, CefRefPtr<CefValue> value) {
  if (!value)
    return false;
  if (index >= values_.size())
    SetSize(index + 1);
  values_[index] = value->Copy();
  return true;
}

}  // namespace qtcef

CefRefPtr<CefValue> CefValue::Create() {
  return new qtcef::ValueImpl();
}

CefRefPtr<CefDictionaryValue> CefDictionaryValue::Create() {
  return new qtcef::DictionaryValueImpl();
}

CefRefPtr<CefListValue> CefListValue::Create() {
  return new qtcef::ListValueImpl();
}
