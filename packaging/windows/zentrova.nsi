; The Zentrova installer: the launcher ZTV.exe and its bin folder, for all
; users of the machine, with Start menu and desktop shortcuts and an
; uninstaller in Add/Remove Programs.
;
; Defined by the build: VERSION (a.b.c.d), PUBLISHER, ICON, OUTFILE, and
; INSTALL_FILES / UNINSTALL_FILES, the file lists made from the install tree.

Unicode true
SetCompressor /SOLID lzma

!include "FileFunc.nsh"

!define UNINSTALL_KEY \
    "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentrova"

Name "Zentrova"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
; Program Files keeps its own permissions: only administrators may change
; what the elevated launcher starts.
InstallDir "$PROGRAMFILES\Zentrova"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails nevershow

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Zentrova"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "Zentrova installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Zentrova"
  SetShellVarContext all
  ; Everything is replaced but the web version the player's client has
  ; recorded in bin\version.ini.
  !include "${INSTALL_FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The launcher finds bin\ relative to its working directory.
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\Zentrova.lnk" "$INSTDIR\ZTV.exe" "" \
      "$INSTDIR\ZTV.exe" 0
  CreateShortCut "$DESKTOP\Zentrova.lnk" "$INSTDIR\ZTV.exe" "" \
      "$INSTDIR\ZTV.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Zentrova"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ZTV.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" \
      '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" \
      '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Zentrova.lnk"
  Delete "$DESKTOP\Zentrova.lnk"
  ; Exactly what was installed and what the client writes beside it; a
  ; folder goes only when nothing else is left in it. The player's profile
  ; in %APPDATA%\ZTV is never touched.
  !include "${UNINSTALL_FILES}"
  Delete "$INSTDIR\bin\update_error.log"
  Delete "$INSTDIR\bin\version.ini.new"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR\bin"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
