; The Zentrova installer: the launcher ZTV.exe and its bin folder, for all
; users of the machine, with Start menu and desktop shortcuts and an
; uninstaller in Add/Remove Programs.
;
; An install is never a mix of two versions. The new files are extracted
; beside the install first, then each one takes the place of its old
; version, which is set aside until all are in place; files only the older
; version had are set aside too. Whatever cannot be done undoes what was
; done, and the installer ends with a non-zero exit code. A running client
; (a file of the install that cannot be opened for writing) is found before
; anything changes: an interactive run asks to close it, a silent run ends
; with exit code 3. The install folder must lie under Program Files.
;
; Defined by the build: VERSION (a.b.c.d), PUBLISHER, ICON, OUTFILE, the
; lists made from the install tree (STAGE_FILES, INSTALLED_FILES,
; SHIPPED_FILE, INSTALLED_FOLDERS; see file_lists.cmake), and SIGN_COMMAND
; when the programs are signed.

Unicode true
SetCompressor /SOLID lzma
; A file that cannot be written ends the install: it is never skipped.
AllowSkipFiles off

!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "TextFunc.nsh"
!include "${INSTALLED_FILES}"
!include "${SHIPPED_FILE}"

!define UNINSTALL_KEY \
    "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentrova"
!define RECORD "install.files"
!define EXIT_IN_USE 3
!define EXIT_NOT_ADMIN_ONLY 4
!define EXIT_BUSY 5
!define EXIT_DAMAGED 6
; What a cut-off install was doing: "swapping" while files move, "whole"
; once the new version is in place, gone once it is cleaned up.
!define JOURNAL ".setup-journal"
; The owner and DACL the install folder gets, which what it holds inherits:
; only Administrators and SYSTEM may change it, Users may read and run it.
!define INSTALL_SDDL "O:BAD:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)"
!define IN_USE_TEXT \
    "Zentrova is running, or one of its files is in use:$\r$\n$Failed$\r$\n$\r$\nClose the game, then choose Retry."
!ifdef SIGN_COMMAND
  !finalize '${SIGN_COMMAND} "%1"' = 0
  !uninstfinalize '${SIGN_COMMAND} "%1"' = 0
!endif

Name "Zentrova"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES\Zentrova"
DirText "Zentrova is installed in a folder under Program Files, which only administrators may change."
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

; Where the new version waits, and where the old one is set aside.
Var StageDir
Var OldDir
; The first path that went wrong, or empty.
Var Failed
; The first path the undo could not put back, or empty.
Var UndoFailed

; One installer or uninstaller at a time, machine-wide: two would delete
; each other's stage and set-aside files. The mutex goes when the program
; ends.
!macro ZtvTakeSetupMutex
  System::Call 'kernel32::CreateMutexW(p 0, i 0, w "Global\ZentrovaSetup") p .r0 ?e'
  Pop $1
  ${If} $0 == 0
  ${OrIf} $1 = 183
    MessageBox MB_OK|MB_ICONSTOP \
        "Another Zentrova setup is running. Let it finish, then start this one again." \
        /SD IDOK
    SetErrorLevel ${EXIT_BUSY}
    Quit
  ${EndIf}
!macroend

Function .onInit
  !insertmacro ZtvTakeSetupMutex
FunctionEnd

Function un.onInit
  !insertmacro ZtvTakeSetupMutex
FunctionEnd

