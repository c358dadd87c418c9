; Hollyquill for Windows: puts hollyquill.scr where Windows lists screen savers, the pictures,
; carols and help into C:\Winterlark\Hollyquill\, registers an uninstaller, and offers to make
; Hollyquill the current screen saver.
;
;   makensis -DSCR=<hollyquill.scr> -DASSETS=<asset folder> -DOUTFILE=<setup.exe> [-DVERSION=x.y.z] hollyquill.nsi
;
; The asset folder is the one the Linux build makes (build/assets): it is laid out as installed.

Unicode true
!include "MUI2.nsh"
!include "x64.nsh"
!include "LogicLib.nsh"

!ifndef SCR
  !error "Pass -DSCR=<path of hollyquill.scr>"
!endif
!ifndef ASSETS
  !error "Pass -DASSETS=<asset folder>"
!endif
!ifndef OUTFILE
  !define OUTFILE "HollyquillSetup.exe"
!endif
!ifndef VERSION
  !define VERSION "3.0.0"
!endif

!define PRODUCT "Hollyquill"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Hollyquill"
!define DESKTOP_KEY "Control Panel\Desktop"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; The saver looks for its pictures and carols in exactly this folder.
InstallDir "C:\Winterlark\Hollyquill"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "Winterlark"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Winterlark"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The installer is a 32-bit program and the saver a 64-bit one: it must land in the real
; System32 and register in the 64-bit view of the registry.
!macro UseNativeSystem
  ${DisableX64FSRedirection}
  SetRegView 64
!macroend

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "${PRODUCT} needs a 64-bit edition of Windows." /SD IDOK
    Abort
  ${EndIf}
  !insertmacro UseNativeSystem
FunctionEnd

Function un.onInit
  !insertmacro UseNativeSystem
FunctionEnd

Section "${PRODUCT} screen saver" SecSaver
  SectionIn RO
  SetOutPath "$SYSDIR"
  File "/oname=hollyquill.scr" "${SCR}"
  SetOutPath "$INSTDIR"
  File /r "${ASSETS}/*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} screen saver"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Winterlark"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$SYSDIR\hollyquill.scr"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Make ${PRODUCT} the current screen saver" SecCurrent
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$SYSDIR\hollyquill.scr"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
SectionEnd

LangString DESC_SecSaver ${LANG_ENGLISH} "The screen saver, its pictures, its carols and its help."
LangString DESC_SecCurrent ${LANG_ENGLISH} "Choose ${PRODUCT} in the screen saver settings now."
!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecSaver} $(DESC_SecSaver)
  !insertmacro MUI_DESCRIPTION_TEXT ${SecCurrent} $(DESC_SecCurrent)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  ; Stop being the current saver only if it still is this one.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $0 == "$SYSDIR\hollyquill.scr"
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}
  Delete "$SYSDIR\hollyquill.scr"
  RMDir /r "$INSTDIR"
  RMDir "C:\Winterlark"  ; only when nothing else of the publisher's is left in it
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The user's settings stay, as they would for any program that keeps them per user.
SectionEnd
