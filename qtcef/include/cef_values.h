// Variant values, as used for preferences and process messages. Every class
// here may be used on any thread.
//
// A binary, dictionary or list object is either independent or owned: owned
// when its data lives inside a dictionary or list, as the objects that
// dictionaries and lists hand out are. Giving an independent object to a
// dictionary or list moves its data in and leaves the object invalid; giving
// an owned one copies its data. Removing or replacing a child of a
// dictionary or list, or destroying the independent object at the top,
// leaves every object that referred to that child invalid. Do not call other
// methods of an object that is not valid.

#ifndef CEF_INCLUDE_CEF_VALUES_H_
#define CEF_INCLUDE_CEF_VALUES_H_

#include <vector>

#include "include/cef_base.h"

class CefBinaryValue;
class CefDictionaryValue;
class CefListValue;

typedef cef_value_type_t CefValueType;

// A value of any type. A binary, dictionary or list is referred to rather
// than held: the value sees the changes made through the object it was given,
// and becomes invalid with it.
class CefValue : public virtual CefBaseRefCounted {
 public:
  // A new value of type VTYPE_NULL.
  static CefRefPtr<CefValue> Create();

  // Always true for simple types; for a binary, dictionary or list, whether
  // the object referred to is still valid. Any setter makes it valid again.
  virtual bool IsValid() = 0;
  // Whether the binary, dictionary or list referred to is owned.
  virtual bool IsOwned() = 0;
  // True for binaries, and for dictionaries and lists that refuse changes.
  virtual bool IsReadOnly() = 0;
  // Whether |that| shares this value's data, so that changing one changes the
  // other.
  virtual bool IsSame(CefRefPtr<CefValue> that) = 0;
  // Whether |that| holds equal data, comparing binaries, dictionaries and
  // lists by content.
  virtual bool IsEqual(CefRefPtr<CefValue> that) = 0;
  // An independent deep copy.
  virtual CefRefPtr<CefValue> Copy() = 0;

  virtual CefValueType GetType() = 0;
  // Each getter returns the empty value of its type when the value has
  // another type; GetDouble also reads an int.
  virtual bool GetBool() = 0;
  virtual int GetInt() = 0;
  virtual double GetDouble() = 0;
  virtual CefString GetString() = 0;
  // The object referred to. To keep a reference to data that moves into a
  // dictionary or list, pass this value to their SetValue rather than the
  // object to their SetBinary, SetDictionary or SetList.
  virtual CefRefPtr<CefBinaryValue> GetBinary() = 0;
  virtual CefRefPtr<CefDictionaryValue> GetDictionary() = 0;
  virtual CefRefPtr<CefListValue> GetList() = 0;

  // Each setter changes the type and the value and returns true on success.
  // A binary, dictionary or list is referred to, its ownership unchanged.
  virtual bool SetNull() = 0;
  virtual bool SetBool(bool value) = 0;
  virtual bool SetInt(int value) = 0;
  virtual bool SetDouble(double value) = 0;
  virtual bool SetString(const CefString& value) = 0;
  virtual bool SetBinary(CefRefPtr<CefBinaryValue> value) = 0;
  virtual bool SetDictionary(CefRefPtr<CefDictionaryValue> value) = 0;
  virtual bool SetList(CefRefPtr<CefListValue> value) = 0;
};

// An immutable block of bytes.
class CefBinaryValue : public virtual CefBaseRefCounted {
 public:
  // An independent copy of |data_size| bytes at |data|; null when there are
  // none.
  static CefRefPtr<CefBinaryValue> Create(const void* data, size_t data_size);

  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsSame(CefRefPtr<CefBinaryValue> that) = 0;
  virtual bool IsEqual(CefRefPtr<CefBinaryValue> that) = 0;
  // An independent copy.
  virtual CefRefPtr<CefBinaryValue> Copy() = 0;
  virtual size_t GetSize() = 0;
  // Copies at most |buffer_size| bytes, from |data_offset| on, into |buffer|
  // and returns how many it copied.
  virtual size_t GetData(void* buffer,
                         size_t buffer_size,
                         size_t data_offset) = 0;
};

// A map from string keys to values, in key order.
class CefDictionaryValue : public virtual CefBaseRefCounted {
 public:
  typedef std::vector<CefString> KeyList;

