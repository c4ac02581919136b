; The Windows installer of Pipfall, built by scripts/windows.sh with NSIS:
;   makensis -DVERSION=1.1 -DSTAGE=<folder with the files> -DOUTFILE=<setup.exe> pipfall.nsi
; The licence page, a choice between an install for this user and one for all users (into
; Program Files either way), a Start-menu entry, an entry in Apps & features and an
; uninstaller that removes all of it. /S installs silently, /AllUsers or /CurrentUser choose.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define NAME "Pipfall"
!define PUBLISHER "Pipfall developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pipfall"

Name "${NAME}"
OutFile "${OUTFILE}"
; The installer's and the uninstaller's headers come from NSIS's own ready-made program, with
; the time it was built: they get the last commit's (SOURCE_DATE_EPOCH) instead. The files
; inside carry the times of those staged, which scripts/windows.sh sets to the same.
!finalize '"${__FILEDIR__}/pe-timestamp" "%1"' = 0
!uninstfinalize '"${__FILEDIR__}/pe-timestamp" "%1"' = 0
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "${NAME}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${NAME} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "2026 ${PUBLISHER}, GPL-3.0-or-later"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${NAME}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh

!define MUI_ICON "pipfall.ico"
!define MUI_UNICON "pipfall.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\pipfall.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The installer speaks the languages the game speaks, chosen by the user's Windows language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"

Function .onInit
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

; The files, named one by one so that the uninstaller removes exactly these.
!macro PIPFALL_FILES DO
    !insertmacro ${DO} "pipfall.exe"
    !insertmacro ${DO} "LICENSE.txt"
    !insertmacro ${DO} "imgdie1.bmp"
    !insertmacro ${DO} "imgdie2.bmp"
    !insertmacro ${DO} "imgdie3.bmp"
    !insertmacro ${DO} "imgdie4.bmp"
    !insertmacro ${DO} "imgdie5.bmp"
    !insertmacro ${DO} "imgdie6.bmp"
    !insertmacro ${DO} "imgdie1@2x.png"
    !insertmacro ${DO} "imgdie2@2x.png"
    !insertmacro ${DO} "imgdie3@2x.png"
    !insertmacro ${DO} "imgdie4@2x.png"
    !insertmacro ${DO} "imgdie5@2x.png"
    !insertmacro ${DO} "imgdie6@2x.png"
!macroend
!macro INSTALL_FILE FILE
    File "${STAGE}\${FILE}"
!macroend
!macro REMOVE_FILE FILE
    Delete "$INSTDIR\${FILE}"
!macroend

Section "Pipfall"
    SetOutPath "$INSTDIR"
    !insertmacro PIPFALL_FILES INSTALL_FILE
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; The shortcut starts the game in its folder, beside its die pictures.
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\pipfall.exe" "" "$INSTDIR\pipfall.exe" 0

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pipfall.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
        '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    !insertmacro PIPFALL_FILES REMOVE_FILE
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
