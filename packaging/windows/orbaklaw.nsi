; The setup program of the Windows window, one per architecture. makensis is
; given (by Instalator.cmake):
;   /DWERSJA=1.50 /DARCH=x64|x86 /DPLIKI=pliki.nsh /DUSUN=usun.nsh /DWYJSCIE=setup.exe
; pliki.nsh puts the installed folder's files in place, usun.nsh removes
; exactly those: the uninstaller never removes what it didn't install.
;
; Silent:  setup.exe /S [/BIBLIOTEKI=folder] [/SKROT] [/D=folder]
;   /BIBLIOTEKI= the folder holding the register maker's KASDRV.DLL and KomPort.dll
;   /SKROT       a shortcut on the desktop too
;   /D=          the program's folder (last and unquoted, as NSIS wants it)

Unicode true
!if ${ARCH} == "x64"
  Target amd64-unicode
  !define MASZYNA 34404 ; IMAGE_FILE_MACHINE_AMD64
  !define BITY "64"
  InstallDir "$PROGRAMFILES64\orbaklaw"
!else
  Target x86-unicode
  !define MASZYNA 332 ; IMAGE_FILE_MACHINE_I386
  !define BITY "32"
  InstallDir "$PROGRAMFILES\orbaklaw"
!endif

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define KLUCZ "Software\Microsoft\Windows\CurrentVersion\Uninstall\orbaklaw"

Name "orbaklaw ${WERSJA}"
OutFile "${WYJSCIE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "orbaklaw ${WERSJA} (${BITY}-bit)"
InstallDirRegKey HKLM "${KLUCZ}" "InstallLocation"

Var BibliotekiProducenta
Var FolderRoboczy

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
; The maker's libraries: a second folder page, which may stay empty.
!define MUI_PAGE_HEADER_TEXT "Biblioteki producenta kasy"
!define MUI_PAGE_HEADER_SUBTEXT "KASDRV.DLL i KomPort.dll, przez które program łączy się z prawdziwą kasą ORBA."
!define MUI_DIRECTORYPAGE_TEXT_TOP "Aby program łączył się z prawdziwą kasą, wskaż folder z bibliotekami producenta kasy (KASDRV.DLL i KomPort.dll, ${BITY}-bitowe). Pozostaw pole puste, aby zainstalować biblioteki dołączone do programu; łączą się one z emulatorem kasy orba-emu."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "Folder z bibliotekami producenta (może być pusty)"
!define MUI_DIRECTORYPAGE_VARIABLE $BibliotekiProducenta
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE SprawdzWskazaneBiblioteki
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION UruchomProgram
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Polish"

; The processor a DLL is built for ($R0: its path) in $R1, from its PE
; header; 0 when it is no PE file.
Function MaszynaBiblioteki
  StrCpy $R1 0
  ClearErrors
  FileOpen $R2 $R0 r
  IfErrors koniec
  FileSeek $R2 60 SET          ; e_lfanew
  FileReadByte $R2 $R3
  FileReadByte $R2 $R4
  IntOp $R4 $R4 * 256
  IntOp $R3 $R3 + $R4
  IntOp $R3 $R3 + 4            ; past "PE\0\0"
  FileSeek $R2 $R3 SET
  FileReadByte $R2 $R3
  FileReadByte $R2 $R4
  IntOp $R4 $R4 * 256
  IntOp $R1 $R3 + $R4
  FileClose $R2
koniec:
FunctionEnd

; What is wrong with the maker's folder $BibliotekiProducenta, in $R5 ("" when
; it holds both libraries for this program's processor).
Function OcenBiblioteki
  StrCpy $R5 ""
  ${If} ${FileExists} "$BibliotekiProducenta\KASDRV.DLL"
  ${AndIf} ${FileExists} "$BibliotekiProducenta\KomPort.dll"
    StrCpy $R0 "$BibliotekiProducenta\KASDRV.DLL"
    Call MaszynaBiblioteki
    StrCpy $R6 $R1
    StrCpy $R0 "$BibliotekiProducenta\KomPort.dll"
    Call MaszynaBiblioteki
    ${If} $R6 != ${MASZYNA}
    ${OrIf} $R1 != ${MASZYNA}
      StrCpy $R5 "Biblioteki w folderze $BibliotekiProducenta nie są ${BITY}-bitowe, a ta wersja programu jest ${BITY}-bitowa. Biblioteki producenta kasy są 32-bitowe: do nich służy orbaklaw-${WERSJA}-x86-setup.exe."
    ${EndIf}
  ${Else}
    StrCpy $R5 "W folderze $BibliotekiProducenta nie ma bibliotek KASDRV.DLL i KomPort.dll."
  ${EndIf}