; Gives $INSTDIR, made if need be, the owner and protected DACL of
; INSTALL_SDDL, which its entries inherit; ends the install when it cannot:
; another user who may write there could change what the elevated launcher
; starts.
Function ZtvMakeAdminOnly
  CreateDirectory "$INSTDIR"
  StrCpy $0 1
  System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "${INSTALL_SDDL}", i 1, *p .r1, p 0) i .r2'
  ${If} $2 <> 0
    System::Call 'advapi32::GetSecurityDescriptorOwner(p r1, *p .r3, *i .r5) i .r2'
    System::Call 'advapi32::GetSecurityDescriptorDacl(p r1, *i .r5, *p .r4, *i .r5) i .r6'
    ${If} $2 <> 0
    ${AndIf} $6 <> 0
      ; SE_FILE_OBJECT; owner, DACL, and the DACL protected from the parent.
      System::Call 'advapi32::SetNamedSecurityInfoW(w "$INSTDIR", i 1, i 0x80000005, p r3, p 0, p r4, p 0) i .r0'
    ${EndIf}
    System::Call 'kernel32::LocalFree(p r1)'
  ${EndIf}
  ${If} $0 <> 0
    DetailPrint "Not installed: $INSTDIR cannot be made administrators-only (error $0)"
    MessageBox MB_OK|MB_ICONSTOP \
        "Zentrova could not be installed: the permissions of $INSTDIR cannot be set so that only administrators may change it (error $0)." \
        /SD IDOK
    SetErrorLevel ${EXIT_NOT_ADMIN_ONLY}
    Quit
  ${EndIf}
FunctionEnd

; A test build (TEST_STOPS) stops dead, as a power loss would, after the
; step that ZTV_SETUP_STOP_AFTER numbers: 0 is the recovery from a cut-off
; install, then each file moved and the mark that the new version is whole.
; With ZTV_SETUP_FAIL_AFTER it fails that step instead, and with
; ZTV_SETUP_UNDO_FAILS every move of the undo fails.
!ifdef TEST_STOPS
  Var TestSteps
!endif
!macro ZtvTestStep
  !ifdef TEST_STOPS
    ReadEnvStr $9 ZTV_SETUP_STOP_AFTER
    ${If} $9 != ""
    ${AndIf} $TestSteps = $9
      SetErrorLevel 99
      Quit
    ${EndIf}
    ReadEnvStr $9 ZTV_SETUP_FAIL_AFTER
    ${If} $9 != ""
    ${AndIf} $TestSteps = $9
      StrCpy $Failed "step $9"
    ${EndIf}
    IntOp $TestSteps $TestSteps + 1
  !endif
!macroend

Function ZtvWriteJournal
  FileOpen $9 "$INSTDIR\${JOURNAL}" w
  FileWrite $9 $0
  FileClose $9
FunctionEnd

; The version before could not be put back whole: what is left of it stays
; in .setup-old, which the next run puts back first.
Function ZtvFailDamaged
  DetailPrint "Damaged: $UndoFailed"
  MessageBox MB_OK|MB_ICONSTOP \
      "Zentrova could not be installed, and the version installed before could not be put back: $UndoFailed cannot be moved. The install is damaged: run setup again." \
      /SD IDOK
  SetErrorLevel ${EXIT_DAMAGED}
  Quit
FunctionEnd

; Moves $R3 to $R4, replacing what is there; $UndoFailed names $R4 when the
; move fails.
Function ZtvPutBack
  !ifdef TEST_STOPS
    ReadEnvStr $9 ZTV_SETUP_UNDO_FAILS
    ${If} $9 != ""
      StrCpy $UndoFailed "$R4"
      Return
    ${EndIf}
  !endif
  ${GetParent} "$R4" $R5
  CreateDirectory "$R5"
  ClearErrors
  Rename "$R3" "$R4"
  ${If} ${Errors}
    Delete "$R4"
    ClearErrors
    Rename "$R3" "$R4"
  ${EndIf}
  ${If} ${Errors}
  ${AndIf} $UndoFailed == ""
    StrCpy $UndoFailed "$R4"
  ${EndIf}
FunctionEnd

; For ${Locate}: the file $R9 of .setup-old goes back to its place.
Function ZtvRestoreSetAside
  StrLen $R5 "$OldDir\"
  StrCpy $R3 $R9
  StrCpy $R4 $R9 "" $R5
  StrCpy $R4 "$INSTDIR\$R4"
  Call ZtvPutBack
  Push $0
FunctionEnd

