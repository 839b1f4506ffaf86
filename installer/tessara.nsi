; The Windows installer of Tessara: the program, its library and its help
; files, a Start-menu shortcut, and an uninstaller listed among the
; system's installed programs. For the current user or for all users (the
; choice is offered to an administrator; /CurrentUser or /AllUsers on the
; command line; /S installs silently).
;
; Defined by the caller (scripts/make-dist.sh):
;   VERSION     the four-number version of the file VERSION
;   ARCH        win64 or win32
;   SOURCE_DIR  the folder holding Tessara.exe, Tessara.dll and the help files
;   README      the README.txt of the release
;   ICON        the program's icon
;   OUT_FILE    the installer to write

Unicode true
!if "${ARCH}" == "win64"
  Target amd64-unicode
!endif
SetCompressor /SOLID lzma

!define PRODUCT "Tessara"
!define PUBLISHER "The Tessara developers"
!define SETTINGS_KEY "Software\Tessara"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessara"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUT_FILE}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

; Per-user or all-users, remembered for the uninstaller and for upgrades.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!if "${ARCH}" == "win64"
  !define MULTIUSER_USE_PROGRAMFILES64
!endif
!include MultiUser.nsh
!include MUI2.nsh
!include x64.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tessara.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The installer speaks the user's language where NSIS has it.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Spanish"
; NSIS's Thai texts lack the page that chooses between all users and the
; current user: ours, set before the language file so that it keeps them.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "เลือกผู้ใช้"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "เลือกผู้ใช้ที่จะติดตั้ง $(^NameDA) ให้"
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "เลือกว่าจะติดตั้ง $(^NameDA) ให้คุณเพียงคนเดียว หรือให้ผู้ใช้ทุกคนของคอมพิวเตอร์เครื่องนี้ $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "ติดตั้งให้ทุกคนที่ใช้คอมพิวเตอร์เครื่องนี้"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "ติดตั้งให้ฉันเท่านั้น"
!insertmacro MUI_LANGUAGE "Thai"

LangString NEEDS_64_BIT ${LANG_ENGLISH} "This version of ${PRODUCT} needs a 64-bit Windows. Please install the 32-bit version."
LangString NEEDS_64_BIT ${LANG_SPANISH} "Esta versión de ${PRODUCT} necesita un Windows de 64 bits. Instale la versión de 32 bits."
LangString NEEDS_64_BIT ${LANG_THAI} "${PRODUCT} รุ่นนี้ต้องใช้ Windows แบบ 64 บิต โปรดติดตั้งรุ่น 32 บิตแทน"

Function .onInit
  !if "${ARCH}" == "win64"
    ${IfNot} ${RunningX64}
      MessageBox MB_OK|MB_ICONSTOP "$(NEEDS_64_BIT)" /SD IDOK
      Abort
    ${EndIf}
    SetRegView 64
  !endif
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !if "${ARCH}" == "win64"
    SetRegView 64
  !endif
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Tessara" MainSection
  SectionIn RO
  SetOutPath "$INSTDIR"
  ; Installing over an earlier version replaces its files.
  SetOverwrite on
  File "${SOURCE_DIR}/Tessara.exe"
  File "${SOURCE_DIR}/Tessara.dll"
  !if /FileExists "${SOURCE_DIR}/Tessara_en.chm"
    File "${SOURCE_DIR}/Tessara_en.chm"
  !endif
  !if /FileExists "${SOURCE_DIR}/Tessara_es.chm"
    File "${SOURCE_DIR}/Tessara_es.chm"
  !endif
  File "/oname=README.txt" "${README}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Tessara.exe"

  WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tessara.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there is removed: files the user saved in the
; folder keep it, and the folder with them.
Section "Uninstall"
  Delete "$INSTDIR\Tessara.exe"
  Delete "$INSTDIR\Tessara.dll"
  Delete "$INSTDIR\Tessara_en.chm"
  Delete "$INSTDIR\Tessara_es.chm"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DeleteRegKey SHCTX "${SETTINGS_KEY}"
SectionEnd
