// CefStringBase, the C++ wrapper around the C string structures.

#ifndef CEF_INCLUDE_INTERNAL_CEF_STRING_WRAPPERS_H_
#define CEF_INCLUDE_INTERNAL_CEF_STRING_WRAPPERS_H_

#include <string.h>

#include <string>
#include <utility>

#include "include/base/cef_string16.h"
#include "include/internal/cef_string_types.h"

// Binds CefStringBase to the UTF-16 structure and its C functions.
struct CefStringTraitsUTF16 {
  typedef char16 char_type;
  typedef cef_string_utf16_t struct_type;
  typedef cef_string_userfree_utf16_t userfree_struct_type;

  static void clear(struct_type* s) { cef_string_utf16_clear(s); }
  static int set(const char_type* src,
                 size_t src_size,
                 struct_type* output,
                 int copy) {
    return cef_string_utf16_set(src, src_size, output, copy);
  }
  static int compare(const struct_type* s1, const struct_type* s2) {
    return cef_string_utf16_cmp(s1, s2);
  }
  static userfree_struct_type userfree_alloc() {
    return cef_string_userfree_utf16_alloc();
  }
  static void userfree_free(userfree_struct_type ufs) {
    cef_string_userfree_utf16_free(ufs);
  }

  static std::string to_string(const struct_type* s) {
    cef_string_utf8_t cstr = {};
    cef_string_utf16_to_utf8(s->str, s->length, &cstr);
    std::string str =
        cstr.length ? std::string(cstr.str, cstr.length) : std::string();
    cef_string_utf8_clear(&cstr);
    return str;
  }
  static bool from_string(const std::string& str, struct_type* s) {
    return cef_string_utf8_to_utf16(str.data(), str.length(), s) != 0;
  }
  static std::wstring to_wstring(const struct_type* s) {
    cef_string_wide_t cstr = {};
    cef_string_utf16_to_wide(s->str, s->length, &cstr);
    std::wstring str =
        cstr.length ? std::wstring(cstr.str, cstr.length) : std::wstring();
    cef_string_wide_clear(&cstr);
    return str;
  }
  static bool from_wstring(const std::wstring& str, struct_type* s) {
    return cef_string_wide_to_utf16(str.data(), str.length(), s) != 0;
  }
  static base::string16 to_string16(const struct_type* s) {
    return s->length ? base::string16(s->str, s->length) : base::string16();
  }
  static bool from_string16(const base::string16& str, struct_type* s) {
    return cef_string_utf16_set(str.data(), str.length(), s, 1) != 0;
  }
  static bool from_ascii(const char* str, size_t len, struct_type* s) {
    return cef_string_ascii_to_utf16(str, len, s) != 0;
  }
};

// A string held in a C string structure. The structure is either owned (this
// object allocated it and frees it, contents included) or attached: an
// outside structure, such as a cef_string_t field of a settings struct, that
// this object reads and writes but never frees. An empty string may have no
// structure at all.
template <class traits>
class CefStringBase {
 public:
  typedef typename traits::char_type char_type;
  typedef typename traits::struct_type struct_type;
  typedef typename traits::userfree_struct_type userfree_struct_type;

  CefStringBase() : string_(nullptr), owner_(false) {}
  CefStringBase(const CefStringBase& str) : string_(nullptr), owner_(false) {
    FromString(str.c_str(), str.length(), true);
  }
  CefStringBase(const std::string& src) : string_(nullptr), owner_(false) {
    FromString(src);
  }
  CefStringBase(const char* src) : string_(nullptr), owner_(false) {
    if (src)
      FromString(std::string(src));
  }
  CefStringBase(const std::wstring& src) : string_(nullptr), owner_(false) {
    FromWString(src);
  }
  CefStringBase(const wchar_t* src) : string_(nullptr), owner_(false) {
    if (src)
      FromWString(std::wstring(src));
  }
  // Copies |src|, or references it when |copy| is false.
  CefStringBase(const char_type* src, size_t src_len, bool copy)
      : string_(nullptr), owner_(false) {
    FromString(src, src_len, copy);
  }
  // Attaches to |src| without taking ownership, so that assignments write
  // into it: CefString(&settings.cache_path) = path.
  CefStringBase(const struct_type* src) : string_(nullptr), owner_(false) {
    if (src)
      Attach(const_cast<struct_type*>(src), false);
  }

  ~CefStringBase() { ClearAndFree(); }

  // NULL when the string is empty.
  const char_type* c_str() const { return string_ ? string_->str : nullptr; }
  size_t length() const { return string_ ? string_->length : 0; }
  size_t size() const { return length(); }
  bool empty() const { return string_ == nullptr || string_->length == 0; }

  int compare(const CefStringBase& str) const {
    if (empty() || str.empty())
      return empty() ? (str.empty() ? 0 : -1) : 1;
    return traits::compare(string_, str.string_);
  }

  // Empties the structure, which stays allocated or attached.
  void clear() {
    if (string_)
      traits::clear(string_);
  }

  void swap(CefStringBase& str) {
    std::swap(string_, str.string_);
    std::swap(owner_, str.owner_);
  }

