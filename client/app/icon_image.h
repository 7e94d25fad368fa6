#ifndef CLIENT_APP_ICON_IMAGE_H_
#define CLIENT_APP_ICON_IMAGE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

// Decodes the |size|-pixel 32-bit image of an .ico file into ARGB pixels,
// top row first. False when the file has no such image or is malformed.
bool ReadIconImage(const unsigned char* ico,
                   size_t ico_size,
                   int size,
                   std::vector<uint32_t>* argb);

#endif  // CLIENT_APP_ICON_IMAGE_H_
