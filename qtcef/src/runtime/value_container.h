// What CefDictionaryValue and CefListValue have in common: the typed getters
// and setters, by key for the one and by index for the other.

#ifndef QTCEF_SRC_RUNTIME_VALUE_CONTAINER_H_
#define QTCEF_SRC_RUNTIME_VALUE_CONTAINER_H_

#include <utility>

#include "include/cef_values.h"
#include "qtcef/src/runtime/value_node.h"

namespace qtcef {

template <class Interface, class Key>
class ValueContainer : public Interface {
 public:
  const NodeRef& ref() const { return ref_; }

  bool IsValid() override;
  bool IsOwned() override;
  bool IsReadOnly() override;
  bool IsSame(CefRefPtr<Interface> that) override;
  bool IsEqual(CefRefPtr<Interface> that) override;
  bool Clear() override;
  CefValueType GetType(Key key) override;
  CefRefPtr<CefValue> GetValue(Key key) override;
  bool GetBool(Key key) override;
  int GetInt(Key key) override;
  double GetDouble(Key key) override;
  CefString GetString(Key key) override;
  CefRefPtr<CefBinaryValue> GetBinary(Key key) override;
  CefRefPtr<CefDictionaryValue> GetDictionary(Key key) override;
  CefRefPtr<CefListValue> GetList(Key key) override;
  bool SetValue(Key key, CefRefPtr<CefValue> value) override;
  bool SetNull(Key key) override;
  bool SetBool(Key key, bool value) override;
  bool SetInt(Key key, int value) override;
  bool SetDouble(Key key, double value) override;
  bool SetString(Key key, const CefString& value) override;
  bool SetBinary(Key key, CefRefPtr<CefBinaryValue> value) override;
  bool SetDictionary(Key key, CefRefPtr<CefDictionaryValue> value) override;
  bool SetList(Key key, CefRefPtr<CefListValue> value) override;

 protected:
  explicit ValueContainer(NodeRef ref) : ref_(std::move(ref)) {}

  // Whether this may change its node: the node is live and this is not
  // read-only.
  bool Writable() const;
  // The slot at |key|: a null slot of VTYPE_INVALID when there is none.
  virtual const ValueSlot& At(Key key) = 0;
  // Puts |slot| at |key|, releasing the slot it replaces.
  virtual void Store(Key key, ValueSlot slot) = 0;

  const NodeRef ref_;

 private:
  bool Set(Key key, ValueSlot slot);
  // Stores the data of |object|, a binary, dictionary or list.
  template <class Object>
  bool SetObject(Key key, Object* object);
  bool SetNode(Key key, const NodeRef& value);
};

extern template class ValueContainer<CefDictionaryValue, const CefString&>;
extern template class ValueContainer<CefListValue, size_t>;

}  // namespace qtcef

#endif  // QTCEF_SRC_RUNTIME_VALUE_CONTAINER_H_
