// The objects of cef_values.h, each a view of the nodes of value_node.h.

#ifndef QTCEF_SRC_RUNTIME_VALUES_IMPL_H_
#define QTCEF_SRC_RUNTIME_VALUES_IMPL_H_

#include <memory>

#include "include/cef_values.h"
#include "qtcef/src/runtime/value_container.h"
#include "qtcef/src/runtime/value_node.h"

namespace qtcef {

class ValueImpl : public CefValue {
 public:
  ValueImpl() = default;
  // A value of |slot|; for a binary, dictionary or list, |owned| and
  // |read_only| say how it reaches the slot's node.
  ValueImpl(ValueSlot slot, bool owned, bool read_only);

  // What this value holds, and how it reaches its node, if any.
  const ValueSlot& slot() const { return slot_; }
  NodeRef ref() const { return {slot_.node, owned_, read_only_}; }
  // Refers to |node|, which a container that is |read_only| or not now holds
  // in place of this value's node.
  void MoveTo(std::shared_ptr<ValueNode> node, bool read_only);

  bool IsValid() override;
  bool IsOwned() override;
  bool IsReadOnly() override;
  bool IsSame(CefRefPtr<CefValue> that) override;
  bool IsEqual(CefRefPtr<CefValue> that) override;
  CefRefPtr<CefValue> Copy() override;
  CefValueType GetType() override;
  bool GetBool() override;
  int GetInt() override;
  double GetDouble() override;
  CefString GetString() override;
  CefRefPtr<CefBinaryValue> GetBinary() override;
  CefRefPtr<CefDictionaryValue> GetDictionary() override;
  CefRefPtr<CefListValue> GetList() override;
  bool SetNull() override;
  bool SetBool(bool value) override;
  bool SetInt(int value) override;
  bool SetDouble(double value) override;
  bool SetString(const CefString& value) override;
  bool SetBinary(CefRefPtr<CefBinaryValue> value) override;
  bool SetDictionary(CefRefPtr<CefDictionaryValue> value) override;
  bool SetList(CefRefPtr<CefListValue> value) override;

 private:
  bool Assign(ValueSlot slot);
  bool Refer(const NodeRef& ref);

  ValueSlot slot_;
  bool owned_ = false;
  bool read_only_ = false;

  IMPLEMENT_REFCOUNTING(ValueImpl);
};

class BinaryValueImpl : public CefBinaryValue {
 public:
  explicit BinaryValueImpl(NodeRef ref) : ref_(std::move(ref)) {}

  const NodeRef& ref() const { return ref_; }

  bool IsValid() override;
  bool IsOwned() override;
  bool IsSame(CefRefPtr<CefBinaryValue> that) override;
  bool IsEqual(CefRefPtr<CefBinaryValue> that) override;
  CefRefPtr<CefBinaryValue> Copy() override;
  size_t GetSize() override;
  size_t GetData(void* buffer, size_t buffer_size, size_t data_offset) override;

 private:
  const NodeRef ref_;

  IMPLEMENT_REFCOUNTING(BinaryValueImpl);
};

class DictionaryValueImpl
    : public ValueContainer<CefDictionaryValue, const CefString&> {
 public:
  explicit DictionaryValueImpl(NodeRef ref) : ValueContainer(std::move(ref)) {}

  CefRefPtr<CefDictionaryValue> Copy(bool exclude_empty_children) override;
  size_t GetSize() override;
  bool HasKey(const CefString& key) override;
  bool GetKeys(KeyList& keys) override;
  bool Remove(const CefString& key) override;

 private:
  const ValueSlot& At(const CefString& key) override;
  void Store(const CefString& key, ValueSlot slot) override;

  IMPLEMENT_REFCOUNTING(DictionaryValueImpl);
};

class ListValueImpl : public ValueContainer<CefListValue, size_t> {
 public:
  explicit ListValueImpl(NodeRef ref) : ValueContainer(std::move(ref)) {}
  // A new, empty list; |owned| when another object, such as a process
  // message, holds it as part of itself.
  explicit ListValueImpl(bool owned);

  CefRefPtr<CefListValue> Copy() override;
  bool SetSize(size_t size) override;
  size_t GetSize() override;
  bool Remove(size_t index) override;

 private:
  const ValueSlot& At(size_t index) override;
  void Store(size_t index, ValueSlot slot) override;

  IMPLEMENT_REFCOUNTING(ListValueImpl);
};

// How |object|, which qtcef made, reaches its node.
inline const NodeRef& RefOf(CefBinaryValue* object) {
  return static_cast<BinaryValueImpl*>(object)->ref();
}
inline const NodeRef& RefOf(CefDictionaryValue* object) {
  return static_cast<DictionaryValueImpl*>(object)->ref();
}
inline const NodeRef& RefOf(CefListValue* object) {
  return static_cast<ListValueImpl*>(object)->ref();
}

// A new |Impl| for the node in |slot|, or null when |slot| is not of |type|.
template <class Impl>
CefRefPtr<Impl> ObjectFor(const ValueSlot& slot,
                          CefValueType type,
                          bool owned,
                          bool read_only) {
  if (slot.type != type)
    return nullptr;
  return new Impl({slot.node, owned, read_only});
}

// A new, independent |Impl| with a copy of the node of |ref|; null when that
// node is dead.
template <class Impl>
CefRefPtr<Impl> CopyObject(const NodeRef& ref,
                           bool exclude_empty_children = false) {
  std::shared_ptr<ValueNode> copy = RefCopy(ref, exclude_empty_children);
  if (!copy)
    return nullptr;
  return new Impl({std::move(copy), false, false});
}

}  // namespace qtcef

#endif  // QTCEF_SRC_RUNTIME_VALUES_IMPL_H_
