#ifndef TESTS_NOTICES_KEPT_ABOVE_H_
#define TESTS_NOTICES_KEPT_ABOVE_H_

#include "client/main/notices.h"
#include "tests/support/dialog.h"

// Checks that the box of |notice| is kept above other windows, as far as
// the platform lets a test see it.
void ExpectKeptAbove(Notice notice, const DialogInfo& box);

#endif  // TESTS_NOTICES_KEPT_ABOVE_H_
