// The preference values of one profile, optionally kept as JSON in a file.

#ifndef QTCEF_SRC_NETWORK_PREFERENCES_H_
#define QTCEF_SRC_NETWORK_PREFERENCES_H_

#include <QString>
#include <map>
#include <string>

#include "include/cef_values.h"

namespace qtcef {

class Preferences {
 public:
  // An empty |file| keeps the values in memory only; otherwise the values
  // set are loaded from it now and saved to it on every change.
  explicit Preferences(const QString& file);

  bool Has(const std::string& name) const;
  // A new value: the one set, else the default; NULL for an unknown name.
  CefRefPtr<CefValue> Get(const std::string& name) const;
  // Every value (or only those set) in nested dictionaries, one level per
  // dot-separated part of the name, as Chromium lists them.
  CefRefPtr<CefDictionaryValue> GetAll(bool include_defaults) const;
  bool CanSet(const std::string& name) const;
  // A NULL |value| restores the default. On failure returns false and
  // describes why in |error|.
  bool Set(const std::string& name,
           CefRefPtr<CefValue> value,
           std::string* error);

 private:
  void Load();
  void Save() const;

  QString file_;
  std::map<std::string, CefRefPtr<CefValue>> values_;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_NETWORK_PREFERENCES_H_