; What an install that was cut off (by a power loss, say) left behind. The
; files set aside in .setup-old may be the only copy of the version before:
; they go back to their places, replacing what the cut-off install put
; there, unless its journal says the new version was already whole, when
; only its clean-up was left to do. The stage holds copies only.
Function ZtvRecover
  ${If} ${FileExists} "$OldDir\*.*"
    StrCpy $0 ""
    ClearErrors
    FileOpen $9 "$INSTDIR\${JOURNAL}" r
    ${IfNot} ${Errors}
      FileRead $9 $0
      FileClose $9
    ${EndIf}
    ${If} $0 != "whole"
      StrCpy $UndoFailed ""
      ${Locate} "$OldDir" "/L=F" ZtvRestoreSetAside
      ${If} $UndoFailed != ""
        Call ZtvFailDamaged
      ${EndIf}
    ${EndIf}
    RMDir /r "$OldDir"
  ${EndIf}
  RMDir /r "$StageDir"
  Delete "$INSTDIR\${JOURNAL}"
FunctionEnd

; Sets $Failed to the install's file $R1 when it is there but cannot be
; opened for writing: a running client holds its programs and data so.
!macro ZtvInUseFunctions UN
  Function ${UN}ZtvCheckInUse
    ${If} ${FileExists} "$INSTDIR\$R1"
      System::Call 'kernel32::CreateFileW(w "$INSTDIR\$R1", i 0x40010000, \
          i 7, p 0, i 3, i 0x02000000, p 0) p .r9'
      ${If} $9 = -1
        StrCpy $Failed "$INSTDIR\$R1"
      ${Else}
        System::Call 'kernel32::CloseHandle(p r9)'
      ${EndIf}
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro ZtvInUseFunctions ""
!insertmacro ZtvInUseFunctions "un."

!macro ZtvCheckFileInUse _FILE
  !if "${_FILE}" != "uninstall.exe"
    ${If} $Failed == ""
      StrCpy $R1 "${_FILE}"
      Call ${__ZTV_UN}ZtvCheckInUse
    ${EndIf}
  !endif
!macroend

; Whether $R1 is a path inside the install folder ($R2 yes or no): a record
; file is read, and only such paths are acted on.
Function ZtvIsPlainRelative
  StrCpy $R2 no
  StrLen $R4 $R1
  StrCpy $R5 $R1 1
  ${If} $R4 = 0
  ${OrIf} $R5 == "\"
    Return
  ${EndIf}
  StrCpy $R6 0
  ${Do}
    ${If} $R6 >= $R4
      ${ExitDo}
    ${EndIf}
    StrCpy $R5 $R1 2 $R6
    ${If} $R5 == ".."
      Return
    ${EndIf}
    StrCpy $R5 $R1 1 $R6
    ${If} $R5 == ":"
    ${OrIf} $R5 == "/"
      Return
    ${EndIf}
    IntOp $R6 $R6 + 1
  ${Loop}
  StrCpy $R2 yes
FunctionEnd

; Calls $R7 for each file the older version's record in $R8 lists that this
; version does not ship, with its path in $R1. Files the client writes are
; never among them.
Function ZtvForEachStaleFile
  ClearErrors
  FileOpen $R9 "$R8" r
  ${If} ${Errors}
    Return
  ${EndIf}
  ${Do}
    ClearErrors
    FileRead $R9 $R1
    ${If} ${Errors}
      ${ExitDo}
    ${EndIf}
    ${TrimNewLines} "$R1" $R1
    Call ZtvIsPlainRelative
    ${If} $R2 == yes
      !insertmacro ZtvIsShipped
      ${If} $R2 == no
      ${AndIf} $R1 != "bin\version.ini"
      ${AndIf} $R1 != "bin\version.ini.new"
      ${AndIf} $R1 != "bin\version.ini.new.tmp"
      ${AndIf} $R1 != "bin\update_error.log"
      ${AndIf} $R1 != "bin\update_error.log.tmp"
      ${AndIf} $R1 != "bin\debug.log"
        Call $R7
      ${EndIf}
    ${EndIf}
  ${Loop}
  FileClose $R9
