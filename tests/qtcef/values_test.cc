// The parts of cef_values.h that CEF's own value tests leave out: read-only
// containers, copies without empty children, and the lifetime of owned data.

#include <functional>
#include <vector>

#include "gtest/gtest.h"
#include "include/cef_values.h"
#include "qtcef/src/runtime/values_impl.h"

namespace {

// A read-only view of |dictionary|, as CEF hands out for data it keeps.
CefRefPtr<CefDictionaryValue> ReadOnlyView(
    CefRefPtr<CefDictionaryValue> dictionary) {
  qtcef::NodeRef ref =
      static_cast<qtcef::DictionaryValueImpl*>(dictionary.get())->ref();
  ref.read_only = true;
  return new qtcef::DictionaryValueImpl(ref);
}

TEST(qtcef_Values, ReadOnlyContainersAndTheirChildrenRefuseEveryChange) {
  using Change = std::function<bool(CefRefPtr<CefDictionaryValue>,
                                    CefRefPtr<CefListValue>)>;
  const char data[] = "bytes";
  const std::vector<Change> changes = {
      [](auto dict, auto) { return dict->SetNull("key"); },
      [](auto dict, auto) { return dict->SetBool("key", true); },
      [](auto dict, auto) { return dict->SetInt("key", 1); },
      [](auto dict, auto) { return dict->SetDouble("key", 1.5); },
      [](auto dict, auto) { return dict->SetString("key", "text"); },
      [&](auto dict, auto) {
        return dict->SetBinary("key", CefBinaryValue::Create(data, 5));
      },
      [](auto dict, auto) {
        return dict->SetDictionary("key", CefDictionaryValue::Create());
      },
      [](auto dict, auto) {
        return dict->SetList("key", CefListValue::Create());
      },
      [](auto dict, auto) { return dict->SetValue("key", CefValue::Create()); },
      [](auto dict, auto) { return dict->Remove("list"); },
      [](auto dict, auto) { return dict->Clear(); },
      [](auto, auto list) { return list->SetInt(0, 2); },
      [](auto, auto list) { return list->SetSize(0); },
      [](auto, auto list) { return list->Remove(0); },
      [](auto, auto list) { return list->Clear(); },
      [](auto dict, auto) {
        return dict->GetValue("list")->GetList()->SetInt(1, 2);
      },
  };
  CefRefPtr<CefDictionaryValue> writable = CefDictionaryValue::Create();
  CefRefPtr<CefListValue> items = CefListValue::Create();
  items->SetInt(0, 1);
  writable->SetList("list", items);
  const CefRefPtr<CefDictionaryValue> before = writable->Copy(false);

  CefRefPtr<CefDictionaryValue> dict = ReadOnlyView(writable);
  CefRefPtr<CefListValue> list = dict->GetList("list");
  EXPECT_TRUE(dict->IsReadOnly());
  EXPECT_TRUE(list->IsReadOnly());
  EXPECT_TRUE(dict->GetValue("list")->IsReadOnly());
  for (size_t i = 0; i < changes.size(); ++i) {
    EXPECT_FALSE(changes[i](dict, list)) << "change " << i;
    EXPECT_TRUE(writable->IsEqual(before)) << "change " << i;
  }
  EXPECT_TRUE(dict->Copy(false)->SetInt("key", 1));
}

TEST(qtcef_Values, CopiesCanLeaveOutEmptyChildrenAtAnyDepth) {
  CefRefPtr<CefDictionaryValue> dict = CefDictionaryValue::Create();
  dict->SetDictionary("empty", CefDictionaryValue::Create());
  CefRefPtr<CefDictionaryValue> nested = CefDictionaryValue::Create();
  nested->SetList("empty", CefListValue::Create());
  dict->SetDictionary("nested", nested);
  CefRefPtr<CefListValue> list = CefListValue::Create();
  list->SetList(0, CefListValue::Create());
  list->SetInt(1, 7);
  dict->SetList("list", list);

  EXPECT_TRUE(dict->Copy(false)->IsEqual(dict));
  CefRefPtr<CefDictionaryValue> pruned = dict->Copy(true);
  CefDictionaryValue::KeyList keys;
  ASSERT_TRUE(pruned->GetKeys(keys));
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0].ToString(), "list");
  ASSERT_EQ(pruned->GetList("list")->GetSize(), 1u);
  EXPECT_EQ(pruned->GetList("list")->GetInt(0), 7);
}

TEST(qtcef_Values, OwnedDataIsCopiedInAndDiesWithItsTop) {
  CefRefPtr<CefDictionaryValue> top = CefDictionaryValue::Create();
  top->SetDictionary("child", CefDictionaryValue::Create());
  CefRefPtr<CefDictionaryValue> child = top->GetDictionary("child");
  child->SetInt("n", 1);

  // Giving owned data to another container copies it.
  CefRefPtr<CefListValue> other = CefListValue::Create();
  EXPECT_TRUE(other->SetDictionary(0, child));
  EXPECT_TRUE(child->IsValid());
  EXPECT_FALSE(child->IsSame(other->GetDictionary(0)));
  EXPECT_TRUE(child->IsEqual(other->GetDictionary(0)));

  // Data cannot move into a part of itself, and stays as it was.
  EXPECT_FALSE(child->SetDictionary("loop", top));
  EXPECT_FALSE(top->SetDictionary("self", top));
  EXPECT_TRUE(top->IsValid());
  EXPECT_EQ(child->GetSize(), 1u);

  CefRefPtr<CefDictionaryValue> second = CefDictionaryValue::Create();
  second->SetList("list", CefListValue::Create());
  CefRefPtr<CefListValue> list = second->GetList("list");
  second = nullptr;
  EXPECT_FALSE(list->IsValid());
  EXPECT_FALSE(list->SetInt(0, 1));
}

}  // namespace
