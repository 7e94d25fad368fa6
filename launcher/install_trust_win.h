#ifndef LAUNCHER_INSTALL_TRUST_WIN_H_
#define LAUNCHER_INSTALL_TRUST_WIN_H_

#include <windows.h>

// Whether |descriptor| lets no one but Administrators, SYSTEM,
// TrustedInstaller and |user| change what it guards: one of them owns it,
// and no allowing ACE that applies to the object itself gives anyone else a
// right to write, delete, or change its permissions or owner. A missing or
// null DACL allows everyone everything; an allowing ACE of a kind not known
// here may, so it counts as doing so.
bool OnlyTrustedMayChange(PSECURITY_DESCRIPTOR descriptor, PSID user);

#endif  // LAUNCHER_INSTALL_TRUST_WIN_H_
