; The Windows installer of ペクル: a per-user install that needs no administrator.
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=0.1.0 -DSOURCE=<portable folder> -DOUTFILE=<setup.exe> pekuru.nsi
;
; with SOURCE and OUTFILE absolute (makensis works in this script's folder).
; SOURCE is the folder scripts/windows/deploy.sh lays out. The program goes to
; %LOCALAPPDATA%\Programs\pekuru (or /D=...), with a Start-menu folder "ペクル" and an entry in
; Settings ▸ Apps (HKCU ...\Uninstall\pekuru). Silent: setup.exe /S [/D=folder]; uninstall.exe /S.
; The uninstaller deletes the files this installer put there and nothing else: the classroom
; (%LOCALAPPDATA%\pekuru, the names and the records) is the user's and stays.

!ifndef VERSION | SOURCE | OUTFILE
  !error "VERSION, SOURCE and OUTFILE are needed: makensis -DVERSION=... -DSOURCE=... -DOUTFILE=... pekuru.nsi"
!endif

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user
; A file that cannot be written (the program still running) stops the install instead of being
; skipped, so that a silent install never reports a half-replaced program as done.
AllowSkipFiles off

!define PRODUCT "ペクル"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\pekuru"
!define STARTMENU "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\pekuru"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!include "MUI2.nsh"
!include "LogicLib.nsh"

; Windows' version resource wants four numbers; VERSION is major.minor.patch.
!searchparse /noerrors "${VERSION}" "" VERSION_MAJOR "." VERSION_MINOR "." VERSION_PATCH
!ifndef VERSION_MAJOR | VERSION_MINOR | VERSION_PATCH
  !error "VERSION=${VERSION} is not major.minor.patch"
!endif

; The file lists, made from SOURCE when the installer is built. makensis runs commands in the
; script's folder, where a relative ${__FILEDIR__} no longer leads.
!tempfile FILES_INSTALL
!tempfile FILES_UNINSTALL
!system 'here="${__FILEDIR__}"; case "$here" in /*) ;; *) here=. ;; esac; "$here/nsis-file-lists.sh" "${SOURCE}" "${FILES_INSTALL}" "${FILES_UNINSTALL}"' = 0

!define MUI_WELCOMEPAGE_TEXT "幼稚園から高校までの子どものための、絵合わせパズルのドリル「${PRODUCT}」${VERSION} を、このパソコンのあなた用にインストールします。管理者の権限はいりません。$\r$\n$\r$\n教室 (名簿と成績) は、はじめて起動したときに %LOCALAPPDATA%\pekuru に作られます。"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\pekuru.exe"
!define MUI_FINISHPAGE_RUN_TEXT "${PRODUCT}を起動する"
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "${PRODUCT}のプログラムを、次のフォルダから削除します。教室 (名簿と成績、%LOCALAPPDATA%\pekuru) は削除しません。"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Japanese"

VIProductVersion "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}.0"
VIFileVersion "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}.0"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "${PRODUCT} ${VERSION} のインストーラー"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "ペクルの開発者"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "ペクルの開発者"

Section "${PRODUCT}" SecProgram
  SetShellVarContext current

  ; Over an earlier install: its own uninstaller takes away its files first, so that none that this
  ; version no longer has is left behind (the classroom is not among them).
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    ClearErrors
    ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR' $0
    ${If} ${Errors}
    ${OrIf} $0 != 0
      MessageBox MB_OK|MB_ICONSTOP "前にインストールした${PRODUCT}を $INSTDIR から削除できませんでした (終了コード $0)。${PRODUCT}が動いていたら終了してから、もう一度インストールしてください。" /SD IDOK
      SetErrorLevel 2
      Abort
    ${EndIf}
    Delete "$INSTDIR\uninstall.exe"
  ${EndIf}

  !include "${FILES_INSTALL}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetOutPath "$INSTDIR"
  CreateDirectory "${STARTMENU}"
  CreateShortcut "${STARTMENU}\${PRODUCT}.lnk" "$INSTDIR\pekuru.exe" "" "$INSTDIR\pekuru.exe" 0 SW_SHOWNORMAL "" "絵合わせパズルのドリル"
  CreateShortcut "${STARTMENU}\${PRODUCT}のアンインストール.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "ペクルの開発者"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pekuru.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SecProgram} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  ; Only a folder with ペクル in it is emptied.
  ${IfNot} ${FileExists} "$INSTDIR\pekuru.exe"
    MessageBox MB_OK|MB_ICONSTOP "$INSTDIR には${PRODUCT}がインストールされていません。" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

Section "Uninstall"
  SetShellVarContext current
  !include "${FILES_UNINSTALL}"
  Delete "$INSTDIR\uninstall.exe"
  ; Left when the user keeps files of their own in it.
  RMDir "$INSTDIR"

  ; The shortcuts and the Apps entry belong to the copy they point at: removing an older copy in
  ; another folder leaves those of the current one.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    Delete "${STARTMENU}\${PRODUCT}.lnk"
    Delete "${STARTMENU}\${PRODUCT}のアンインストール.lnk"
    RMDir "${STARTMENU}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd

!delfile "${FILES_INSTALL}"
!delfile "${FILES_UNINSTALL}"