  bool IsOwner() const { return owner_; }
  const struct_type* GetStruct() const { return string_; }
  struct_type* GetWritableStruct() {
    AllocIfNeeded();
    return string_;
  }

  // Frees an owned structure with its contents, or forgets an attached one
  // and leaves its contents alone.
  void ClearAndFree() {
    if (!string_)
      return;
    if (owner_) {
      clear();
      delete string_;
    }
    string_ = nullptr;
    owner_ = false;
  }

  // Uses |str|; when |owner| is true, this object frees it later, so it must
  // have been allocated with new.
  void Attach(struct_type* str, bool owner) {
    ClearAndFree();
    string_ = str;
    owner_ = owner;
  }

  // Takes over the contents of |str| and frees the userfree structure.
  void AttachToUserFree(userfree_struct_type str) {
    ClearAndFree();
    if (!str)
      return;
    AllocIfNeeded();
    *string_ = *str;
    *str = struct_type();
    traits::userfree_free(str);
  }

  // Forgets the structure without freeing it; the caller becomes responsible
  // for an owned one.
  void Detach() {
    string_ = nullptr;
    owner_ = false;
  }

  // Returns the contents in a new userfree structure (moved when owned,
  // copied when attached) and leaves this object empty; NULL when empty or
  // out of memory.
  userfree_struct_type DetachToUserFree() {
    if (empty())
      return nullptr;
    userfree_struct_type str = traits::userfree_alloc();
    if (!str)
      return nullptr;
    if (owner_) {
      *str = *string_;
      *string_ = struct_type();
    } else {
      traits::set(string_->str, string_->length, str, 1);
    }
    ClearAndFree();
    return str;
  }

  bool FromString(const char_type* src, size_t src_len, bool copy) {
    if (src == nullptr || src_len == 0) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return traits::set(src, src_len, string_, copy) != 0;
  }

  // Widens |str| byte by byte.
  bool FromASCII(const char* str) {
    size_t len = str ? strlen(str) : 0;
    if (len == 0) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return traits::from_ascii(str, len, string_);
  }

  // UTF-8.
  std::string ToString() const {
    return empty() ? std::string() : traits::to_string(string_);
  }
  bool FromString(const std::string& str) {
    if (str.empty()) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return traits::from_string(str, string_);
  }

  std::wstring ToWString() const {
    return empty() ? std::wstring() : traits::to_wstring(string_);
  }
  bool FromWString(const std::wstring& str) {
    if (str.empty()) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return traits::from_wstring(str, string_);
  }

  base::string16 ToString16() const {
    return empty() ? base::string16() : traits::to_string16(string_);
  }
  bool FromString16(const base::string16& str) {
    if (str.empty()) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return traits::from_string16(str, string_);
  }

  bool operator<(const CefStringBase& str) const { return compare(str) < 0; }
  bool operator<=(const CefStringBase& str) const { return compare(str) <= 0; }
  bool operator>(const CefStringBase& str) const { return compare(str) > 0; }
  bool operator>=(const CefStringBase& str) const { return compare(str) >= 0; }
  bool operator==(const CefStringBase& str) const { return compare(str) == 0; }
  bool operator!=(const CefStringBase& str) const { return compare(str) != 0; }

  // Assignment writes into the current structure, which may be attached.
  CefStringBase& operator=(const CefStringBase& str) {
    FromString(str.c_str(), str.length(), true);
    return *this;
  }
  CefStringBase& operator=(const std::string& str) {
    FromString(str);
    return *this;
  }
  CefStringBase& operator=(const char* str) {
    FromString(str ? std::string(str) : std::string());
    return *this;
  }
  CefStringBase& operator=(const std::wstring& str) {
    FromWString(str);
    return *this;
  }
  CefStringBase& operator=(const wchar_t* str) {
    FromWString(str ? std::wstring(str) : std::wstring());
    return *this;
  }

  operator std::string() const { return ToString(); }
  operator std::wstring() const { return ToWString(); }

  // Where wchar_t is UTF-32 (Linux), char16 strings need overloads of their
  // own; on Windows the wide ones serve.
#if defined(WCHAR_T_IS_UTF32)
  CefStringBase(const base::string16& src) : string_(nullptr), owner_(false) {
    FromString16(src);
  }
  CefStringBase(const char16* src) : string_(nullptr), owner_(false) {
    if (src)
      FromString16(base::string16(src));
  }
  CefStringBase& operator=(const base::string16& str) {
    FromString16(str);
    return *this;
  }
  CefStringBase& operator=(const char16* str) {
    FromString16(str ? base::string16(str) : base::string16());
    return *this;
  }
  operator base::string16() const {
    return ToString16();
  }
#endif

 private:
  void AllocIfNeeded() {
    if (string_ == nullptr) {
      string_ = new struct_type();
      owner_ = true;
    }
  }

  struct_type* string_;
  bool owner_;
};

typedef CefStringBase<CefStringTraitsUTF16> CefStringUTF16;

#endif  // CEF_INCLUDE_INTERNAL_CEF_STRING_WRAPPERS_H_
