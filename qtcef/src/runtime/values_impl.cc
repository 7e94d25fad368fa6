#include "qtcef/src/runtime/values_impl.h"

#include <utility>

namespace qtcef {

ValueImpl::ValueImpl(ValueSlot slot, bool owned, bool read_only)
    : slot_(std::move(slot)), owned_(owned), read_only_(read_only) {}

void ValueImpl::MoveTo(std::shared_ptr<ValueNode> node, bool read_only) {
  slot_ = NodeSlot(std::move(node));
  owned_ = true;
  read_only_ = read_only;
}

bool ValueImpl::IsValid() {
  ScopedValuesLock lock;
  return !slot_.node || slot_.node->alive;
}

bool ValueImpl::IsOwned() {
  ScopedValuesLock lock;
  return slot_.node && RefOwned(ref());
}

bool ValueImpl::IsReadOnly() {
  ScopedValuesLock lock;
  // Binary data never changes in place; a dead node cannot change at all.
  return slot_.node &&
         (slot_.type == VTYPE_BINARY || read_only_ || !slot_.node->alive);
}

bool ValueImpl::IsSame(CefRefPtr<CefValue> that) {
  if (!that)
    return false;
  if (that.get() == this)
    return true;
  ScopedValuesLock lock;
  const ValueSlot& other = static_cast<ValueImpl*>(that.get())->slot_;
  return slot_.node && RefsSame(ref(), {other.node});
}

bool ValueImpl::IsEqual(CefRefPtr<CefValue> that) {
  if (!that)
    return false;
  ScopedValuesLock lock;
  return SlotsEqual(slot_, static_cast<ValueImpl*>(that.get())->slot_);
}

CefRefPtr<CefValue> ValueImpl::Copy() {
  ScopedValuesLock lock;
  if (slot_.node && !slot_.node->alive)
    return nullptr;
  return new ValueImpl(CopySlot(slot_), false, false);
}

CefValueType ValueImpl::GetType() {
  ScopedValuesLock lock;
  return slot_.type;
}

bool ValueImpl::GetBool() {
  ScopedValuesLock lock;
  return slot_.bool_value;
}

int ValueImpl::GetInt() {
  ScopedValuesLock lock;
  return slot_.int_value;
}

double ValueImpl::GetDouble() {
  ScopedValuesLock lock;
  return DoubleOf(slot_);
}

CefString ValueImpl::GetString() {
  ScopedValuesLock lock;
  return slot_.string_value;
}

CefRefPtr<CefBinaryValue> ValueImpl::GetBinary() {
  ScopedValuesLock lock;
  return ObjectFor<BinaryValueImpl>(slot_, VTYPE_BINARY, owned_, read_only_);
}

CefRefPtr<CefDictionaryValue> ValueImpl::GetDictionary() {
  ScopedValuesLock lock;
  return ObjectFor<DictionaryValueImpl>(slot_, VTYPE_DICTIONARY, owned_,
                                        read_only_);
}

CefRefPtr<CefListValue> ValueImpl::GetList() {
  ScopedValuesLock lock;
  return ObjectFor<ListValueImpl>(slot_, VTYPE_LIST, owned_, read_only_);
}

bool ValueImpl::SetNull() {
  return Assign(ValueSlot());
}

bool ValueImpl::SetBool(bool value) {
  return Assign(BoolSlot(value));
}

bool ValueImpl::SetInt(int value) {
  return Assign(IntSlot(value));
}

bool ValueImpl::SetDouble(double value) {
  return Assign(DoubleSlot(value));
}

bool ValueImpl::SetString(const CefString& value) {
  return Assign(StringSlot(value));
}

bool ValueImpl::SetBinary(CefRefPtr<CefBinaryValue> value) {
  return value && Refer(RefOf(value.get()));
}

bool ValueImpl::SetDictionary(CefRefPtr<CefDictionaryValue> value) {
  return value && Refer(RefOf(value.get()));
}

bool ValueImpl::SetList(CefRefPtr<CefListValue> value) {
  return value && Refer(RefOf(value.get()));
}

bool ValueImpl::Assign(ValueSlot slot) {
  ScopedValuesLock lock;
  slot_ = std::move(slot);
  owned_ = false;
  read_only_ = false;
  return true;
}

bool ValueImpl::Refer(const NodeRef& ref) {
  ScopedValuesLock lock;
  slot_ = NodeSlot(ref.node);
  owned_ = ref.owned;
  read_only_ = ref.read_only;
  return true;
}

}  // namespace qtcef

CefRefPtr<CefValue> CefValue::Create() {
  return new qtcef::ValueImpl();
}
