// CefValue and its containers.

#include "gtest/gtest.h"
#include "include/cef_values.h"

namespace {

TEST(qtcef_Values, ValueChangesTypeWithEachSetter) {
  CefRefPtr<CefValue> value = CefValue::Create();
  EXPECT_EQ(value->GetType(), VTYPE_NULL);
  EXPECT_TRUE(value->SetInt(7));
  EXPECT_EQ(value->GetType(), VTYPE_INT);
  EXPECT_EQ(value->GetInt(), 7);
  EXPECT_TRUE(value->SetBool(true));
  EXPECT_EQ(value->GetType(), VTYPE_BOOL);
  EXPECT_TRUE(value->GetBool());
  EXPECT_EQ(value->GetInt(), 0);
  EXPECT_TRUE(value->SetString("text"));
  EXPECT_EQ(value->GetString().ToString(), "text");
  EXPECT_TRUE(value->SetDouble(1.5));
  EXPECT_EQ(value->GetDouble(), 1.5);
  EXPECT_TRUE(value->SetNull());
  EXPECT_EQ(value->GetType(), VTYPE_NULL);
}

TEST(qtcef_Values, CopiesAreEqualButNotTheSame) {
  CefRefPtr<CefDictionaryValue> dictionary = CefDictionaryValue::Create();
  CefRefPtr<CefValue> item = CefValue::Create();
  item->SetInt(3);
  EXPECT_TRUE(dictionary->SetValue("three", item));
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetDictionary(dictionary);
  CefRefPtr<CefValue> copy = value->Copy();
  EXPECT_TRUE(copy->IsEqual(value));
  EXPECT_FALSE(copy->IsSame(value));
  copy->GetDictionary()->GetValue("three")->SetInt(4);
  EXPECT_FALSE(copy->IsEqual(value));
  EXPECT_EQ(dictionary->GetType("three"), VTYPE_INT);
  EXPECT_EQ(dictionary->GetType("none"), VTYPE_INVALID);
}

TEST(qtcef_Values, ListsGrowWithNullValues) {
  CefRefPtr<CefListValue> list = CefListValue::Create();
  CefRefPtr<CefValue> item = CefValue::Create();
  item->SetString("last");
  EXPECT_TRUE(list->SetValue(2, item));
  EXPECT_EQ(list->GetSize(), 3u);
  EXPECT_EQ(list->GetType(0), VTYPE_NULL);
  EXPECT_EQ(list->GetValue(2)->GetString().ToString(), "last");
  EXPECT_TRUE(list->Remove(0));
  EXPECT_EQ(list->GetSize(), 2u);
}

}  // namespace
