; The Quorvex installer. scripts/make-packages stages the files and writes
; the two lists this script includes, then runs:
;   makensis -DVERSION=1.2.0.1024 -DSTAGE=<staged folder> -DOUTFILE=<setup.exe>
;            -DFILES=<install list> -DUNFILES=<uninstall list> Quorvex.nsi
; It installs for all users under Program Files with a Start-menu folder and
; an uninstaller. The uninstaller deletes exactly the files it installed, by
; name: an encoder the user put into encoder\, a log.txt the program wrote,
; anything else in the folder stays (and with it the folder).
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!ifndef VERSION | STAGE | OUTFILE | FILES | UNFILES
  !error "scripts/make-packages passes VERSION, STAGE, OUTFILE, FILES and UNFILES"
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex"

Name "Quorvex"
Caption "Quorvex ${VERSION} Setup"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quorvex"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show
BrandingText "Quorvex ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Quorvex"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Quorvex video converter setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "The Quorvex developers"

!include "MUI2.nsh"
!define MUI_ICON "${STAGE}/../quorvex.ico"
!define MUI_UNICON "${STAGE}/../quorvex.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quorvex.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\encoder\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show where the encoder goes"
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Quorvex"
  SetShellVarContext all
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Quorvex"
  CreateShortcut "$SMPROGRAMS\Quorvex\Quorvex.lnk" "$INSTDIR\Quorvex.exe" "" "$INSTDIR\Quorvex.exe" 0
  CreateShortcut "$SMPROGRAMS\Quorvex\Uninstall Quorvex.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quorvex"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Quorvex developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quorvex.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Quorvex\Quorvex.lnk"
  Delete "$SMPROGRAMS\Quorvex\Uninstall Quorvex.lnk"
  RMDir "$SMPROGRAMS\Quorvex"
  !include "${UNFILES}"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when nothing of the user's is left in them.
  RMDir "$INSTDIR\encoder"
  RMDir "$INSTDIR"
  ; Last, so that an uninstall that stopped half-way can be run again.
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
