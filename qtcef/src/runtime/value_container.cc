#include "qtcef/src/runtime/value_container.h"

#include "qtcef/src/runtime/values_impl.h"

namespace qtcef {

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::IsValid() {
  return RefValid(ref_);
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::IsOwned() {
  return RefOwned(ref_);
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::IsReadOnly() {
  ScopedValuesLock lock;
  return !Writable();
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::IsSame(CefRefPtr<Interface> that) {
  return that && (that.get() == this || RefsSame(ref_, RefOf(that.get())));
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::IsEqual(CefRefPtr<Interface> that) {
  return that && RefsEqual(ref_, RefOf(that.get()));
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::Clear() {
  ScopedValuesLock lock;
  if (!Writable())
    return false;
  ClearNode(*ref_.node);
  return true;
}

template <class Interface, class Key>
CefValueType ValueContainer<Interface, Key>::GetType(Key key) {
  ScopedValuesLock lock;
  return At(key).type;
}

template <class Interface, class Key>
CefRefPtr<CefValue> ValueContainer<Interface, Key>::GetValue(Key key) {
  ScopedValuesLock lock;
  const ValueSlot& slot = At(key);
  if (slot.type == VTYPE_INVALID)
    return nullptr;
  // A simple value is handed out as a copy; a binary, dictionary or list as
  // a reference to what this container holds.
  if (!slot.node)
    return new ValueImpl(slot, false, false);
  return new ValueImpl(slot, true, ref_.read_only);
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::GetBool(Key key) {
  ScopedValuesLock lock;
  return At(key).bool_value;
}

template <class Interface, class Key>
int ValueContainer<Interface, Key>::GetInt(Key key) {
  ScopedValuesLock lock;
  return At(key).int_value;
}

template <class Interface, class Key>
double ValueContainer<Interface, Key>::GetDouble(Key key) {
  ScopedValuesLock lock;
  return DoubleOf(At(key));
}

template <class Interface, class Key>
CefString ValueContainer<Interface, Key>::GetString(Key key) {
  ScopedValuesLock lock;
  return At(key).string_value;
}

template <class Interface, class Key>
CefRefPtr<CefBinaryValue> ValueContainer<Interface, Key>::GetBinary(Key key) {
  ScopedValuesLock lock;
  return ObjectFor<BinaryValueImpl>(At(key), VTYPE_BINARY, true,
                                    ref_.read_only);
}

template <class Interface, class Key>
CefRefPtr<CefDictionaryValue> ValueContainer<Interface, Key>::GetDictionary(
    Key key) {
  ScopedValuesLock lock;
  return ObjectFor<DictionaryValueImpl>(At(key), VTYPE_DICTIONARY, true,
                                        ref_.read_only);
}

template <class Interface, class Key>
CefRefPtr<CefListValue> ValueContainer<Interface, Key>::GetList(Key key) {
  ScopedValuesLock lock;
  return ObjectFor<ListValueImpl>(At(key), VTYPE_LIST, true, ref_.read_only);
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::SetValue(Key key,
                                              CefRefPtr<CefValue> value) {
  if (!value)
    return false;
  ScopedValuesLock lock;
  auto* impl = static_cast<ValueImpl*>(value.get());
  if (!impl->slot().node)
    return Set(key, impl->slot());
  if (!SetNode(key, impl->ref()))
    return false;
  // The value now refers to the data here, whether moved in or copied.
  impl->MoveTo(At(key).node, ref_.read_only);
  return true;
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::SetNull(Key key) {
  ScopedValuesLock lock;
  return Set(key, ValueSlot());
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::SetBool(Key key, bool value) {
  ScopedValuesLock lock;
  return Set(key, BoolSlot(value));
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::SetInt(Key key, int value) {
  ScopedValuesLock lock;
  return Set(key, IntSlot(value));
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::SetDouble(Key key, double value) {
  ScopedValuesLock lock;
  return Set(key, DoubleSlot(value));
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::SetString(Key key,
                                               const CefString& value) {
  ScopedValuesLock lock;
  return Set(key, StringSlot(value));
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::SetBinary(
    Key key,
    CefRefPtr<CefBinaryValue> value) {
  return SetObject(key, value.get());
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::SetDictionary(
    Key key,
    CefRefPtr<CefDictionaryValue> value) {
  return SetObject(key, value.get());
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::SetList(Key key,
                                             CefRefPtr<CefListValue> value) {
  return SetObject(key, value.get());
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::Writable() const {
  return ref_.node->alive && !ref_.read_only;
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::Set(Key key, ValueSlot slot) {
  if (!Writable())
    return false;
  Store(key, std::move(slot));
  return true;
}

template <class Interface, class Key>
template <class Object>
bool ValueContainer<Interface, Key>::SetObject(Key key, Object* object) {
  ScopedValuesLock lock;
  return object && SetNode(key, RefOf(object));
}

template <class Interface, class Key>
bool ValueContainer<Interface, Key>::SetNode(Key key, const NodeRef& value) {
  if (!Writable() || !value.node->alive)
    return false;
  std::shared_ptr<ValueNode> node = AdoptNode(value, *ref_.node);
  return node && Set(key, NodeSlot(std::move(node)));
}

template class ValueContainer<CefDictionaryValue, const CefString&>;
template class ValueContainer<CefListValue, size_t>;

}  // namespace qtcef
