; The Tarnwick Light installer. ./package builds it with Debian's makensis:
;   makensis -DVERSION=1.8.0 -DSTAGE=<folder with the files> -DICON=<.ico> -DGENERATED=<folder>
;            -DOUTFILE=<setup.exe> installer.nsi
; GENERATED holds files.nsh (the staged files to install and to delete) and extensions.nsh (the
; program's video extensions), both written by ./package.
;
; Silent use:  setup.exe /S [/CurrentUser | /AllUsers] [/LANGUAGE=en|fr] [/D=C:\path]
;              uninstall.exe /S [/CurrentUser | /AllUsers] _?=<its folder>
; Without a scope it installs per user, or where an earlier install is; /AllUsers asks for
; administrator rights (one UAC prompt) unless it already has them. Exit codes: 0 done, 1223
; the prompt refused, 740 administrator rights still missing after it (UAC turned off for a
; standard user). The uninstaller returns its own only with _?= (NSIS's manual, 3.2.2), which
; the Apps & features entry's strings carry.
;
; For the tests only: TARNWICK_SETUP_AS_USER=1 in the environment makes this copy act as a
; standard user; =always makes the copies it starts again act so too, as with UAC turned off.
; It can only make the installer ask for rights or refuse, never give it any.
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

; Per user by default, into %LOCALAPPDATA%\Programs\Tarnwick Light, without administrator rights:
; the manifest asks for none, so Windows shows no prompt. Only an install for all users, chosen on the
; page or with /AllUsers, asks for them, by starting the installer again elevated. /CurrentUser, and
; the scope of an earlier install, choose as well.
RequestExecutionLevel user
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include nsDialogs.nsh
!include Integration.nsh
!include "${__FILEDIR__}/start_as_user.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenScopeChosen
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenScopeChosen
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
Page custom ScopePageShow ScopePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The check box starts the program as the signed-in user, through the shell (start_as_user.nsh).
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartInstalledProgram
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"

LangString ScopeTitle ${LANG_ENGLISH} "Choose Users"
LangString ScopeTitle ${LANG_FRENCH} "Choix des utilisateurs"
LangString ScopeSubtitle ${LANG_ENGLISH} "Choose for which users you want to install $(^NameDA)."
LangString ScopeSubtitle ${LANG_FRENCH} "Choisissez pour quels utilisateurs installer $(^NameDA)."
LangString ScopeText ${LANG_ENGLISH} "Install $(^NameDA) only for yourself, or for everyone who uses this computer (this needs administrator rights). $(^ClickNext)"
LangString ScopeText ${LANG_FRENCH} "Installez $(^NameDA) seulement pour vous, ou pour tous ceux qui utilisent cet ordinateur (il faut pour cela les droits d'administrateur). $(^ClickNext)"
LangString ScopeCurrentUser ${LANG_ENGLISH} "Install just for me"
LangString ScopeCurrentUser ${LANG_FRENCH} "Installer seulement pour moi"
LangString ScopeAllUsers ${LANG_ENGLISH} "Install for anyone using this computer"
LangString ScopeAllUsers ${LANG_FRENCH} "Installer pour tous les utilisateurs"

LangString NoRightsInstall ${LANG_ENGLISH} "Installing $(^NameDA) for all users needs administrator rights, and Windows did not give them. Sign in as an administrator, or install it just for yourself."
LangString NoRightsInstall ${LANG_FRENCH} "Pour installer $(^NameDA) pour tous les utilisateurs, il faut les droits d'administrateur, et Windows ne les a pas donnés. Connectez-vous en administrateur, ou installez-le seulement pour vous."
LangString NoRightsUninstall ${LANG_ENGLISH} "Removing $(^NameDA), installed for all users, needs administrator rights, and Windows did not give them. Sign in as an administrator to remove it."
LangString NoRightsUninstall ${LANG_FRENCH} "Pour désinstaller $(^NameDA), installé pour tous les utilisateurs, il faut les droits d'administrateur, et Windows ne les a pas donnés. Connectez-vous en administrateur pour le désinstaller."

LangString ProgIdName ${LANG_ENGLISH} "Video (${APP})"
LangString ProgIdName ${LANG_FRENCH} "Vidéo (${APP})"
LangString AppDescription ${LANG_ENGLISH} "A lightweight video player"
LangString AppDescription ${LANG_FRENCH} "Un lecteur vidéo léger"

Var AppLang        ; "en", "fr", or empty: then the program follows Windows' display language
Var InstallMode    ; "CurrentUser" or "AllUsers", also the uninstaller's switch
Var Elevated       ; 1 when this process has administrator rights
Var ScopeChosen    ; 1 when the command line chose the scope: no page asks again
Var DirFromCommandLine  ; /D=, which NSIS takes off the command line before .onInit
Var ScopeAllUsersButton

; Elevated, the installer has the shell start the program as the signed-in user; without rights
; (a per-user install) its own start already is the user's.
Function StartInstalledProgram
  ${If} $Elevated == 1
    Push "$INSTDIR\${EXE}"
    Call StartAsUser
  ${Else}
    ExecShell "open" "$INSTDIR\${EXE}" SW_SHOWNORMAL
  ${EndIf}
FunctionEnd

; The scope's shell folders, registry root and default folder; an earlier install's folder, and /D,
; come first. Defined once for the installer and once for the uninstaller.
!macro ScopeFunctions UN
  Function ${UN}UseCurrentUser
    StrCpy $InstallMode CurrentUser
    SetShellVarContext current
    !if "${UN}" == ""
      ${If} $DirFromCommandLine == ""
        ReadRegStr $INSTDIR HKCU "${APPKEY}" "InstallDir"
        ${If} $INSTDIR == ""
          GetKnownFolderPath $INSTDIR {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB}  ; FOLDERID_UserProgramFiles
          ${If} $INSTDIR == ""
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs"
          ${EndIf}
          StrCpy $INSTDIR "$INSTDIR\${APP}"
        ${EndIf}
      ${EndIf}
    !endif
  FunctionEnd

  Function ${UN}UseAllUsers
    StrCpy $InstallMode AllUsers
    SetShellVarContext all
    !if "${UN}" == ""
      ${If} $DirFromCommandLine == ""
        ReadRegStr $INSTDIR HKLM "${APPKEY}" "InstallDir"
        ${If} $INSTDIR == ""
          StrCpy $INSTDIR "$PROGRAMFILES64\${APP}"
        ${EndIf}
      ${EndIf}
    !endif
  FunctionEnd

  ; Starts this program again with administrator rights and the parameters on the stack, waits for it
  ; and ends with its exit code. Refused (the user said no at the prompt): returns with the error flag.
  ; A copy that was itself started so (/Elevated) and still has no rights, as when UAC is off for
  ; a standard user and "runas" starts it with the same token, stops instead of starting another.
  Function ${UN}RunElevated
    Exch $0
    Push $1
    Push $2
    Push $3
    ${${UN}GetParameters} $1
    ClearErrors
    ${${UN}GetOptions} $1 "/Elevated" $2
    ${IfNot} ${Errors}
      !if "${UN}" == ""
        MessageBox MB_OK|MB_ICONSTOP "$(NoRightsInstall)" /SD IDOK
      !else
        MessageBox MB_OK|MB_ICONSTOP "$(NoRightsUninstall)" /SD IDOK
      !endif
      SetErrorLevel 740  ; ERROR_ELEVATION_REQUIRED
      Quit
    ${EndIf}
    ; What NSIS takes off the command line goes last, unquoted, as it must: the uninstaller's
    ; folder, and the installer's /D= (else the copy would install into the scope's default).
    !if "${UN}" == ""
      StrCpy $0 "/Elevated $0"
      ${If} $DirFromCommandLine != ""
        StrCpy $0 "$0 /D=$DirFromCommandLine"
      ${EndIf}
    !else
      StrCpy $0 "/Elevated $0 _?=$INSTDIR"
    !endif
    ; SHELLEXECUTEINFOW of x64 (112 bytes): SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC, the verb
    ; "runas", this program, the parameters, SW_SHOWNORMAL; hProcess comes back last.
    System::Call '*(i 112, i 0x140, p $HWNDPARENT, w "runas", w "$EXEPATH", w r0, p 0, i 1, i 0, p 0, p 0, p 0, p 0, i 0, i 0, p 0, p 0) p .r1'
    System::Call 'shell32::ShellExecuteExW(p r1) i .r2'
    ${If} $2 <> 0
      System::Call '*$1(i, i, p, p, p, p, p, i, i, p, p, p, p, i, i, p, p .r2)'
    ${EndIf}
    System::Free $1
    ${If} $2 P<> 0
      HideWindow
      ; The hidden window is still this thread's, and a thread with windows must go on
      ; dispatching messages while it waits (a broadcast such as WM_SETTINGCHANGE waits for
      ; every top-level window): MsgWaitForMultipleObjects returns 0 when the copy has ended,
      ; 1 when messages came, -1 when the wait failed. A MSG is 48 bytes on x64.
      System::Alloc 48
      Pop $3
      ${Do}
        System::Call 'user32::MsgWaitForMultipleObjects(i 1, *p r2, i 0, i -1, i 0x4FF) i .r1'  ; QS_ALLINPUT
        ${If} $1 <> 1
          ${Break}
        ${EndIf}
        ${Do}
          System::Call 'user32::PeekMessageW(p r3, p 0, i 0, i 0, i 1) i .r1'  ; PM_REMOVE
          ${If} $1 = 0
            ${Break}
          ${EndIf}
          System::Call 'user32::TranslateMessage(p r3)'
          System::Call 'user32::DispatchMessageW(p r3)'
        ${Loop}
      ${Loop}
      System::Free $3
      StrCpy $1 1
      System::Call 'kernel32::GetExitCodeProcess(p r2, *i .r1)'
      System::Call 'kernel32::CloseHandle(p r2)'
      SetErrorLevel $1
      Quit
    ${EndIf}
    Pop $3
    Pop $2
    Pop $1
    Pop $0
    SetErrors
  FunctionEnd

  ; The scope from /AllUsers or /CurrentUser, else the one of an earlier install (an update stays
  ; where it is), else per user. An install for all users needs administrator rights: asked for here
  ; when the command line or a silent run decided it, on leaving the page otherwise.
  Function ${UN}ChooseScope
    UserInfo::GetAccountType
    Pop $0
    ; The tests' stand-in for a standard user (see the top of this file).
    ReadEnvStr $1 TARNWICK_SETUP_AS_USER
    ${If} $1 != ""
      StrCpy $0 "User"
      ${If} $1 != "always"
        System::Call 'kernel32::SetEnvironmentVariableW(w "TARNWICK_SETUP_AS_USER", p 0)'
      ${EndIf}
    ${EndIf}
    ${If} $0 == "Admin"
      StrCpy $Elevated 1
    ${EndIf}
    ${${UN}GetParameters} $R0
    ClearErrors
    ${${UN}GetOptions} $R0 "/AllUsers" $0
    ${IfNot} ${Errors}
      StrCpy $ScopeChosen 1
      Call ${UN}UseAllUsers
    ${Else}
      ClearErrors
      ${${UN}GetOptions} $R0 "/CurrentUser" $0
      ${IfNot} ${Errors}
        StrCpy $ScopeChosen 1
        Call ${UN}UseCurrentUser
      ${Else}
        ReadRegStr $0 HKCU "${APPKEY}" "InstallMode"
        ReadRegStr $1 HKLM "${APPKEY}" "InstallMode"
        ${If} $0 == ""
        ${AndIf} $1 == "AllUsers"
          Call ${UN}UseAllUsers
        ${Else}
          Call ${UN}UseCurrentUser
        ${EndIf}
      ${EndIf}
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro ScopeFunctions ""
!insertmacro ScopeFunctions "un."

Function SkipWhenScopeChosen
  ; Started again elevated from the page: the welcome and the licence have been seen.
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ScopeChosen" $0
  ${IfNot} ${Errors}
    Abort
  ${EndIf}
FunctionEnd

Function ScopeOnClick
  ; The shield on Next while "all users", which asks for administrator rights, is chosen.
  ${NSD_GetState} $ScopeAllUsersButton $0
  GetDlgItem $1 $HWNDPARENT 1
  SendMessage $1 ${BCM_SETSHIELD} 0 $0
FunctionEnd

Function ScopePageShow
  ${If} $ScopeChosen == 1
    Abort
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "$(ScopeTitle)" "$(ScopeSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 2u 100% 30u "$(ScopeText)"
  Pop $0
  ${NSD_CreateRadioButton} 15u 40u -15u 12u "$(ScopeCurrentUser)"
  Pop $1
  ${NSD_CreateRadioButton} 15u 58u -15u 12u "$(ScopeAllUsers)"
  Pop $ScopeAllUsersButton
  ${If} $InstallMode == "AllUsers"
    ${NSD_Check} $ScopeAllUsersButton
  ${Else}
    ${NSD_Check} $1
  ${EndIf}
  ${If} $Elevated != 1
    ${NSD_OnClick} $1 ScopeOnClick
    ${NSD_OnClick} $ScopeAllUsersButton ScopeOnClick
    Call ScopeOnClick
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ScopePageLeave
  ${NSD_GetState} $ScopeAllUsersButton $0
  ${If} $0 <> ${BST_CHECKED}
    Call UseCurrentUser
  ${ElseIf} $Elevated == 1
    Call UseAllUsers
  ${Else}
    ; Refused at the prompt: the page stays, for the user to choose again.
    ${GetParameters} $R0
    Push '/AllUsers /ScopeChosen /LANGUAGE=$AppLang $R0'
    Call RunElevated
    Abort
  ${EndIf}
FunctionEnd

Function .onInit
  StrCpy $DirFromCommandLine $INSTDIR  ; /D= sets it before this runs
  Call ChooseScope
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
  ${If} $InstallMode == "AllUsers"
  ${AndIf} $Elevated != 1
    ${If} $ScopeChosen == 1
    ${OrIf} ${Silent}
      Push '/AllUsers /ScopeChosen /LANGUAGE=$AppLang $R0'
      Call RunElevated
      ; Refused: nothing is installed for all users.
      SetErrorLevel 1223  ; ERROR_CANCELLED
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

; The copy that the uninstall leaves in the temporary folder: it waits for the uninstaller to end
; (and the one that started it elevated, a moment later), deletes it and the folder, and goes
; itself at the next restart where this account may ask for that, as NSIS's own copy there does.
Function un.RemoveFolder
  Exch $0
  Push $1
  System::Call 'kernel32::OpenProcess(i 0x100000, i 0, i r0) p .r1'  ; SYNCHRONIZE
  ${If} $1 P<> 0
    System::Call 'kernel32::WaitForSingleObject(p r1, i -1)'  ; no window here to keep answering
    System::Call 'kernel32::CloseHandle(p r1)'
  ${EndIf}
  ${For} $1 1 50
    Delete "$INSTDIR\uninstall.exe"
    ${IfNot} ${FileExists} "$INSTDIR\uninstall.exe"
      ${Break}
    ${EndIf}
    Sleep 200
  ${Next}
  RMDir "$INSTDIR"
  System::Call 'kernel32::MoveFileExW(w "$EXEPATH", p 0, i 4)'  ; MOVEFILE_DELAY_UNTIL_REBOOT
  Pop $1
  Pop $0
FunctionEnd

Function un.onInit
  ; No copy may keep the program's folder as its current one.
  SetOutPath "$TEMP"
  ${un.GetParameters} $R0
  ClearErrors
  ${un.GetOptions} $R0 "/RemoveFolder=" $0
  ${IfNot} ${Errors}
    Push $0
    Call un.RemoveFolder
    Quit
  ${EndIf}
  Call un.ChooseScope
  ${If} $InstallMode == "AllUsers"
  ${AndIf} $Elevated != 1
    Push '/AllUsers $R0'
    Call un.RunElevated
    SetErrorLevel 1223
    Quit
  ${EndIf}
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
  WriteRegStr SHCTX "${APPKEY}" "InstallMode" "$InstallMode"
  ${If} $AppLang != ""
    WriteRegStr SHCTX "${APPKEY}" "Language" "$AppLang"
  ${EndIf}

  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr SHCTX "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  ; _?= last: the uninstaller runs in place instead of from a copy that NSIS starts and leaves
  ; at once with 0, so Apps & features and winget get its real exit code.
  WriteRegStr SHCTX "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$InstallMode _?=$INSTDIR'
  WriteRegStr SHCTX "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$InstallMode /S _?=$INSTDIR'
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
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    ; Run in place (_?=), this file is the running uninstaller, which keeps it open: a copy in
    ; the temporary folder removes it and the folder once this process has ended.
    GetTempFileName $0
    CopyFiles /SILENT "$EXEPATH" "$0"
    System::Call 'kernel32::GetCurrentProcessId() i .r1'
    Exec '"$0" /RemoveFolder=$1 _?=$INSTDIR'
  ${EndIf}
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
