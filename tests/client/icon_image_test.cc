#include "client/app/icon_image.h"

#include <gtest/gtest.h>

#include "tests/support/test_files.h"

namespace {

std::string ClientIcon() {
  return ReadFileBytes(BuildTreePath(ZTV_CLIENT_ICON_PATH));
}

const unsigned char* Bytes(const std::string& data) {
  return reinterpret_cast<const unsigned char*>(data.data());
}

TEST(IconImageTest, DecodesEveryImageOfTheClientIcon) {
  const std::string ico = ClientIcon();
  for (int size : {16, 24, 32, 48, 64}) {
    SCOPED_TRACE(size);
    std::vector<uint32_t> argb;
    ASSERT_TRUE(ReadIconImage(Bytes(ico), ico.size(), size, &argb));
    ASSERT_EQ(argb.size(), static_cast<size_t>(size * size));
    // Rounded corners are transparent, the middle is opaque.
    EXPECT_EQ(argb[0] >> 24, 0u);
    EXPECT_EQ(argb[(size / 2) * size + size / 2] >> 24, 0xFFu);
  }
  std::vector<uint32_t> argb;
  EXPECT_FALSE(ReadIconImage(Bytes(ico), ico.size(), 128, &argb));
}

TEST(IconImageTest, TopRowComesFirst) {
  // One 2x2 image whose bottom-up rows are blue then red.
  std::string ico("\0\0\1\0\1\0", 6);
  const std::string entry("\2\2\0\0\1\0\x20\0\x38\0\0\0\x16\0\0\0", 16);
  std::string dib(40, '\0');
  dib[0] = 40;
  dib[4] = 2;
  dib[8] = 4;
  dib[12] = 1;
  dib[14] = 32;
  const std::string blue("\xFF\0\0\xFF", 4);
  const std::string red("\0\0\xFF\xFF", 4);
  ico += entry + dib + blue + blue + red + red;
  std::vector<uint32_t> argb;
  ASSERT_TRUE(ReadIconImage(Bytes(ico), ico.size(), 2, &argb));
  EXPECT_EQ(argb, (std::vector<uint32_t>{0xFFFF0000, 0xFFFF0000, 0xFF0000FF,
                                         0xFF0000FF}));
}

TEST(IconImageTest, RejectsMalformedFiles) {
  const std::string ico = ClientIcon();
  struct Case {
    const char* label;
    std::string data;
  } const cases[] = {
      {"empty", ""},
      {"header only", ico.substr(0, 6)},
      {"cut in the directory", ico.substr(0, 30)},
      {"cut in the image", ico.substr(0, ico.size() - 100)},
      {"not an icon", std::string("\0\0\2\0\1\0", 6) + ico.substr(6)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::vector<uint32_t> argb;
    EXPECT_FALSE(ReadIconImage(Bytes(c.data), c.data.size(), 64, &argb));
  }
}

}  // namespace
