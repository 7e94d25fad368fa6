#include "client/app/icon_image.h"

namespace {

uint32_t Read16(const unsigned char* p) {
  return p[0] | (p[1] << 8);
}

uint32_t Read32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

constexpr size_t kHeaderSize = 6;
constexpr size_t kEntrySize = 16;
constexpr size_t kBitmapHeaderSize = 40;

}  // namespace

bool ReadIconImage(const unsigned char* ico,
                   size_t ico_size,
                   int size,
                   std::vector<uint32_t>* argb) {
  if (ico_size < kHeaderSize || Read16(ico) != 0 || Read16(ico + 2) != 1)
    return false;
  const size_t count = Read16(ico + 4);
  if (ico_size < kHeaderSize + count * kEntrySize)
    return false;
  for (size_t i = 0; i < count; ++i) {
    const unsigned char* entry = ico + kHeaderSize + i * kEntrySize;
    const int width = entry[0] ? entry[0] : 256;
    const int height = entry[1] ? entry[1] : 256;
    if (width != size || height != size)
      continue;
    const size_t length = Read32(entry + 8);
    const size_t offset = Read32(entry + 12);
    if (offset > ico_size || length > ico_size - offset ||
        length < kBitmapHeaderSize) {
      return false;
    }
    // A 32-bit DIB: its header gives twice the height (colour plus mask),
    // then rows of BGRA pixels from the bottom up.
    const unsigned char* dib = ico + offset;
    if (Read32(dib) != kBitmapHeaderSize ||
        static_cast<int>(Read32(dib + 4)) != size ||
        static_cast<int>(Read32(dib + 8)) != 2 * size ||
        Read16(dib + 14) != 32) {
      return false;
    }
    const size_t pixels = static_cast<size_t>(size) * size;
    if (length - kBitmapHeaderSize < pixels * 4)
      return false;
    const unsigned char* bgra = dib + kBitmapHeaderSize;
    argb->assign(pixels, 0);
    for (int row = 0; row < size; ++row) {
      for (int column = 0; column < size; ++column) {
        const unsigned char* p =
            bgra + (static_cast<size_t>(size - 1 - row) * size + column) * 4;
        (*argb)[static_cast<size_t>(row) * size + column] =
            (static_cast<uint32_t>(p[3]) << 24) | (p[2] << 16) | (p[1] << 8) |
            p[0];
      }
    }
    return true;
  }
  return false;
}
