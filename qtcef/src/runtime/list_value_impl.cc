#include <utility>

#include "qtcef/src/runtime/values_impl.h"

namespace qtcef {

ListValueImpl::ListValueImpl(bool owned)
    : ValueContainer({NewRoot(VTYPE_LIST).node, owned, false}) {}

CefRefPtr<CefListValue> ListValueImpl::Copy() {
  return CopyObject<ListValueImpl>(ref_);
}

bool ListValueImpl::SetSize(size_t size) {
  ScopedValuesLock lock;
  if (!Writable())
    return false;
  std::vector<ValueSlot>& items = ref_.node->items;
  while (items.size() > size) {
    ValueSlot removed = std::move(items.back());
    items.pop_back();
    ReleaseSlot(removed);
  }
  items.resize(size);
  return true;
}

size_t ListValueImpl::GetSize() {
  ScopedValuesLock lock;
  return ref_.node->items.size();
}

bool ListValueImpl::Remove(size_t index) {
  ScopedValuesLock lock;
  std::vector<ValueSlot>& items = ref_.node->items;
  if (!Writable() || index >= items.size())
    return false;
  ValueSlot removed = std::move(items[index]);
  items.erase(items.begin() + index);
  ReleaseSlot(removed);
  return true;
}

const ValueSlot& ListValueImpl::At(size_t index) {
  const std::vector<ValueSlot>& items = ref_.node->items;
  return index < items.size() ? items[index] : MissingSlot();
}

void ListValueImpl::Store(size_t index, ValueSlot slot) {
  std::vector<ValueSlot>& items = ref_.node->items;
  if (index >= items.size())
    items.resize(index + 1);
  ReplaceSlot(items[index], std::move(slot));
}

}  // namespace qtcef

CefRefPtr<CefListValue> CefListValue::Create() {
  return new qtcef::ListValueImpl(false);
}