FunctionEnd

; Before anything changes: no file of this version or the older one may be
; in use.
Function ZtvEnsureNotRunning
  ${Do}
    StrCpy $Failed ""
    !define __ZTV_UN ""
    !insertmacro ZtvForEachFile ZtvCheckFileInUse
    !undef __ZTV_UN
    StrCpy $R8 "$INSTDIR\${RECORD}"
    GetFunctionAddress $R7 ZtvCheckStaleInUse
    Call ZtvForEachStaleFile
    ${If} $Failed == ""
      Return
    ${EndIf}
    ${If} ${Silent}
      SetErrorLevel ${EXIT_IN_USE}
      Quit
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${IN_USE_TEXT}" \
        IDRETRY ztv_retry
    SetErrorLevel ${EXIT_IN_USE}
    Quit
    ztv_retry:
  ${Loop}
FunctionEnd

Function ZtvCheckStaleInUse
  ${If} $Failed == ""
    Call ZtvCheckInUse
  ${EndIf}
FunctionEnd

; Whether $INSTDIR is a folder under Program Files ($R2 yes or no), whose
; permissions only administrators may change: the elevated launcher starts
; what the install folder holds, so no other user may write there.
Function ZtvIsUnderProgramFiles
  StrCpy $R8 $PROGRAMFILES
  Call ZtvIsUnder
  ${If} $R2 != yes
    StrCpy $R8 $PROGRAMFILES64
    Call ZtvIsUnder
  ${EndIf}
FunctionEnd

; Whether $INSTDIR is a folder inside $R8 ($R2 yes or no).
Function ZtvIsUnder
  StrCpy $R2 no
  StrLen $R4 $R8
  StrCpy $R5 $INSTDIR $R4
  StrCpy $R6 $INSTDIR 1 $R4
  ${If} $R5 == $R8
  ${AndIf} $R6 == "\"
    IntOp $R4 $R4 + 1
    StrCpy $R1 $INSTDIR "" $R4
    Call ZtvIsPlainRelative
  ${EndIf}
FunctionEnd

Function .onVerifyInstDir
  Call ZtvIsUnderProgramFiles
  ${If} $R2 != yes
    Abort
  ${EndIf}
FunctionEnd

; Moves the install's file $R1 to the same place under $R6, making its
; folder; $Failed names it when the move fails.
Function ZtvMoveTo
  ${GetParent} "$R6\$R1" $R3
  CreateDirectory "$R3"
  ClearErrors
  Rename "$INSTDIR\$R1" "$R6\$R1"
  ${If} ${Errors}
    StrCpy $Failed "$INSTDIR\$R1"
  ${Else}
    !insertmacro ZtvTestStep
  ${EndIf}
FunctionEnd

Function ZtvSwapInFile
  ${If} ${FileExists} "$INSTDIR\$R1"
    StrCpy $R6 $OldDir
    Call ZtvMoveTo
    ${If} $Failed != ""
      Return
    ${EndIf}
  ${EndIf}
  ${GetParent} "$INSTDIR\$R1" $R3
  CreateDirectory "$R3"
  ClearErrors
  Rename "$StageDir\$R1" "$INSTDIR\$R1"
  ${If} ${Errors}
    StrCpy $Failed "$INSTDIR\$R1"
  ${Else}
    !insertmacro ZtvTestStep
  ${EndIf}
FunctionEnd

; The player's client has recorded its web version in bin\version.ini: it
; stays, and the new version's goes in only where there is none.
!macro ZtvSwapIn _FILE
  ${If} $Failed == ""
    StrCpy $R1 "${_FILE}"
    !if "${_FILE}" == "bin\version.ini"
      ${If} ${FileExists} "$INSTDIR\$R1"
        Delete "$StageDir\$R1"
      ${Else}
        Call ZtvSwapInFile
      ${EndIf}
    !else
      Call ZtvSwapInFile
    !endif
  ${EndIf}
!macroend