  // A new, independent, empty dictionary.
  static CefRefPtr<CefDictionaryValue> Create();

  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  // A read-only dictionary refuses every change.
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(CefRefPtr<CefDictionaryValue> that) = 0;
  virtual bool IsEqual(CefRefPtr<CefDictionaryValue> that) = 0;
  // An independent, writable deep copy; with |exclude_empty_children|
  // without the dictionaries and lists that are, or would become, empty.
  virtual CefRefPtr<CefDictionaryValue> Copy(bool exclude_empty_children) = 0;
  virtual size_t GetSize() = 0;
  virtual bool Clear() = 0;
  virtual bool HasKey(const CefString& key) = 0;
  // Appends every key to |keys|.
  virtual bool GetKeys(KeyList& keys) = 0;
  virtual bool Remove(const CefString& key) = 0;
  // VTYPE_INVALID for a key that is not there.
  virtual CefValueType GetType(const CefString& key) = 0;
  // A copy of a simple value, or a value that refers to the binary,
  // dictionary or list stored at |key|.
  virtual CefRefPtr<CefValue> GetValue(const CefString& key) = 0;
  // As CefValue's getters, for the value at |key|.
  virtual bool GetBool(const CefString& key) = 0;
  virtual int GetInt(const CefString& key) = 0;
  virtual double GetDouble(const CefString& key) = 0;
  virtual CefString GetString(const CefString& key) = 0;
  // An owned object for the data at |key|: changes to it change this
  // dictionary.
  virtual CefRefPtr<CefBinaryValue> GetBinary(const CefString& key) = 0;
  virtual CefRefPtr<CefDictionaryValue> GetDictionary(const CefString& key) = 0;
  virtual CefRefPtr<CefListValue> GetList(const CefString& key) = 0;

  // Stores a copy of a simple |value|. For a binary, dictionary or list the
  // data moves in or is copied, as for SetDictionary below, and |value| then
  // refers to what this dictionary holds.
  virtual bool SetValue(const CefString& key, CefRefPtr<CefValue> value) = 0;
  virtual bool SetNull(const CefString& key) = 0;
  virtual bool SetBool(const CefString& key, bool value) = 0;
  virtual bool SetInt(const CefString& key, int value) = 0;
  virtual bool SetDouble(const CefString& key, double value) = 0;
  virtual bool SetString(const CefString& key, const CefString& value) = 0;
  // An owned |value| is copied and stays as it is; an independent one moves
  // in and becomes invalid.
  virtual bool SetBinary(const CefString& key,
                         CefRefPtr<CefBinaryValue> value) = 0;
  virtual bool SetDictionary(const CefString& key,
                             CefRefPtr<CefDictionaryValue> value) = 0;
  virtual bool SetList(const CefString& key, CefRefPtr<CefListValue> value) = 0;
};

// A list of values indexed from 0. Setting an index past the end grows the
// list with null values.
class CefListValue : public virtual CefBaseRefCounted {
 public:
  // A new, independent, empty list.
  static CefRefPtr<CefListValue> Create();

  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  // A read-only list refuses every change.
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(CefRefPtr<CefListValue> that) = 0;
  virtual bool IsEqual(CefRefPtr<CefListValue> that) = 0;
  // An independent, writable deep copy.
  virtual CefRefPtr<CefListValue> Copy() = 0;
  // Grows the list with null values or drops its last values.
  virtual bool SetSize(size_t size) = 0;
  virtual size_t GetSize() = 0;
  virtual bool Clear() = 0;
  virtual bool Remove(size_t index) = 0;
  // VTYPE_INVALID past the end.
  virtual CefValueType GetType(size_t index) = 0;
  // As CefDictionaryValue's getters and setters, by index.
  virtual CefRefPtr<CefValue> GetValue(size_t index) = 0;
  virtual bool GetBool(size_t index) = 0;
  virtual int GetInt(size_t index) = 0;
  virtual double GetDouble(size_t index) = 0;
  virtual CefString GetString(size_t index) = 0;
  virtual CefRefPtr<CefBinaryValue> GetBinary(size_t index) = 0;
  virtual CefRefPtr<CefDictionaryValue> GetDictionary(size_t index) = 0;
  virtual CefRefPtr<CefListValue> GetList(size_t index) = 0;

  virtual bool SetValue(size_t index, CefRefPtr<CefValue> value) = 0;
  virtual bool SetNull(size_t index) = 0;
  virtual bool SetBool(size_t index, bool value) = 0;
  virtual bool SetInt(size_t index, int value) = 0;
  virtual bool SetDouble(size_t index, double value) = 0;
  virtual bool SetString(size_t index, const CefString& value) = 0;
  virtual bool SetBinary(size_t index, CefRefPtr<CefBinaryValue> value) = 0;
  virtual bool SetDictionary(size_t index,
                             CefRefPtr<CefDictionaryValue> value) = 0;
  virtual bool SetList(size_t index, CefRefPtr<CefListValue> value) = 0;
};

#endif  // CEF_INCLUDE_CEF_VALUES_H_
