; The Windows installer, made by scripts/build-windows.sh from build-windows/dist:
;   makensis -DVERSION=x.y.z -DDIST=folder -DOUTFILE=setup.exe carddemo.nsi
; The programs go to bin\, the sample profile and skin to share\carddemo\, where a copy in
; %APPDATA%\carddemo wins over them; the uninstaller leaves that folder alone.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define APP "carddemo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh

Name "磁条读写器演示程序 ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\carddemo.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the default; the system's language picks the other.
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

LangString DesktopShortcut ${LANG_SIMPCHINESE} "桌面快捷方式"
LangString DesktopShortcut ${LANG_ENGLISH} "Desktop shortcut"
LangString PromptEntry ${LANG_SIMPCHINESE} "cardctl 命令提示符"
LangString PromptEntry ${LANG_ENGLISH} "cardctl command prompt"

Function .onInit
  !insertmacro MULTIUSER_INIT
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "-Programs"
  SetOutPath "$INSTDIR\bin"
  File /r /x QXProduct.ini /x dogmax.ssk "${DIST}\*"
  SetOutPath "$INSTDIR\share\carddemo"
  File "${DIST}\QXProduct.ini" "${DIST}\dogmax.ssk"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\${APP}"
  CreateShortcut "$SMPROGRAMS\${APP}\磁条读写器演示程序.lnk" "$INSTDIR\bin\carddemo.exe"
  ; A command prompt in which cardctl is on the path.
  CreateShortcut "$SMPROGRAMS\${APP}\$(PromptEntry).lnk" "$SYSDIR\cmd.exe" \
    '/k "set PATH=$INSTDIR\bin;%PATH%&& cardctl --version"' "$SYSDIR\cmd.exe"
  CreateShortcut "$SMPROGRAMS\${APP}\Uninstall.lnk" "$INSTDIR\Uninstall.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "磁条读写器演示程序"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "carddemo"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\carddemo.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "$(DesktopShortcut)"
  CreateShortcut "$DESKTOP\磁条读写器演示程序.lnk" "$INSTDIR\bin\carddemo.exe"
SectionEnd

; Only what the installer put there: the operator's profile, journals and logs stay.
Section "Uninstall"
  RMDir /r "$INSTDIR\bin"
  RMDir /r "$INSTDIR\share\carddemo"
  RMDir "$INSTDIR\share"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  RMDir /r "$SMPROGRAMS\${APP}"
  Delete "$DESKTOP\磁条读写器演示程序.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
