; SPDX-License-Identifier: GPL-3.0-or-later
; The installer as a program: per machine, into Program Files\Misure di massa, two Start menu
; entries (the drill, and the drill on a classroom's whiteboard), an uninstaller listed in
; "Apps" / "Programs and Features". Silent with /S, for installing and for removing.
; makensis -DCARTELLA=<the program folder> -DVERSIONE=<x.y.z> -DICONA=<icon> -DFILE=<list> -DUSCITA=<setup.exe>
; A 64-bit installer, like the program: Windows itself turns it away on a 32-bit system.
Target amd64-unicode
SetCompressor /SOLID lzma
; File times are not recorded: the same folder gives the same installer.
SetDateSave off
RequestExecutionLevel admin
ManifestDPIAware true

!define NOME "Misure di massa"
!define CHIAVE "Software\Microsoft\Windows\CurrentVersion\Uninstall\MisureDiMassa"
!include "${FILE}"
Name "${NOME}"
OutFile "${USCITA}"
Icon "${ICONA}"
UninstallIcon "${ICONA}"
InstallDir "$PROGRAMFILES64\${NOME}"
VIProductVersion "${VERSIONE}.0"
VIAddVersionKey /LANG=0 "ProductName" "${NOME}"
VIAddVersionKey /LANG=0 "FileDescription" "${NOME}: installazione"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSIONE}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSIONE}"
VIAddVersionKey /LANG=0 "CompanyName" "Il software di Velmaro"
VIAddVersionKey /LANG=0 "LegalCopyright" "GPL-3.0-or-later"

!include "MUI2.nsh"
!define MUI_ICON "${ICONA}"
!define MUI_UNICON "${ICONA}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Programma"
  SetOutPath "$INSTDIR"
  File /r "${CARTELLA}\*.*"
  WriteUninstaller "$INSTDIR\disinstalla.exe"
  CreateShortCut "$SMPROGRAMS\${NOME}.lnk" "$INSTDIR\misure-di-massa.exe" "" "$INSTDIR\misure-di-massa.exe" 0 \
    "" "" "Trasformazioni tra chilogrammi, ettogrammi, decagrammi e grammi"
  CreateShortCut "$SMPROGRAMS\${NOME} (lavagna interattiva).lnk" "$INSTDIR\misure-di-massa.exe" "--lavagna" \
    "$INSTDIR\misure-di-massa.exe" 0 "" "" "Per la lavagna interattiva"
  WriteRegStr HKLM "${CHIAVE}" "DisplayName" "${NOME}"
  WriteRegStr HKLM "${CHIAVE}" "DisplayVersion" "${VERSIONE}"
  WriteRegStr HKLM "${CHIAVE}" "Publisher" "Il software di Velmaro"
  WriteRegStr HKLM "${CHIAVE}" "DisplayIcon" "$INSTDIR\misure-di-massa.exe"
  WriteRegStr HKLM "${CHIAVE}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${CHIAVE}" "UninstallString" '"$INSTDIR\disinstalla.exe"'
  WriteRegStr HKLM "${CHIAVE}" "QuietUninstallString" '"$INSTDIR\disinstalla.exe" /S'
  WriteRegDWORD HKLM "${CHIAVE}" "NoModify" 1
  WriteRegDWORD HKLM "${CHIAVE}" "NoRepair" 1
SectionEnd

; Only what the installer put there: a folder chosen by hand may hold other files.
Section "Uninstall"
  Delete "$SMPROGRAMS\${NOME}.lnk"
  Delete "$SMPROGRAMS\${NOME} (lavagna interattiva).lnk"
  !insertmacro MASSA_CANCELLA
  Delete "$INSTDIR\disinstalla.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${CHIAVE}"
SectionEnd
