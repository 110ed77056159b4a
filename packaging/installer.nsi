; The Tarnwick Light installer. ./package builds it with Debian's makensis:
;   makensis -DVERSION=1.8.0 -DSTAGE=<folder with the files> -DICON=<.ico> -DGENERATED=<folder>
;            -DOUTFILE=<setup.exe> installer.nsi
; GENERATED holds files.nsh (the staged files to install and to delete) and extensions.nsh (the
; program's video extensions), both written by ./package.
;
; Silent use:  setup.exe /S [/CurrentUser | /AllUsers] [/LANGUAGE=en|fr] [/D=C:\path]
;              uninstall.exe /S [/CurrentUser | /AllUsers]
Unicode true
Target amd64-unicode            ; native x64: the 64-bit registry view and $PROGRAMFILES64
ManifestDPIAware true
SetCompressor /SOLID lzma

!define APP       "Tarnwick Light"
!define EXE       "TarnwickLight.exe"
!define PROGID    "TarnwickLight.Video"
!define APPKEY    "Software\${APP}"     ; the program reads "Language" here
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TarnwickLight"
!define PUBLISHER "Tarnwick Light developers"

Name "${APP}"
OutFile "${OUTFILE}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${APP}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${APP} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "GNU GPL version 3 or later"

; Per-machine by default for an administrator, per-user otherwise; the page or /AllUsers and
; /CurrentUser choose. Per-user goes to %LOCALAPPDATA%\Programs\Tarnwick Light.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${APPKEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallDir"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${APPKEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Integration.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_LANGDLL_ALLLANGUAGES
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The check box starts the program through Explorer, so as the signed-in user: started directly it
; would inherit this installer's elevated token, and then refuse Explorer's drops and the hand-off of
; a normal start, and keep its settings in the profile of whoever typed the administrator password.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartAsUser
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"

LangString ProgIdName ${LANG_ENGLISH} "Video (${APP})"
LangString ProgIdName ${LANG_FRENCH} "Vidéo (${APP})"
LangString AppDescription ${LANG_ENGLISH} "A lightweight video player"
LangString AppDescription ${LANG_FRENCH} "Un lecteur vidéo léger"

Var AppLang   ; "en", "fr", or empty: then the program follows Windows' display language

Function StartAsUser
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\${EXE}"'
FunctionEnd

Function .onInit
  !insertmacro MULTIUSER_INIT
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/LANGUAGE=" $AppLang
  ${If} ${Errors}
    StrCpy $AppLang ""
    ${IfNot} ${Silent}
      !insertmacro MUI_LANGDLL_DISPLAY
      ${If} $LANGUAGE == ${LANG_FRENCH}
        StrCpy $AppLang "fr"
      ${Else}
        StrCpy $AppLang "en"
      ${EndIf}
    ${EndIf}
  ${ElseIf} $AppLang == "fr"
    StrCpy $LANGUAGE ${LANG_FRENCH}
  ${ElseIf} $AppLang == "en"
    StrCpy $LANGUAGE ${LANG_ENGLISH}
  ${Else}
    ; Only the two words the program knows are written; anything else leaves the choice to it.
    StrCpy $AppLang ""
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Offered for each extension: listed under "Open with" and in Default Apps, never made the
; extension's default, which stays the user's choice.
!macro RegisterExtension EXT
  WriteRegStr SHCTX "Software\Classes\${EXT}\OpenWithProgids" "${PROGID}" ""
  WriteRegStr SHCTX "Software\Classes\Applications\${EXE}\SupportedTypes" "${EXT}" ""
  WriteRegStr SHCTX "${APPKEY}\Capabilities\FileAssociations" "${EXT}" "${PROGID}"
!macroend
!macro UnregisterExtension EXT
  DeleteRegValue SHCTX "Software\Classes\${EXT}\OpenWithProgids" "${PROGID}"
  DeleteRegKey /IfEmpty SHCTX "Software\Classes\${EXT}\OpenWithProgids"
  DeleteRegKey /IfEmpty SHCTX "Software\Classes\${EXT}"
!macroend

!include "${GENERATED}\extensions.nsh"   ; defines ForEachExtension MACRO
!include "${GENERATED}\files.nsh"        ; defines InstallFiles and DeleteFiles

Section "Install"
  SetOutPath "$INSTDIR"
  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\${EXE}"

  WriteRegStr SHCTX "${APPKEY}" "InstallDir" "$INSTDIR"
  WriteRegStr SHCTX "${APPKEY}" "InstallMode" "$MultiUser.InstallMode"
  ${If} $AppLang != ""
    WriteRegStr SHCTX "${APPKEY}" "Language" "$AppLang"
  ${EndIf}

  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr SHCTX "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTKEY}" "EstimatedSize" $0

  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "$(ProgIdName)"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\${EXE},0"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
  WriteRegStr SHCTX "Software\Classes\Applications\${EXE}" "FriendlyAppName" "${APP}"
  WriteRegStr SHCTX "Software\Classes\Applications\${EXE}\DefaultIcon" "" "$INSTDIR\${EXE},0"
  WriteRegStr SHCTX "Software\Classes\Applications\${EXE}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
  WriteRegStr SHCTX "${APPKEY}\Capabilities" "ApplicationName" "${APP}"
  WriteRegStr SHCTX "${APPKEY}\Capabilities" "ApplicationDescription" "$(AppDescription)"
  WriteRegStr SHCTX "${APPKEY}\Capabilities" "ApplicationIcon" "$INSTDIR\${EXE},0"
  WriteRegStr SHCTX "Software\RegisteredApplications" "${APP}" "${APPKEY}\Capabilities"
  WriteRegStr SHCTX "Software\Microsoft\Windows\CurrentVersion\App Paths\${EXE}" "" "$INSTDIR\${EXE}"
  !insertmacro ForEachExtension RegisterExtension
  ${NotifyShell_AssocChanged}
SectionEnd

; Everything the installer made goes; %APPDATA%\Tarnwick Light (settings and resume points)
; belongs to the user and stays.
Section "Uninstall"
  !insertmacro DeleteFiles
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APP}.lnk"
  !insertmacro ForEachExtension UnregisterExtension
  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  DeleteRegKey SHCTX "Software\Classes\Applications\${EXE}"
  DeleteRegValue SHCTX "Software\RegisteredApplications" "${APP}"
  DeleteRegKey /IfEmpty SHCTX "Software\RegisteredApplications"
  DeleteRegKey SHCTX "Software\Microsoft\Windows\CurrentVersion\App Paths\${EXE}"
  DeleteRegKey SHCTX "${UNINSTKEY}"
  DeleteRegKey SHCTX "${APPKEY}"
  ${NotifyShell_AssocChanged}
SectionEnd
