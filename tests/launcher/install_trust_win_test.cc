#include "launcher/install_trust_win.h"

#include <sddl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The account that runs the launcher in these cases, and another one.
const wchar_t kUser[] = L"S-1-5-21-1-2-3-1001";
const wchar_t kOtherUser[] = L"S-1-5-21-1-2-3-1002";
const wchar_t kTrustedInstaller[] =
    L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

// What the installer gives the install folder, after the owner.
const std::wstring kInstallDacl =
    L"D:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)"
    L"(A;OICI;0x1200a9;;;BU)";

TEST(InstallTrustTest, OnlyTrustedOwnersAndRightsPass) {
  const std::wstring user = kUser;
  const std::wstring other = kOtherUser;
  struct Case {
    const char* label;
    std::wstring sddl;
    bool trusted;
  } const cases[] = {
      {"as installed", L"O:BA" + kInstallDacl, true},
      {"owned by SYSTEM", L"O:SY" + kInstallDacl, true},
      {"owned by TrustedInstaller",
       L"O:" + std::wstring(kTrustedInstaller) + kInstallDacl, true},
      {"owned by the user", L"O:" + user + kInstallDacl, true},
      {"owned by another user", L"O:" + other + kInstallDacl, false},
      {"owned by Users", L"O:BU" + kInstallDacl, false},
      {"owned by Everyone", L"O:WD" + kInstallDacl, false},
      {"no owner", kInstallDacl, false},
      {"no DACL", L"O:BA", false},
      {"empty DACL", L"O:BAD:P", true},
      {"the user may change it",
       L"O:BA" + kInstallDacl + L"(A;;FA;;;" + user + L")", true},
      {"Users may write", L"O:BA" + kInstallDacl + L"(A;;FW;;;BU)", false},
      {"Users may append only", L"O:BA" + kInstallDacl + L"(A;;0x4;;;BU)",
       false},
      {"Everyone may delete", L"O:BA" + kInstallDacl + L"(A;;SD;;;WD)", false},
      {"Authenticated Users may delete entries",
       L"O:BA" + kInstallDacl + L"(A;;0x40;;;AU)", false},
      {"Users may change permissions", L"O:BA" + kInstallDacl + L"(A;;WD;;;BU)",
       false},
      {"Users may take ownership", L"O:BA" + kInstallDacl + L"(A;;WO;;;BU)",
       false},
      {"Users have generic write", L"O:BA" + kInstallDacl + L"(A;;GW;;;BU)",
       false},
      {"Users have generic all", L"O:BA" + kInstallDacl + L"(A;;GA;;;BU)",
       false},
      {"another user may write",
       L"O:BA" + kInstallDacl + L"(A;;FW;;;" + other + L")", false},
      {"Users may read and run", L"O:BA" + kInstallDacl + L"(A;;FRFX;;;BU)",
       true},
      {"write inherited from the parent",
       L"O:BAD:AI(A;ID;FA;;;BA)(A;ID;0x1301bf;;;BU)", false},
      {"write only for what the folder comes to hold",
       L"O:BA" + kInstallDacl + L"(A;OICIIO;GA;;;CO)(A;OICIIO;FW;;;BU)", true},
      {"write denied to Users",
       L"O:BAD:P(D;;FW;;;BU)(A;;FA;;;BA)(A;;FRFX;;;BU)", true},
      {"write denied, then allowed anyway", L"O:BAD:P(D;;FW;;;WD)(A;;FA;;;WD)",
       false},
  };
  PSID user_sid = nullptr;
  ASSERT_TRUE(ConvertStringSidToSidW(kUser, &user_sid));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        c.sddl.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
        << GetLastError();
    EXPECT_EQ(OnlyTrustedMayChange(descriptor, user_sid), c.trusted);
    LocalFree(descriptor);
  }
  LocalFree(user_sid);
}

// Descriptors Wine's SDDL parser cannot make: a null DACL (it makes an empty
// one), and an ACE of a kind the check does not read, which it must take as
// allowing anything.
TEST(InstallTrustTest, ANullDaclOrAnUnreadAceFails) {
  BYTE administrators[SECURITY_MAX_SID_SIZE];
  BYTE users[SECURITY_MAX_SID_SIZE];
  DWORD size = sizeof(administrators);
  ASSERT_TRUE(CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr,
                                 administrators, &size));
  size = sizeof(users);
  ASSERT_TRUE(CreateWellKnownSid(WinBuiltinUsersSid, nullptr, users, &size));
  SECURITY_DESCRIPTOR descriptor;
  ASSERT_TRUE(
      InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
  ASSERT_TRUE(SetSecurityDescriptorOwner(&descriptor, administrators, FALSE));

  ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE));
  EXPECT_FALSE(OnlyTrustedMayChange(&descriptor, nullptr));

  alignas(DWORD) BYTE buffer[256];
  PACL acl = reinterpret_cast<PACL>(buffer);
  ASSERT_TRUE(InitializeAcl(acl, sizeof(buffer), ACL_REVISION_DS));
  ASSERT_TRUE(AddAccessAllowedAce(acl, ACL_REVISION_DS, FILE_ALL_ACCESS,
                                  administrators));
  ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE));
  EXPECT_TRUE(OnlyTrustedMayChange(&descriptor, nullptr));
  // A conditional ACE: its condition decides what it allows.
  alignas(DWORD) BYTE
      ace_buffer[sizeof(ACCESS_ALLOWED_CALLBACK_ACE) + SECURITY_MAX_SID_SIZE];
  auto* ace = reinterpret_cast<ACCESS_ALLOWED_CALLBACK_ACE*>(ace_buffer);
  const DWORD sid_size = GetLengthSid(users);
  ace->Header.AceType = ACCESS_ALLOWED_CALLBACK_ACE_TYPE;
  ace->Header.AceFlags = 0;
  ace->Header.AceSize = static_cast<WORD>(sizeof(ACCESS_ALLOWED_CALLBACK_ACE) -
                                          sizeof(DWORD) + sid_size);
  ace->Mask = FILE_GENERIC_READ;
  ASSERT_TRUE(CopySid(sid_size, &ace->SidStart, users));
  ASSERT_TRUE(AddAce(acl, ACL_REVISION_DS, MAXDWORD, ace, ace->Header.AceSize));
  EXPECT_FALSE(OnlyTrustedMayChange(&descriptor, nullptr));
}

}  // namespace
