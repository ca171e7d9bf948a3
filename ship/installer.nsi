; The installer of Lumivane 3, made by `--target installer` (cmake/Ship.cmake)
; from the same staged programs as the ZIP archive. Per user and without
; administrator rights, so that the programs can write their settings beside
; themselves. ANSI stubs: it runs on Windows 95/98 as well as on Windows 11.
; CMake defines VERSION, VERSION4, FILES, OUTFILE, ICON, UPDATER_CLASS,
; UPDATER_TITLE and UPDATER_PROGRAM.

Unicode false
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumivane3"
!define MENU_FOLDER "$SMPROGRAMS\Lumivane 3"
SetCompressor /SOLID lzma
RequestExecutionLevel user
Name "Lumivane 3"
OutFile "${OUTFILE}"
; Chosen in .onInit unless an earlier installation or /D= names one.
InstallDir ""
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!include MUI2.nsh
!include LogicLib.nsh
!include WinVer.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\lumivane3.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start the Lumivane 3 Control Center"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_ENGLISH} ProductName "Lumivane 3"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileDescription "Lumivane 3 Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} ProductVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} CompanyName "Lumivane"
VIAddVersionKey /LANG=${LANG_ENGLISH} LegalCopyright "Lumivane"

Var UpdaterWasRunning

; Sends the Updater WM_CLOSE, as the Control Center does, and waits until its
; program file can be written: the process ends a moment after its window.
!macro CloseUpdater un
Function ${un}CloseUpdater
  StrCpy $UpdaterWasRunning 0
  FindWindow $0 "${UPDATER_CLASS}" "${UPDATER_TITLE}"
  ${If} $0 <> 0
    StrCpy $UpdaterWasRunning 1
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=30000
  ${EndIf}
  ${IfNot} ${FileExists} "$INSTDIR\${UPDATER_PROGRAM}"
    Return
  ${EndIf}
  StrCpy $1 0
  ${Do}
    ClearErrors
    FileOpen $2 "$INSTDIR\${UPDATER_PROGRAM}" a
    ${IfNot} ${Errors}
      FileClose $2
      ${Break}
    ${EndIf}
    Sleep 250
    IntOp $1 $1 + 1
  ${LoopUntil} $1 >= 120
FunctionEnd
!macroend
!insertmacro CloseUpdater ""
!insertmacro CloseUpdater "un."

Function .onInit
  ${If} $INSTDIR == ""
    ; Windows 9x lets every user write to Program Files; later systems give
    ; each user a folder for programs of his own.
    ${If} ${AtLeastWin2000}
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Lumivane 3"
    ${Else}
      StrCpy $INSTDIR "$PROGRAMFILES\Lumivane 3"
    ${EndIf}
  ${EndIf}
FunctionEnd

Section
  Call CloseUpdater
  SetOutPath "$INSTDIR"
  ; The settings (lumivane3.ini) are not in the package, so an earlier
  ; version's stay as they are.
  File "${FILES}\*.exe"
  File "${FILES}\README.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "${MENU_FOLDER}"
  CreateShortCut "${MENU_FOLDER}\Lumivane 3 Control Center.lnk" "$INSTDIR\lumivane3.exe"
  CreateShortCut "${MENU_FOLDER}\Lumivane 3 Help.lnk" "$INSTDIR\lumivane3help.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Lumivane 3"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Lumivane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lumivane3.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  ${If} $UpdaterWasRunning = 1
    Exec '"$INSTDIR\${UPDATER_PROGRAM}"'
  ${EndIf}
SectionEnd

Section Uninstall
  ; The restore program stops the Updater and its start with Windows and
  ; gives back the sounds, logos and wallpaper, with the Control Center's own
  ; code; what it cannot restore does not stop the removal.
  ${If} ${FileExists} "$INSTDIR\restore3.exe"
    ExecWait '"$INSTDIR\restore3.exe" /S'
  ${EndIf}
  Call un.CloseUpdater
  RMDir /r "$INSTDIR"
  Delete "${MENU_FOLDER}\Lumivane 3 Control Center.lnk"
  Delete "${MENU_FOLDER}\Lumivane 3 Help.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
