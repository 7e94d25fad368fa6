// The preference values of one profile, optionally kept as JSON in a file.

#ifndef QTCEF_SRC_NETWORK_PREFERENCES_H_
#define QTCEF_SRC_NETWORK_PREFERENCES_H_

#include <QString>
#include <QTimer>
#include <map>
#include <string>

#include "include/cef_values.h"

namespace qtcef {

class Preferences {
 public:
  // An empty |file| keeps the values in memory only; otherwise the values
  // set are loaded from it now, and saved to it from the event loop after
  // they change: one write for a burst of changes, made once the caller
  // has gone on (a browser's start, say), and none for a value set again
  // unchanged.
  explicit Preferences(const QString& file);
  // Saves what is still unsaved.
  ~Preferences();
  Preferences(const Preferences&) = delete;
  Preferences& operator=(const Preferences&) = delete;

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
  // Saves any change not yet saved, now.
  void Flush();

 private:
  void Load();

  QString file_;
  std::map<std::string, CefRefPtr<CefValue>> values_;
  bool unsaved_ = false;
  QTimer save_timer_;
};

}  // namespace qtcef

#endif  // QTCEF_SRC_NETWORK_PREFERENCES_H_