FunctionEnd

Function SprawdzWskazaneBiblioteki
  ${If} $BibliotekiProducenta == ""
    Return
  ${EndIf}
  Call OcenBiblioteki
  ${If} $R5 != ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "$R5"
    Abort
  ${EndIf}
FunctionEnd


Function UruchomProgram
  SetOutPath "$FolderRoboczy"
  Exec '"$INSTDIR\orbaklaw.exe"'
FunctionEnd

Section "orbaklaw" SekcjaProgramu
  SectionIn RO
  !include "${PLIKI}"
  ${If} $BibliotekiProducenta != ""
    SetOutPath "$INSTDIR"
    CopyFiles /SILENT "$BibliotekiProducenta\KASDRV.DLL" "$INSTDIR\KASDRV.DLL"
    CopyFiles /SILENT "$BibliotekiProducenta\KomPort.dll" "$INSTDIR\KomPort.dll"
  ${EndIf}

  ; The working folder, where KONFIG.TXT, klawisz.txt and the exchange files
  ; go: the user's own, never the program's folder under Program Files.
  StrCpy $FolderRoboczy "$DOCUMENTS\orbaklaw"
  CreateDirectory "$FolderRoboczy"
  SetOutPath "$FolderRoboczy"
  CreateShortCut "$SMPROGRAMS\orbaklaw.lnk" "$INSTDIR\orbaklaw.exe" "" "$INSTDIR\orbaklaw.exe" 0 \
    SW_SHOWNORMAL "" "Klawisze programowalne kasy ORBA"

  WriteUninstaller "$INSTDIR\odinstaluj.exe"
  WriteRegStr HKLM "${KLUCZ}" "DisplayName" "orbaklaw ${WERSJA} (${BITY}-bit)"
  WriteRegStr HKLM "${KLUCZ}" "DisplayVersion" "${WERSJA}"
  WriteRegStr HKLM "${KLUCZ}" "Publisher" "orbaklaw"
  WriteRegStr HKLM "${KLUCZ}" "DisplayIcon" "$INSTDIR\orbaklaw.exe"
  WriteRegStr HKLM "${KLUCZ}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${KLUCZ}" "UninstallString" '"$INSTDIR\odinstaluj.exe"'
  WriteRegStr HKLM "${KLUCZ}" "QuietUninstallString" '"$INSTDIR\odinstaluj.exe" /S'
  WriteRegDWORD HKLM "${KLUCZ}" "NoModify" 1
  WriteRegDWORD HKLM "${KLUCZ}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${KLUCZ}" "EstimatedSize" $0
SectionEnd

Section /o "Skrót na pulpicie" SekcjaSkrotu
  SetOutPath "$FolderRoboczy"
  CreateShortCut "$DESKTOP\orbaklaw.lnk" "$INSTDIR\orbaklaw.exe" "" "$INSTDIR\orbaklaw.exe" 0 \
    SW_SHOWNORMAL "" "Klawisze programowalne kasy ORBA"
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\orbaklaw.lnk"
  Delete "$DESKTOP\orbaklaw.lnk"
  !include "${USUN}"
  Delete "$INSTDIR\odinstaluj.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${KLUCZ}"
SectionEnd

; After the sections, whose numbers it uses.
Function .onInit
  SetShellVarContext current
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/BIBLIOTEKI=" $BibliotekiProducenta
  ${GetOptions} $R0 "/SKROT" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SekcjaSkrotu}
  ${EndIf}
  ${If} ${Silent}
  ${AndIf} $BibliotekiProducenta != ""
    Call OcenBiblioteki
    ${If} $R5 != ""
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd
