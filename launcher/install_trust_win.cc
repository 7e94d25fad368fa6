#include "launcher/install_trust_win.h"

#include <sddl.h>

namespace {

// Every right that changes a file or folder, its entries, its permissions
// or its owner.
constexpr DWORD kChangeRights = FILE_WRITE_DATA | FILE_APPEND_DATA |
                                FILE_WRITE_EA | FILE_WRITE_ATTRIBUTES |
                                FILE_DELETE_CHILD | DELETE | WRITE_DAC |
                                WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;

bool IsTrustedInstaller(PSID sid) {
  PSID trusted_installer = nullptr;
  if (!ConvertStringSidToSidW(
          L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464",
          &trusted_installer)) {
    return false;
  }
  const bool same = EqualSid(sid, trusted_installer);
  LocalFree(trusted_installer);
  return same;
}

bool IsTrusted(PSID sid, PSID user) {
  return IsWellKnownSid(sid, WinBuiltinAdministratorsSid) ||
         IsWellKnownSid(sid, WinLocalSystemSid) || IsTrustedInstaller(sid) ||
         (user && EqualSid(sid, user));
}

bool IsDenying(BYTE type) {
  return type == ACCESS_DENIED_ACE_TYPE ||
         type == ACCESS_DENIED_OBJECT_ACE_TYPE ||
         type == ACCESS_DENIED_CALLBACK_ACE_TYPE ||
         type == ACCESS_DENIED_CALLBACK_OBJECT_ACE_TYPE;
}

}  // namespace

bool OnlyTrustedMayChange(PSECURITY_DESCRIPTOR descriptor, PSID user) {
  PSID owner = nullptr;
  BOOL defaulted = FALSE;
  if (!GetSecurityDescriptorOwner(descriptor, &owner, &defaulted) || !owner ||
      !IsTrusted(owner, user)) {
    return false;
  }
  BOOL present = FALSE;
  PACL dacl = nullptr;
  if (!GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted) ||
      !present || !dacl) {
    return false;
  }
  for (DWORD i = 0; i < dacl->AceCount; ++i) {
    void* ace = nullptr;
    if (!GetAce(dacl, i, &ace))
      return false;
    const ACE_HEADER* header = static_cast<const ACE_HEADER*>(ace);
    // An inherit-only ACE passes down to what the folder comes to hold, and
    // a denying one grants nothing.
    if ((header->AceFlags & INHERIT_ONLY_ACE) || IsDenying(header->AceType))
      continue;
    if (header->AceType != ACCESS_ALLOWED_ACE_TYPE)
      return false;
    ACCESS_ALLOWED_ACE* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
    if ((allowed->Mask & kChangeRights) &&
        !IsTrusted(reinterpret_cast<PSID>(&allowed->SidStart), user)) {
      return false;
    }
  }
  return true;
}
