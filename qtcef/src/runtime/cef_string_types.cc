// The C string functions declared in include/internal/cef_string_types.h.
// Buffers are allocated with malloc, zero-terminated, and freed by the
// structure's dtor.

#include "include/internal/cef_string_types.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

namespace {

const uint32_t kReplacementCharacter = 0xFFFD;

// The dtor of every buffer allocated here.
template <typename Char>
void FreeChars(Char* str) {
  free(str);
}

// Frees what |str| owns and leaves it empty.
template <typename String>
void ClearString(String* str) {
  if (!str)
    return;
  if (str->dtor && str->str)
    str->dtor(str->str);
  str->str = nullptr;
  str->length = 0;
  str->dtor = nullptr;
}

// Returns a buffer for |count| characters and a terminating zero, or NULL
// when the size overflows or memory runs out.
template <typename Char>
Char* AllocateChars(size_t count) {
  if (count >= SIZE_MAX / sizeof(Char))
    return nullptr;
  return static_cast<Char*>(malloc((count + 1) * sizeof(Char)));
}

// Hands |buffer|, holding |length| characters, to |output|, freeing what
// |output| held before. An empty result leaves |output| empty.
template <typename String, typename Char>
void SetOwned(Char* buffer, size_t length, String* output) {
  ClearString(output);
  if (length == 0) {
    free(buffer);
    return;
  }
  buffer[length] = 0;
  output->str = buffer;
  output->length = length;
  output->dtor = FreeChars<Char>;
}

bool IsSurrogate(uint32_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

bool IsLeadSurrogate(uint32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

bool IsTrailSurrogate(uint32_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Reads one code point from src[*pos], src_len code units long, and advances
// *pos. An unpaired surrogate yields U+FFFD and sets *valid to false.
uint32_t ReadUTF16(const char16* src,
                   size_t src_len,
                   size_t* pos,
                   bool* valid) {
  uint32_t c = static_cast<uint16_t>(src[(*pos)++]);
  if (!IsSurrogate(c))
    return c;
  if (IsLeadSurrogate(c) && *pos < src_len) {
    uint32_t trail = static_cast<uint16_t>(src[*pos]);
    if (IsTrailSurrogate(trail)) {
      ++*pos;
      return 0x10000 + ((c - 0xD800) << 10) + (trail - 0xDC00);
    }
  }
  *valid = false;
  return kReplacementCharacter;
}

// Writes |c|, a scalar value, as one or two UTF-16 code units; returns the
// count.
size_t WriteUTF16(uint32_t c, char16* out) {
  if (c < 0x10000) {
    out[0] = static_cast<char16>(c);
    return 1;
  }
  c -= 0x10000;
  out[0] = static_cast<char16>(0xD800 + (c >> 10));
  out[1] = static_cast<char16>(0xDC00 + (c & 0x3FF));
  return 2;
}

// Writes |c|, a scalar value, as one to four UTF-8 bytes; returns the count.
size_t WriteUTF8(uint32_t c, char* out) {
  if (c < 0x80) {
    out[0] = static_cast<char>(c);
    return 1;
  }
  if (c < 0x800) {
    out[0] = static_cast<char>(0xC0 | (c >> 6));
    out[1] = static_cast<char>(0x80 | (c & 0x3F));
    return 2;
  }
  if (c < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (c >> 12));
    out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (c & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (c >> 18));
  out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (c & 0x3F));
  return 4;
}

// Reads one code point from the UTF-8 in src[*pos], src_len bytes long, and
// advances *pos. Following the Unicode recommendation, an ill-formed sequence
// yields one U+FFFD for its longest valid prefix (or for one byte when none
// is valid) and sets *valid to false; this rejects overlong forms, encoded
// surrogates and values beyond U+10FFFF, and never reads past src_len.
uint32_t ReadUTF8(const char* src, size_t src_len, size_t* pos, bool* valid) {
  const unsigned char lead = static_cast<unsigned char>(src[(*pos)++]);
  if (lead < 0x80)
    return lead;

  size_t trail_count;
  unsigned char lower = 0x80;  // Bounds of the second byte.
  unsigned char upper = 0xBF;
  uint32_t c;
  if (lead >= 0xC2 && lead <= 0xDF) {
    trail_count = 1;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    trail_count = 2;
    c = lead & 0x0F;
    if (lead == 0xE0)
      lower = 0xA0;  // Overlong below U+0800.
    else if (lead == 0xED)
      upper = 0x9F;  // Surrogates.
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    trail_count = 3;
    c = lead & 0x07;
    if (lead == 0xF0)
      lower = 0x90;  // Overlong below U+10000.
    else if (lead == 0xF4)
      upper = 0x8F;  // Beyond U+10FFFF.
  } else {
    *valid = false;
    return kReplacementCharacter;
  }

  for (size_t i = 0; i < trail_count; ++i) {
    if (*pos >= src_len) {
      *valid = false;
      return kReplacementCharacter;
    }
    const unsigned char byte = static_cast<unsigned char>(src[*pos]);
    if (byte < lower || byte > upper) {
      *valid = false;
      return kReplacementCharacter;
    }
    c = (c << 6) | (byte & 0x3F);
    ++*pos;
    lower = 0x80;
    upper = 0xBF;
  }
  return c;
}

// Reads one wide character, a UTF-32 code unit, from src[*pos] and advances
// *pos. A value that is no Unicode scalar value yields U+FFFD and sets
// *valid to false. (Where wchar_t is UTF-16 these two are not needed.)
[[maybe_unused]] uint32_t ReadWide(const wchar_t* src,
                                   size_t,
                                   size_t* pos,
                                   bool* valid) {
  // A wchar_t, not a char: a negative one is out of range as well.
  // NOLINTNEXTLINE(bugprone-signed-char-misuse)
  const uint32_t c = static_cast<uint32_t>(src[(*pos)++]);
  if (!IsSurrogate(c) && c <= 0x10FFFF)
    return c;
  *valid = false;
  return kReplacementCharacter;
}

[[maybe_unused]] size_t WriteWide(uint32_t c, wchar_t* out) {
  out[0] = static_cast<wchar_t>(c);
  return 1;
}

// Converts |src| code point by code point, reading with |read| and writing
// with |write| into a buffer of |ratio| output units for every input unit,
// and hands the result to |output|. Returns 1, or 0 when |src| held
// ill-formed input (converted anyway, as U+FFFD) or memory ran out.
template <typename In, typename Out, typename String>
int Convert(const In* src,
            size_t src_len,
            size_t ratio,
            uint32_t (*read)(const In*, size_t, size_t*, bool*),
            size_t (*write)(uint32_t, Out*),
            String* output) {
  if (!output)
    return 0;
  if (!src)
    src_len = 0;
  if (src_len >= SIZE_MAX / ratio)
    return 0;
  Out* buffer = AllocateChars<Out>(src_len * ratio);
  if (!buffer)
    return 0;
  bool valid = true;
  size_t length = 0;
  for (size_t pos = 0; pos < src_len;)
    length += write(read(src, src_len, &pos, &valid), buffer + length);
  SetOwned(buffer, length, output);
  return valid ? 1 : 0;
}

}  // namespace

extern "C" {

void cef_string_wide_clear(cef_string_wide_t* str) {
  ClearString(str);
}

void cef_string_utf8_clear(cef_string_utf8_t* str) {
  ClearString(str);
}

void cef_string_utf16_clear(cef_string_utf16_t* str) {
  ClearString(str);
}

int cef_string_utf16_set(const char16* src,
                         size_t src_len,
                         cef_string_utf16_t* output,
                         int copy) {
  if (!output)
    return 0;
  if (!src)
    src_len = 0;
  if (!copy) {
    ClearString(output);
    output->str = const_cast<char16*>(src);
    output->length = src_len;
    return 1;
  }
  // Copy before freeing the old contents, which |src| may point into.
  char16* buffer = AllocateChars<char16>(src_len);
  if (!buffer)
    return 0;
  if (src_len)
    memcpy(buffer, src, src_len * sizeof(char16));
  SetOwned(buffer, src_len, output);
  return 1;
}

int cef_string_utf16_cmp(const cef_string_utf16_t* str1,
                         const cef_string_utf16_t* str2) {
  const size_t len1 = str1 && str1->str ? str1->length : 0;
  const size_t len2 = str2 && str2->str ? str2->length : 0;
  const size_t common = len1 < len2 ? len1 : len2;
  for (size_t i = 0; i < common; ++i) {
    const uint16_t c1 = static_cast<uint16_t>(str1->str[i]);
    const uint16_t c2 = static_cast<uint16_t>(str2->str[i]);
    if (c1 != c2)
      return c1 < c2 ? -1 : 1;
  }
  if (len1 == len2)
    return 0;
  return len1 < len2 ? -1 : 1;
}

int cef_string_wide_to_utf16(const wchar_t* src,
                             size_t src_len,
                             cef_string_utf16_t* output) {
  if (!output)
    return 0;
  if (!src)
    src_len = 0;
#if defined(WCHAR_T_IS_UTF16)
  // wchar_t and char16 are one type here.
  return cef_string_utf16_set(src, src_len, output, 1);
#else
  // A value above U+FFFF takes two code units.
  return Convert(src, src_len, 2, ReadWide, WriteUTF16, output);
#endif
}

int cef_string_utf16_to_wide(const char16* src,
                             size_t src_len,
                             cef_string_wide_t* output) {
#if defined(WCHAR_T_IS_UTF16)
  // The same encoding: unpaired surrogates pass through as they are.
  if (!output)
    return 0;
  if (!src)
    src_len = 0;
  wchar_t* buffer = AllocateChars<wchar_t>(src_len);
  if (!buffer)
    return 0;
  if (src_len)
    memcpy(buffer, src, src_len * sizeof(wchar_t));
  SetOwned(buffer, src_len, output);
  return 1;
#else
  return Convert(src, src_len, 1, ReadUTF16, WriteWide, output);
#endif
}

int cef_string_utf8_to_utf16(const char* src,
                             size_t src_len,
                             cef_string_utf16_t* output) {
  // Every byte yields at most one code unit: four bytes make a surrogate pair.
  return Convert(src, src_len, 1, ReadUTF8, WriteUTF16, output);
}

int cef_string_utf16_to_utf8(const char16* src,
                             size_t src_len,
                             cef_string_utf8_t* output) {
  // One code unit takes at most three bytes; a pair of them, four.
  return Convert(src, src_len, 3, ReadUTF16, WriteUTF8, output);
}

int cef_string_ascii_to_utf16(const char* src,
                              size_t src_len,
                              cef_string_utf16_t* output) {
  if (!output)
    return 0;
  if (!src)
    src_len = 0;
  char16* buffer = AllocateChars<char16>(src_len);
  if (!buffer)
    return 0;
  for (size_t i = 0; i < src_len; ++i)
    buffer[i] = static_cast<char16>(static_cast<unsigned char>(src[i]));
  SetOwned(buffer, src_len, output);
  return 1;
}

cef_string_userfree_utf16_t cef_string_userfree_utf16_alloc(void) {
  return static_cast<cef_string_userfree_utf16_t>(
      calloc(1, sizeof(cef_string_utf16_t)));
}

void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str) {
  if (!str)
    return;
  ClearString(str);
  free(str);
}

}  // extern "C"
