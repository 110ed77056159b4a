; StartAsUser: starts a program as the signed-in user, also from an installer that runs elevated.
;   Push "C:\path\program.exe"
;   Call StartAsUser
; The desktop's own shell starts it, through IShellDispatch2::ShellExecute of the shell's view of
; the desktop (ShellWindows, then the desktop's browser, view and folder view), so the program gets
; the shell's token and not the installer's: started by the installer it would run elevated, refuse
; Explorer's drops and the hand-off of a normal start, and keep its settings in the profile of whoever
; typed the administrator password. Where there is no such shell (a replacement shell, Explorer
; restarting), nothing is started: the user starts the program from the Start menu.
;
; Each call is a COM method by its place in the interface's table (the System plug-in's
; "pointer->index"); the places are those of the Windows SDK's headers. On x64 a VARIANT (24 bytes)
; passed by value is passed as a pointer to a copy, so the VARIANT arguments are pointers.

!include LogicLib.nsh

!define /IfNDef CLSID_ShellWindows "{9BA05972-F6A8-11CF-A442-00A0C90A8F39}"
!define /IfNDef IID_IShellWindows "{85CB6900-4D95-11CF-960C-0080C7F4EE85}"
!define /IfNDef IID_IServiceProvider "{6D5140C1-7436-11CE-8034-00AA006009FA}"
!define /IfNDef SID_STopLevelBrowser "{4C96BE40-915C-11CF-99D3-00AA004AE837}"
!define /IfNDef IID_IShellBrowser "{000214E2-0000-0000-C000-000000000046}"
!define /IfNDef IID_IDispatch "{00020400-0000-0000-C000-000000000046}"
!define /IfNDef IID_IShellFolderViewDual "{E7A1AF80-4D96-11CF-960C-0080C7F4EE85}"
!define /IfNDef IID_IShellDispatch2 "{A4C6892C-3BA9-11D2-9DEA-00C04FB16162}"

!macro StartAsUser_Release INTERFACE
  ${If} ${INTERFACE} != 0
    System::Call '${INTERFACE}->2()'  ; Release
  ${EndIf}
!macroend

Function StartAsUser
  Exch $R0
  Push $R1
  Push $R2
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  Push $5
  Push $6
  Push $7
  Push $8
  Push $9
  ; $2..$8: the interfaces along the way, released at the end; $9: COM for this thread, to undo.
  StrCpy $2 0
  StrCpy $3 0
  StrCpy $4 0
  StrCpy $5 0
  StrCpy $6 0
  StrCpy $7 0
  StrCpy $8 0
  System::Call 'ole32::CoInitializeEx(p 0, i 2) i .r9'  ; COINIT_APARTMENTTHREADED
  System::Call 'ole32::CoCreateInstance(g "${CLSID_ShellWindows}", p 0, i 0x17, g "${IID_IShellWindows}", *p .r2) i .r0'
  ${If} $0 = 0
    ; FindWindowSW(&CSIDL_DESKTOP as VT_I4, &VT_EMPTY, SWC_DESKTOP, &hwnd, SWFO_NEEDDISPATCH, &dispatch)
    System::Call '*(i 3, i 0, l 0, l 0) p .r0'
    System::Call '*(l 0, l 0, l 0) p .r1'
    System::Call '$2->15(p r0, p r1, i 8, *i .R1, i 1, *p .r3) i .R2'
    System::Free $0
    System::Free $1
    StrCpy $0 $R2
  ${EndIf}
  ${If} $0 = 0
    System::Call '$3->0(g "${IID_IServiceProvider}", *p .r4) i .r0'  ; QueryInterface
  ${EndIf}
  ${If} $0 = 0
    System::Call '$4->3(g "${SID_STopLevelBrowser}", g "${IID_IShellBrowser}", *p .r5) i .r0'  ; QueryService
  ${EndIf}
  ${If} $0 = 0
    System::Call '$5->15(*p .r6) i .r0'  ; IShellBrowser::QueryActiveShellView
  ${EndIf}
  ${If} $0 = 0
    System::Call '$6->15(i 0, g "${IID_IDispatch}", *p .r7) i .r0'  ; GetItemObject(SVGIO_BACKGROUND)
  ${EndIf}
  ${If} $0 = 0
    System::Call '$7->0(g "${IID_IShellFolderViewDual}", *p .r1) i .r0'
    ${If} $0 = 0
      System::Call '$1->7(*p .r8) i .r0'  ; IShellFolderViewDual::get_Application
      System::Call '$1->2()'
    ${EndIf}
  ${EndIf}
  ${If} $0 = 0
    System::Call '$8->0(g "${IID_IShellDispatch2}", *p .r1) i .r0'
    ${If} $0 = 0
      ; ShellExecute(file, arguments, folder, verb, show): no arguments, folder or verb (VT_EMPTY),
      ; and SW_SHOWNORMAL as a VT_I4, as Microsoft's own example passes it. An empty show is only
      ; "unspecified" on Microsoft's page, and Wine hands it on as 0, SW_HIDE, which the program's
      ; first ShowWindow obeys.
      System::Call 'oleaut32::SysAllocString(w R0) p .R1'
      System::Call '*(l 0, l 0, l 0, i 3, i 0, i 1, i 0, l 0) p .R2'  ; VT_EMPTY; VT_I4 1
      IntPtrOp $0 $R2 + 24
      System::Call '$1->31(p R1, p R2, p R2, p R2, p r0) i .r0'
      System::Free $R2
      System::Call 'oleaut32::SysFreeString(p R1)'
      System::Call '$1->2()'
    ${EndIf}
  ${EndIf}
  !insertmacro StartAsUser_Release $8
  !insertmacro StartAsUser_Release $7
  !insertmacro StartAsUser_Release $6
  !insertmacro StartAsUser_Release $5
  !insertmacro StartAsUser_Release $4
  !insertmacro StartAsUser_Release $3
  !insertmacro StartAsUser_Release $2
  ${If} $9 >= 0
    System::Call 'ole32::CoUninitialize()'
  ${EndIf}
  Pop $9
  Pop $8
  Pop $7
  Pop $6
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd
