#ifndef CLIENT_RESOURCES_CLIENT_ICON_DATA_H_
#define CLIENT_RESOURCES_CLIENT_ICON_DATA_H_

#include <cstddef>

// The bytes of client.ico, built into the Linux program, which has no
// resource section to carry it.
extern const unsigned char kClientIconData[];
extern const size_t kClientIconDataSize;

#endif  // CLIENT_RESOURCES_CLIENT_ICON_DATA_H_
