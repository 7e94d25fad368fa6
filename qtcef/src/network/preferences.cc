#include "qtcef/src/network/preferences.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "qtcef/src/network/preference_registry.h"
#include "qtcef/src/network/profile_file.h"
#include "qtcef/src/runtime/string_util.h"

namespace qtcef {

namespace {

const char* TypeName(CefValueType type) {
  switch (type) {
    case VTYPE_NULL:
      return "null";
    case VTYPE_BOOL:
      return "boolean";
    case VTYPE_INT:
      return "integer";
    case VTYPE_DOUBLE:
      return "double";
    case VTYPE_STRING:
      return "string";
    case VTYPE_BINARY:
      return "binary";
    case VTYPE_DICTIONARY:
      return "dictionary";
    case VTYPE_LIST:
      return "list";
    default:
      return "invalid";
  }
}

QJsonValue ToJson(CefRefPtr<CefValue> value) {
  if (value->GetType() == VTYPE_BOOL)
    return value->GetBool();
  return value->GetInt();
}

// NULL when |json| does not hold a value of |type|.
CefRefPtr<CefValue> FromJson(const QJsonValue& json, CefValueType type) {
  CefRefPtr<CefValue> value = CefValue::Create();
  if (type == VTYPE_BOOL && json.isBool())
    value->SetBool(json.toBool());
  else if (type == VTYPE_INT && json.isDouble())
    value->SetInt(json.toInt());
  else
    return nullptr;
  return value;
}

// Stores |value| at the dotted |path| in |root|, creating the levels between.
void SetPath(QJsonObject& root,
             const QStringList& path,
             const QJsonValue& value) {
  if (path.size() == 1) {
    root[path[0]] = value;
    return;
  }
  QJsonObject child = root[path[0]].toObject();
  SetPath(child, path.mid(1), value);
  root[path[0]] = child;
}

void SetPath(CefRefPtr<CefDictionaryValue> root,
             const QStringList& path,
             CefRefPtr<CefValue> value) {
  const CefString key = ToCefString(path[0]);
  if (path.size() == 1) {
    root->SetValue(key, value);
    return;
  }
  CefRefPtr<CefDictionaryValue> child =
      root->HasKey(key) ? root->GetValue(key)->GetDictionary()
                        : CefDictionaryValue::Create();
  SetPath(child, path.mid(1), value);
  CefRefPtr<CefValue> child_value = CefValue::Create();
  child_value->SetDictionary(child);
  root->SetValue(key, child_value);
}

}  // namespace

Preferences::Preferences(const QString& file) : file_(file) {
  Load();
  save_timer_.setSingleShot(true);
  save_timer_.setInterval(0);
  QObject::connect(&save_timer_, &QTimer::timeout, [this] { Flush(); });
}

Preferences::~Preferences() {
  Flush();
}

bool Preferences::Has(const std::string& name) const {
  return FindPreference(name) != nullptr;
}

CefRefPtr<CefValue> Preferences::Get(const std::string& name) const {
  const PreferenceInfo* info = FindPreference(name);
  if (!info)
    return nullptr;
  auto it = values_.find(name);
  return it == values_.end() ? DefaultValue(*info) : it->second->Copy();
}

CefRefPtr<CefDictionaryValue> Preferences::GetAll(bool include_defaults) const {
  CefRefPtr<CefDictionaryValue> all = CefDictionaryValue::Create();
  for (const PreferenceInfo& info : RegisteredPreferences()) {
    if (include_defaults || values_.count(info.name))
      SetPath(all, QString(info.name).split('.'), Get(info.name));
  }
  return all;
}

bool Preferences::CanSet(const std::string& name) const {
  return Has(name);
}

bool Preferences::Set(const std::string& name,
                      CefRefPtr<CefValue> value,
                      std::string* error) {
  const PreferenceInfo* info = FindPreference(name);
  if (!info) {
    *error = "Trying to modify an unregistered preference";
    return false;
  }
  auto it = values_.find(name);
  if (!value || value->GetType() == VTYPE_NULL) {
    if (it == values_.end())
      return true;
    values_.erase(it);
  } else if (value->GetType() != info->type) {
    *error = std::string("Trying to set a preference of type ") +
             TypeName(info->type) + " to a value of type " +
             TypeName(value->GetType());
    return false;
  } else if (it != values_.end() && it->second->IsEqual(value)) {
    return true;
  } else {
    values_[name] = value->Copy();
  }
  if (!file_.isEmpty()) {
    unsaved_ = true;
    save_timer_.start();
  }
  return true;
}

void Preferences::Load() {
  if (file_.isEmpty())
    return;
  const QJsonObject root =
      QJsonDocument::fromJson(ReadProfileFile(file_)).object();
  for (const PreferenceInfo& info : RegisteredPreferences()) {
    const QStringList path = QString(info.name).split('.');
    QJsonValue json = root;
    for (const QString& part : path)
      json = json.toObject().value(part);
    if (CefRefPtr<CefValue> value = FromJson(json, info.type))
      values_[info.name] = value;
  }
}

void Preferences::Flush() {
  if (!unsaved_)
    return;
  unsaved_ = false;
  save_timer_.stop();
  QJsonObject root;
  for (const auto& entry : values_)
    SetPath(root, QString::fromStdString(entry.first).split('.'),
            ToJson(entry.second));
  ReplaceProfileFile(file_, QJsonDocument(root).toJson());
}

}  // namespace qtcef
