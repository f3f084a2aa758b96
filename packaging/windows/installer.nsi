; SPDX-FileCopyrightText: 2026 The prime-intervals authors
; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer, made by packaging/windows/CMakeLists.txt with Debian's makensis:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DWIN_VERSION=1.0.0.0 -DHOMEPAGE=... -DEXE=...
;            -DICON=... -DLICENSE=... -DREADME=... -DOUTFILE=... installer.nsi
; By default it installs for the current user only, with no administrator rights, which school
; accounts rarely have: into %LOCALAPPDATA%\Programs, with the Start-menu entry and the entry of
; "Apps and features" under HKEY_CURRENT_USER. /S installs silently; /ALLUSERS, from an
; administrator's account, installs for every user of the computer into Program Files.

Unicode true
; 64-bit, like the program: it also runs under a 64-bit-only Wine.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
ManifestSupportedOS Win10

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define APP_NAME "Прости числа в интервал"
!define PUBLISHER "Авторите на prime-intervals"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\prime-intervals"
; The Start-menu entry has the name of the program, as pupils read it in the window's title.
!define SHORTCUT "$SMPROGRAMS\${APP_NAME}.lnk"

Name "${APP_NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\prime-intervals"
BrandingText "${APP_NAME} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

; The GPL grants rights and asks nothing of the user who only runs the program: the page shows it
; as a licence, not an agreement, with "Next", not with "I agree".
!define MUI_PAGE_HEADER_TEXT "$(LicenceTitle)"
!define MUI_PAGE_HEADER_SUBTEXT "$(LicenceSubtitle)"
!define MUI_LICENSEPAGE_TEXT_TOP "$(LicenceTop)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LicenceNote)"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\prime-intervals.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Bulgarian"

LangString LicenceTitle ${LANG_BULGARIAN} "Лиценз"
LangString LicenceSubtitle ${LANG_BULGARIAN} "Условията, при които «$(^NameDA)» е свободен софтуер."
LangString LicenceTop ${LANG_BULGARIAN} "Натиснете $\"Page Down$\", за да видите останалата част от лиценза."
LangString LicenceNote ${LANG_BULGARIAN} "Програмата е свободен софтуер под GNU GPL версия 3 или по-нова. \
За да я използвате, не е нужно да приемате нищо; лицензът ви дава правото да я разпространявате \
и променяте при същите условия."
LangString NeedAdmin ${LANG_BULGARIAN} "Инсталирането за всички потребители (/ALLUSERS) изисква права \
на администратор."

VIProductVersion "${WIN_VERSION}"
VIFileVersion "${WIN_VERSION}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileDescription" "Инсталатор на «${APP_NAME}»"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "LegalCopyright" "© 2026 ${PUBLISHER}. GPL-3.0-or-later."
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "ProductVersion" "${VERSION}"

Function .onInit
    SetShellVarContext current
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/ALLUSERS" $1
    ${IfNot} ${Errors}
        UserInfo::GetAccountType
        Pop $1
        ${If} $1 != "Admin"
            MessageBox MB_ICONSTOP "$(NeedAdmin)" /SD IDOK
            SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
            Quit
        ${EndIf}
        ; /D= names its own folder; otherwise Program Files instead of the user's folder. Compared
        ; before the switch, which changes what $LOCALAPPDATA means.
        ${If} $INSTDIR == "$LOCALAPPDATA\Programs\prime-intervals"
            StrCpy $INSTDIR "$PROGRAMFILES64\prime-intervals"
        ${EndIf}
        SetShellVarContext all
    ${EndIf}
FunctionEnd

; SHCTX is HKEY_CURRENT_USER for one user and HKEY_LOCAL_MACHINE for all, as SetShellVarContext
; says; $SMPROGRAMS follows it the same way.
Section
    SetOutPath "$INSTDIR"
    File "/oname=prime-intervals.exe" "${EXE}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    File "/oname=README.txt" "${README}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "${SHORTCUT}" "$INSTDIR\prime-intervals.exe" "" "$INSTDIR\prime-intervals.exe" 0

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\prime-intervals.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ; In KiB, as "Apps and features" reads it.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; The uninstaller of an installation for all users lies where HKEY_LOCAL_MACHINE says it does.
Function un.onInit
    SetShellVarContext current
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} $0 == $INSTDIR
        SetShellVarContext all
    ${EndIf}
FunctionEnd

; Only the files it installed: a folder chosen with /D may hold other files.
Section "Uninstall"
    Delete "${SHORTCUT}"
    Delete "$INSTDIR\prime-intervals.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
