// C++ wrappers that own the C structures of cef_types.h.

#ifndef CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_
#define CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_

#include <string.h>

#include "include/internal/cef_string.h"
#include "include/internal/cef_types.h"

// A C structure with value semantics. Its fields are direct members; copies
// duplicate the cef_string_t fields, and the destructor frees them. |traits|
// provides struct_type and the static functions init() (fills in a zeroed
// structure), clear() (frees the strings) and set() (copies a structure).
template <class traits>
class CefStructBase : public traits::struct_type {
 public:
  typedef typename traits::struct_type struct_type;

  CefStructBase() : struct_type() { Init(); }
  CefStructBase(const CefStructBase& r) : struct_type() {
    Init();
    *this = r;
  }
  CefStructBase(const struct_type& r) : struct_type() {
    Init();
    *this = r;
  }
  ~CefStructBase() { traits::clear(this); }

  // Frees the strings and returns to the initial state.
  void Reset() {
    traits::clear(this);
    Init();
  }

  // Copies |source|. With |copy| false the string fields reference those of
  // |source|, which must then outlive this object.
  void Set(const struct_type& source, bool copy) {
    traits::set(&source, this, copy);
  }

  CefStructBase& operator=(const CefStructBase& s) {
    return operator=(static_cast<const struct_type&>(s));
  }
  CefStructBase& operator=(const struct_type& s) {
    Set(s, true);
    return *this;
  }

 protected:
  void Init() {
    memset(static_cast<struct_type*>(this), 0, sizeof(struct_type));
    traits::init(this);
  }
};

// Traits for a structure S whose cef_string_t members are |Strings|; every
// other field is plain data. With no |Strings|, clear() and set() leave some
// parameters unused.
template <class S, cef_string_t S::*... Strings>
struct CefStructTraits {
  typedef S struct_type;

  static void init(struct_type*) {}

  static void clear([[maybe_unused]] struct_type* s) {
    (cef_string_clear(&(s->*Strings)), ...);
  }

  static void set(const struct_type* src,
                  struct_type* target,
                  [[maybe_unused]] bool copy) {
    if (src == target)
      return;
    clear(target);
    *target = *src;
    // The plain copy shared the source's buffers and dtors; set each string
    // afresh, as a copy or, when |copy| is false, as a reference.
    ((target->*Strings = cef_string_t(),
      cef_string_set((src->*Strings).str, (src->*Strings).length,
                     &(target->*Strings), copy)),
     ...);
  }
};

// Traits for a structure that starts with its own size, as CEF checks it.
template <class S, cef_string_t S::*... Strings>
struct CefSizedStructTraits : CefStructTraits<S, Strings...> {
  static void init(S* s) { s->size = sizeof(S); }

  static void set(const S* src, S* target, bool copy) {
    CefStructTraits<S, Strings...>::set(src, target, copy);
    target->size = sizeof(S);
  }
};

struct CefSettingsTraits
    : CefSizedStructTraits<cef_settings_t,
                           &cef_settings_t::browser_subprocess_path,
                           &cef_settings_t::framework_dir_path,
                           &cef_settings_t::cache_path,
                           &cef_settings_t::user_data_path,
                           &cef_settings_t::user_agent,
                           &cef_settings_t::product_version,
                           &cef_settings_t::locale,
                           &cef_settings_t::log_file,
                           &cef_settings_t::javascript_flags,
                           &cef_settings_t::resources_dir_path,
                           &cef_settings_t::locales_dir_path,
                           &cef_settings_t::accept_language_list> {};
typedef CefStructBase<CefSettingsTraits> CefSettings;

struct CefRequestContextSettingsTraits
    : CefSizedStructTraits<
          cef_request_context_settings_t,
          &cef_request_context_settings_t::cache_path,
          &cef_request_context_settings_t::accept_language_list> {};
typedef CefStructBase<CefRequestContextSettingsTraits>
    CefRequestContextSettings;

struct CefBrowserSettingsTraits
    : CefSizedStructTraits<cef_browser_settings_t,
                           &cef_browser_settings_t::standard_font_family,
                           &cef_browser_settings_t::fixed_font_family,
                           &cef_browser_settings_t::serif_font_family,
                           &cef_browser_settings_t::sans_serif_font_family,
                           &cef_browser_settings_t::cursive_font_family,
                           &cef_browser_settings_t::fantasy_font_family,
                           &cef_browser_settings_t::default_encoding,
                           &cef_browser_settings_t::accept_language_list> {};
typedef CefStructBase<CefBrowserSettingsTraits> CefBrowserSettings;

struct CefCookieTraits : CefStructTraits<cef_cookie_t,
                                         &cef_cookie_t::name,
                                         &cef_cookie_t::value,
                                         &cef_cookie_t::domain,
                                         &cef_cookie_t::path> {};
typedef CefStructBase<CefCookieTraits> CefCookie;

struct CefKeyEventTraits : CefStructTraits<cef_key_event_t> {};
typedef CefStructBase<CefKeyEventTraits> CefKeyEvent;

struct CefPopupFeaturesTraits : CefStructTraits<cef_popup_features_t> {};
typedef CefStructBase<CefPopupFeaturesTraits> CefPopupFeatures;

struct CefBoxLayoutSettingsTraits : CefStructTraits<cef_box_layout_settings_t> {
};
typedef CefStructBase<CefBoxLayoutSettingsTraits> CefBoxLayoutSettings;

class CefPoint : public cef_point_t {
 public:
  CefPoint() : cef_point_t() {}
  CefPoint(const cef_point_t& r) : cef_point_t(r) {}
  CefPoint(int x, int y) : cef_point_t{x, y} {}

  void Set(int x_val, int y_val) {
    x = x_val;
    y = y_val;
  }
};

inline bool operator==(const CefPoint& a, const CefPoint& b) {
  return a.x == b.x && a.y == b.y;
}
inline bool operator!=(const CefPoint& a, const CefPoint& b) {
  return !(a == b);
}

class CefSize : public cef_size_t {
 public:
  CefSize() : cef_size_t() {}
  CefSize(const cef_size_t& r) : cef_size_t(r) {}
  CefSize(int width, int height) : cef_size_t{width, height} {}

  bool IsEmpty() const { return width <= 0 || height <= 0; }
  void Set(int width_val, int height_val) {
    width = width_val;
    height = height_val;
  }
};

inline bool operator==(const CefSize& a, const CefSize& b) {
  return a.width == b.width && a.height == b.height;
}
inline bool operator!=(const CefSize& a, const CefSize& b) {
  return !(a == b);
}

class CefRect : public cef_rect_t {
 public:
  CefRect() : cef_rect_t() {}
  CefRect(const cef_rect_t& r) : cef_rect_t(r) {}
  CefRect(int x, int y, int width, int height)
      : cef_rect_t{x, y, width, height} {}

  bool IsEmpty() const { return width <= 0 || height <= 0; }
  void Set(int x_val, int y_val, int width_val, int height_val) {
    x = x_val;
    y = y_val;
    width = width_val;
    height = height_val;
  }

  // Whether the point lies inside; the right and bottom edges lie outside.
  bool Contains(int point_x, int point_y) const {
    return point_x >= x && point_x < x + width && point_y >= y &&
           point_y < y + height;
  }
  bool Contains(const CefPoint& point) const {
    return Contains(point.x, point.y);
  }
};

inline bool operator==(const CefRect& a, const CefRect& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}
inline bool operator!=(const CefRect& a, const CefRect& b) {
  return !(a == b);
}

#endif  // CEF_INCLUDE_INTERNAL_CEF_TYPES_WRAPPERS_H_