; Undoes ZtvSwapIn for one file: the old version comes back, and a new file
; that had no old version goes back to the stage.
!macro ZtvSwapBack _FILE
  !if "${_FILE}" != "bin\version.ini"
    ${If} ${FileExists} "$OldDir\${_FILE}"
      StrCpy $R3 "$OldDir\${_FILE}"
      StrCpy $R4 "$INSTDIR\${_FILE}"
      Call ZtvPutBack
    ${ElseIf} ${FileExists} "$INSTDIR\${_FILE}"
    ${AndIfNot} ${FileExists} "$StageDir\${_FILE}"
      StrCpy $R3 "$INSTDIR\${_FILE}"
      StrCpy $R4 "$StageDir\${_FILE}"
      Call ZtvPutBack
    ${EndIf}
  !endif
!macroend

Function ZtvSetAsideStale
  ${If} $Failed == ""
  ${AndIf} ${FileExists} "$INSTDIR\$R1"
    StrCpy $R6 $OldDir
    Call ZtvMoveTo
  ${EndIf}
FunctionEnd

Function ZtvBringBackStale
  ${If} ${FileExists} "$OldDir\$R1"
    StrCpy $R3 "$OldDir\$R1"
    StrCpy $R4 "$INSTDIR\$R1"
    Call ZtvPutBack
  ${EndIf}
FunctionEnd

; A folder only the older version had goes when it is left empty.
Function ZtvRemoveStaleFolder
  ${GetParent} "$INSTDIR\$R1" $R3
  ${If} $R3 != $INSTDIR
    RMDir "$R3"
  ${EndIf}
FunctionEnd

Function ZtvFail
  DetailPrint "Not installed: $Failed"
  MessageBox MB_OK|MB_ICONSTOP \
      "Zentrova could not be installed: $Failed cannot be written. The version installed before is unchanged." \
      /SD IDOK
  Abort
FunctionEnd

Function .onInstFailed
  ${If} $StageDir != ""
    RMDir /r "$StageDir"
  ${EndIf}
FunctionEnd

Section "Zentrova"
  SetShellVarContext all
  StrCpy $StageDir "$INSTDIR\.setup-new"
  StrCpy $OldDir "$INSTDIR\.setup-old"
  Call ZtvEnsureNotRunning

  ; A silent install's /D= is checked here: no page did.
  Call ZtvIsUnderProgramFiles
  ${If} $R2 != yes
    MessageBox MB_OK|MB_ICONSTOP \
        "Zentrova installs only in a folder under Program Files, which only administrators may change: $INSTDIR is not one." \
        /SD IDOK
    Abort
  ${EndIf}
  Call ZtvMakeAdminOnly
  StrCpy $Failed ""
  Call ZtvRecover
  ${If} ${FileExists} "$StageDir"
  ${OrIf} ${FileExists} "$OldDir"
    StrCpy $Failed "$OldDir"
    Call ZtvFail
  ${EndIf}
  !insertmacro ZtvTestStep

  ClearErrors
  !include "${STAGE_FILES}"
  WriteUninstaller "$StageDir\uninstall.exe"
  ${If} ${Errors}
    StrCpy $Failed "$StageDir\uninstall.exe"
    Call ZtvFail
  ${EndIf}
  ; Out of the stage, which can then be removed.
  SetOutPath "$INSTDIR"

  StrCpy $0 swapping
  Call ZtvWriteJournal
  !insertmacro ZtvForEachFile ZtvSwapIn
  ; The older version's record is set aside with it.
  StrCpy $R8 "$OldDir\${RECORD}"
  ${If} $Failed == ""
    GetFunctionAddress $R7 ZtvSetAsideStale
    Call ZtvForEachStaleFile
  ${EndIf}
  ${If} $Failed != ""
    StrCpy $R0 $Failed
    StrCpy $UndoFailed ""
    GetFunctionAddress $R7 ZtvBringBackStale
    Call ZtvForEachStaleFile
    !insertmacro ZtvForEachFileReversed ZtvSwapBack
    ${If} $UndoFailed != ""
      Call ZtvFailDamaged
    ${EndIf}
    RMDir /r "$OldDir"
    Delete "$INSTDIR\${JOURNAL}"
    StrCpy $Failed $R0
    Call ZtvFail
  ${EndIf}
  StrCpy $0 whole
  Call ZtvWriteJournal
  !insertmacro ZtvTestStep
  GetFunctionAddress $R7 ZtvRemoveStaleFolder
  Call ZtvForEachStaleFile
  RMDir /r "$OldDir"
  RMDir /r "$StageDir"
  Delete "$INSTDIR\${JOURNAL}"

  ; The launcher finds bin\ beside itself; the shortcuts start it there.
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
  ; Run in place (_?=), the silent uninstall ends only when it is done.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" \
      '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

