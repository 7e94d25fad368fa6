#include <utility>

#include "qtcef/src/runtime/values_impl.h"

namespace qtcef {

CefRefPtr<CefDictionaryValue> DictionaryValueImpl::Copy(
    bool exclude_empty_children) {
  return CopyObject<DictionaryValueImpl>(ref_, exclude_empty_children);
}

size_t DictionaryValueImpl::GetSize() {
  ScopedValuesLock lock;
  return ref_.node->entries.size();
}

bool DictionaryValueImpl::HasKey(const CefString& key) {
  ScopedValuesLock lock;
  return ref_.node->entries.count(key.ToString()) != 0;
}

bool DictionaryValueImpl::GetKeys(KeyList& keys) {
  ScopedValuesLock lock;
  if (!ref_.node->alive)
    return false;
  for (const auto& entry : ref_.node->entries)
    keys.push_back(entry.first);
  return true;
}

bool DictionaryValueImpl::Remove(const CefString& key) {
  ScopedValuesLock lock;
  auto it = ref_.node->entries.find(key.ToString());
  if (!Writable() || it == ref_.node->entries.end())
    return false;
  ValueSlot removed = std::move(it->second);
  ref_.node->entries.erase(it);
  ReleaseSlot(removed);
  return true;
}

const ValueSlot& DictionaryValueImpl::At(const CefString& key) {
  auto it = ref_.node->entries.find(key.ToString());
  return it == ref_.node->entries.end() ? MissingSlot() : it->second;
}

void DictionaryValueImpl::Store(const CefString& key, ValueSlot slot) {
  ReplaceSlot(ref_.node->entries[key.ToString()], std::move(slot));
}

}  // namespace qtcef

CefRefPtr<CefDictionaryValue> CefDictionaryValue::Create() {
  return new qtcef::DictionaryValueImpl(qtcef::NewRoot(VTYPE_DICTIONARY));
}