!macro ZtvUninstallFile _FILE
  !if "${_FILE}" != "uninstall.exe"
    Delete "$INSTDIR\${_FILE}"
  !endif
!macroend

!macro ZtvCheckRemoved _FILE
  !if "${_FILE}" != "uninstall.exe"
    ${If} ${FileExists} "$INSTDIR\${_FILE}"
      StrCpy $Failed "$INSTDIR\${_FILE}"
    ${EndIf}
  !endif
!macroend

Section "Uninstall"
  SetShellVarContext all
  ${Do}
    StrCpy $Failed ""
    !define __ZTV_UN "un."
    !insertmacro ZtvForEachFile ZtvCheckFileInUse
    !undef __ZTV_UN
    ${If} $Failed == ""
      ${ExitDo}
    ${EndIf}
    ${If} ${Silent}
      SetErrorLevel ${EXIT_IN_USE}
      Quit
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${IN_USE_TEXT}" \
        IDRETRY ztv_un_retry
    SetErrorLevel ${EXIT_IN_USE}
    Quit
    ztv_un_retry:
  ${Loop}

  Delete "$SMPROGRAMS\Zentrova.lnk"
  Delete "$DESKTOP\Zentrova.lnk"
  ; Exactly what was installed and what the client writes beside it; a
  ; folder goes only when nothing else is left in it. The player's profile
  ; in %APPDATA%\ZTV is never touched.
  !insertmacro ZtvForEachFile ZtvUninstallFile
  Delete "$INSTDIR\bin\version.ini.new"
  Delete "$INSTDIR\bin\version.ini.new.tmp"
  Delete "$INSTDIR\bin\update_error.log"
  Delete "$INSTDIR\bin\update_error.log.tmp"
  Delete "$INSTDIR\bin\debug.log"
  ; Run in place (_?=), the uninstaller cannot remove itself: it and the
  ; folder go at the next restart. An install made before that restart puts
  ; a new uninstaller at this path, so the running one first steps aside to
  ; a name of its own, and only that name is deleted then; the folder goes
  ; only if it is empty by then.
  ${If} $EXEPATH == "$INSTDIR\uninstall.exe"
    System::Call 'kernel32::GetTickCount() i .r0'
    ClearErrors
    Rename "$INSTDIR\uninstall.exe" "$INSTDIR\uninstall-$0.removed"
    ${IfNot} ${Errors}
      Delete /REBOOTOK "$INSTDIR\uninstall-$0.removed"
    ${EndIf}
    !include "${INSTALLED_FOLDERS}"
    RMDir /REBOOTOK "$INSTDIR"
  ${Else}
    Delete "$INSTDIR\uninstall.exe"
    !include "${INSTALLED_FOLDERS}"
    RMDir "$INSTDIR"
  ${EndIf}

  ; The entry stays while anything of the game could not be removed, so
  ; that the uninstall can be run again.
  StrCpy $Failed ""
  !insertmacro ZtvForEachFile ZtvCheckRemoved
  ${If} $Failed != ""
    DetailPrint "Not removed: $Failed"
    MessageBox MB_OK|MB_ICONSTOP \
        "Zentrova could not be removed completely: $Failed is in use or protected." \
        /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
