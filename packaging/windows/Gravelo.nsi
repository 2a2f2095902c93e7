; The Windows installer of Gravelo: a 64-bit NSIS 3 program (Modern UI 2)
; that puts each plug-in format where hosts look for it and registers an
; uninstaller that takes back exactly what it put there.
;
; Built by packaging/windows/make-windows.sh, which stages the files and
; gives the defines:
;   VERSION  the version, as in the VERSION file
;   STAGE    the staged files: VST3/, CLAP/, VST2/x64/, VST2/x86/, the texts
;            and, when there is a Windows practice amp, gravelo-amp.exe
;   ICON     the installer's and the uninstaller's icon
;   OUTFILE  where the installer is written
;
; Command line (besides /S, silent, and /D=folder, the program folder, last):
;   /COMPONENTS=vst3,clap,vst2,vst2x86[,amp]   only the components named
;   /VST2DIR=folder     the 64-bit VST 2.x folder
;   /VST2DIR32=folder   the 32-bit one
; The VST 2.x folders are by default those of an earlier installation, else
; Program Files\VSTPlugins and Program Files (x86)\VSTPlugins.
; A folder is a whole one (D:\... or \\server\...), quoted after the "="
; when it has spaces: /VST2DIR="D:\VST Plugins". A component name it does
; not know, a folder that is not whole, or one folder for both VST 2.x
; libraries stops the installer with exit code 2 before it changes anything.

!ifndef VERSION | STAGE | ICON | OUTFILE
    !error "make-windows.sh gives VERSION, STAGE, ICON and OUTFILE"
!endif

Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define PRODUCT "Gravelo"
!define PUBLISHER "Morvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Gravelo"
!define AMP_SHORTCUT "$SMPROGRAMS\Gravelo practice amp.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PUBLISHER}\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

; The file version resource wants four numbers: those of x.y.z, then 0.
!searchparse /noerrors "${VERSION}-" "" VERSION_MAJOR "." VERSION_MINOR "." VERSION_PATCH "-"
VIProductVersion "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}.0"
VIFileVersion "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (c) ${PUBLISHER}, MIT License"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

Var Vst2Dir
Var Vst2Dir32
Var InstalledBytes

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC

!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS

!define MUI_PAGE_HEADER_TEXT "VST 2.x folder (64-bit)"
!define MUI_PAGE_HEADER_SUBTEXT "Where your 64-bit host looks for VST 2.x plug-ins."
!define MUI_DIRECTORYPAGE_TEXT_TOP "Setup puts the 64-bit Gravelo.dll into this folder. Choose the folder your 64-bit host scans for VST 2.x plug-ins."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "64-bit VST 2.x folder"
!define MUI_DIRECTORYPAGE_VARIABLE $Vst2Dir
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipUnlessVst2
!insertmacro MUI_PAGE_DIRECTORY

!define MUI_PAGE_HEADER_TEXT "VST 2.x folder (32-bit)"
!define MUI_PAGE_HEADER_SUBTEXT "Where your 32-bit host looks for VST 2.x plug-ins."
!define MUI_DIRECTORYPAGE_TEXT_TOP "Setup puts the 32-bit Gravelo.dll into this folder. Choose the folder your 32-bit host scans for VST 2.x plug-ins; it must not be the 64-bit one."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "32-bit VST 2.x folder"
!define MUI_DIRECTORYPAGE_VARIABLE $Vst2Dir32
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipUnlessVst2x86
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE LeaveVst2x86Folder
!insertmacro MUI_PAGE_DIRECTORY

!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Adds the size of a file just installed to what the uninstall entry shows.
!macro CountSize path
    Push "${path}"
    Call CountSize
!macroend

Function CountSize
    Exch $0
    Push $1
    Push $2
    FileOpen $1 "$0" r
    FileSeek $1 0 END $2
    FileClose $1
    IntOp $InstalledBytes $InstalledBytes + $2
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

; An earlier installation goes first, by its own uninstaller: it knows the
; folders it used, which may not be this run's.
Section "-EarlierInstallation"
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\uninstall.exe"
        DetailPrint "Removing the earlier installation in $0"
        ; _?= runs it in place and waits; it cannot delete itself then.
        ExecWait '"$0\uninstall.exe" /S _?=$0'
        Delete "$0\uninstall.exe"
        RMDir "$0"
    ${EndIf}
SectionEnd

Section "VST 3 plug-in" SecVst3
    SetOutPath "$COMMONFILES64\VST3\Gravelo.vst3\Contents\x86_64-win"
    File "${STAGE}/VST3/Gravelo.vst3/Contents/x86_64-win/Gravelo.vst3"
    !insertmacro CountSize "$OUTDIR\Gravelo.vst3"
    SetOutPath "$COMMONFILES64\VST3\Gravelo.vst3\Contents\x86-win"
    File "${STAGE}/VST3/Gravelo.vst3/Contents/x86-win/Gravelo.vst3"
    !insertmacro CountSize "$OUTDIR\Gravelo.vst3"
    SetOutPath "$COMMONFILES64\VST3\Gravelo.vst3\Contents\Resources"
    File "${STAGE}/VST3/Gravelo.vst3/Contents/Resources/moduleinfo.json"
    !insertmacro CountSize "$OUTDIR\moduleinfo.json"
SectionEnd

Section "CLAP plug-in" SecClap
    SetOutPath "$COMMONFILES64\CLAP"
    File "${STAGE}/CLAP/Gravelo.clap"
    !insertmacro CountSize "$OUTDIR\Gravelo.clap"
SectionEnd

Section "VST 2.x plug-in (64-bit)" SecVst2
    SetOutPath "$Vst2Dir"
    File "${STAGE}/VST2/x64/Gravelo.dll"
    !insertmacro CountSize "$OUTDIR\Gravelo.dll"
SectionEnd

Section "VST 2.x plug-in (32-bit)" SecVst2x86
    SetOutPath "$Vst2Dir32"
    File "${STAGE}/VST2/x86/Gravelo.dll"
    !insertmacro CountSize "$OUTDIR\Gravelo.dll"
SectionEnd

!if /FileExists "${STAGE}/gravelo-amp.exe"
    !define HAVE_AMP
    Section "Practice amp" SecAmp
        SetOutPath "$INSTDIR"
        File "${STAGE}/gravelo-amp.exe"
        !insertmacro CountSize "$OUTDIR\gravelo-amp.exe"
        CreateShortcut "${AMP_SHORTCUT}" "$INSTDIR\gravelo-amp.exe"
    SectionEnd
!endif

; The texts, the uninstaller and its entry; the entry names each plug-in
; folder used, for the uninstaller.
Section "-Registration"
    SetOutPath "$INSTDIR"
    File "${STAGE}/LICENSE.txt"
    File "${STAGE}/THIRD-PARTY-NOTICES.txt"
    File "${STAGE}/CHANGELOG.md"
    File "/oname=gravelo.ico" "${ICON}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    !insertmacro CountSize "$INSTDIR\LICENSE.txt"
    !insertmacro CountSize "$INSTDIR\THIRD-PARTY-NOTICES.txt"
    !insertmacro CountSize "$INSTDIR\CHANGELOG.md"
    !insertmacro CountSize "$INSTDIR\gravelo.ico"
    !insertmacro CountSize "$INSTDIR\uninstall.exe"

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\gravelo.ico"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ; In KiB, rounded up, as Windows reads it.
    IntOp $0 $InstalledBytes + 1023
    IntOp $0 $0 / 1024
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
    ${If} ${SectionIsSelected} ${SecVst3}
        WriteRegStr HKLM "${UNINSTALL_KEY}" "Vst3Dir" "$COMMONFILES64\VST3"
    ${EndIf}
    ${If} ${SectionIsSelected} ${SecClap}
        WriteRegStr HKLM "${UNINSTALL_KEY}" "ClapDir" "$COMMONFILES64\CLAP"
    ${EndIf}
    ${If} ${SectionIsSelected} ${SecVst2}
        WriteRegStr HKLM "${UNINSTALL_KEY}" "Vst2Dir" "$Vst2Dir"
    ${EndIf}
    ${If} ${SectionIsSelected} ${SecVst2x86}
        WriteRegStr HKLM "${UNINSTALL_KEY}" "Vst2Dir32" "$Vst2Dir32"
    ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecVst3} "Gravelo.vst3 (64- and 32-bit) in Common Files\VST3, where every VST 3 host looks."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecClap} "Gravelo.clap (64-bit) in Common Files\CLAP."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecVst2} "Gravelo.dll for 64-bit VST 2.x hosts, in a folder of your choice."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecVst2x86} "Gravelo.dll for 32-bit VST 2.x hosts, in a folder of your choice."
!ifdef HAVE_AMP
    !insertmacro MUI_DESCRIPTION_TEXT ${SecAmp} "gravelo-amp, the practice amp, with a Start menu entry."
!endif
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Stops before anything is changed: a message unless silent, exit code 2.
!macro Refuse message
    ${IfNot} ${Silent}
        MessageBox MB_OK|MB_ICONSTOP "${message}"
    ${EndIf}
    SetErrorLevel 2
    Quit
!macroend

; $0: a folder as given; without its trailing backslashes (a drive's
; root keeps its own).
Function TrimFolder
    ${Do}
        StrLen $1 $0
        StrCpy $2 $0 1 -1
        ${If} $1 <= 3
        ${OrIf} $2 != "\"
            ${Break}
        ${EndIf}
        StrCpy $0 $0 -1
    ${Loop}
FunctionEnd

; $0: a folder from the command line. The uninstaller finds its files again
; by the folder's name, so it must be a whole one: D:\... or \\server\...
Function CheckWholeFolder
    StrCpy $1 $0 2 1
    StrCpy $2 $0 2
    ${If} $1 != ":\"
    ${AndIf} $2 != "\\"
        !insertmacro Refuse "'$0' is not a whole folder name such as D:\VST Plugins."
    ${EndIf}
FunctionEnd

; $0: one name of /COMPONENTS=; its section is selected.
Function SelectComponent
    ${If} $0 == "vst3"
        !insertmacro SelectSection ${SecVst3}
    ${ElseIf} $0 == "clap"
        !insertmacro SelectSection ${SecClap}
    ${ElseIf} $0 == "vst2"
        !insertmacro SelectSection ${SecVst2}
    ${ElseIf} $0 == "vst2x86"
        !insertmacro SelectSection ${SecVst2x86}
!ifdef HAVE_AMP
    ${ElseIf} $0 == "amp"
        !insertmacro SelectSection ${SecAmp}
!endif
    ${Else}
        !insertmacro Refuse "Unknown component '$0' in /COMPONENTS=."
    ${EndIf}
FunctionEnd

; $2: the comma-separated list of /COMPONENTS=; only those are selected.
Function SelectComponents
    !insertmacro UnselectSection ${SecVst3}
    !insertmacro UnselectSection ${SecClap}
    !insertmacro UnselectSection ${SecVst2}
    !insertmacro UnselectSection ${SecVst2x86}
!ifdef HAVE_AMP
    !insertmacro UnselectSection ${SecAmp}
!endif
    StrCpy $0 ""
    StrCpy $3 0
    StrCpy $5 0
    ${Do}
        StrCpy $4 $2 1 $3
        ${If} $4 == ","
        ${OrIf} $4 == ""
            ${If} $0 != ""
                Call SelectComponent
                IntOp $5 $5 + 1
            ${EndIf}
            ${If} $4 == ""
                ${Break}
            ${EndIf}
            StrCpy $0 ""
        ${Else}
            StrCpy $0 "$0$4"
        ${EndIf}
        IntOp $3 $3 + 1
    ${Loop}
    ${If} $5 == 0
        !insertmacro Refuse "/COMPONENTS= names no component."
    ${EndIf}
FunctionEnd

; Both DLLs are called Gravelo.dll: one folder for both would keep only one.
Function CheckVst2Folders
    StrCpy $0 $Vst2Dir
    Call TrimFolder
    StrCpy $Vst2Dir $0
    StrCpy $0 $Vst2Dir32
    Call TrimFolder
    StrCpy $Vst2Dir32 $0
    StrCpy $0 0
    ${If} ${SectionIsSelected} ${SecVst2}
    ${AndIf} ${SectionIsSelected} ${SecVst2x86}
    ${AndIf} $Vst2Dir == $Vst2Dir32
        StrCpy $0 1
    ${EndIf}
FunctionEnd

Function .onInit
    SetRegView 64
    SetShellVarContext all
    ; The folders of an earlier installation, else the usual ones.
    ReadRegStr $Vst2Dir HKLM "${UNINSTALL_KEY}" "Vst2Dir"
    ${If} $Vst2Dir == ""
        StrCpy $Vst2Dir "$PROGRAMFILES64\VSTPlugins"
    ${EndIf}
    ReadRegStr $Vst2Dir32 HKLM "${UNINSTALL_KEY}" "Vst2Dir32"
    ${If} $Vst2Dir32 == ""
        StrCpy $Vst2Dir32 "$PROGRAMFILES32\VSTPlugins"
    ${EndIf}

    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/VST2DIR=" $0
    ${IfNot} ${Errors}
        Call CheckWholeFolder
        StrCpy $Vst2Dir $0
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/VST2DIR32=" $0
    ${IfNot} ${Errors}
        Call CheckWholeFolder
        StrCpy $Vst2Dir32 $0
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/COMPONENTS=" $2
    ${IfNot} ${Errors}
        Call SelectComponents
    ${EndIf}
    Call CheckVst2Folders
    ${If} $0 == 1
    ${AndIf} ${Silent}
        !insertmacro Refuse "The 64-bit and the 32-bit Gravelo.dll need two folders."
    ${EndIf}
FunctionEnd

Function SkipUnlessVst2
    ${IfNot} ${SectionIsSelected} ${SecVst2}
        Abort
    ${EndIf}
FunctionEnd

Function SkipUnlessVst2x86
    ${IfNot} ${SectionIsSelected} ${SecVst2x86}
        Abort
    ${EndIf}
FunctionEnd

Function LeaveVst2x86Folder
    Call CheckVst2Folders
    ${If} $0 == 1
        MessageBox MB_OK|MB_ICONEXCLAMATION "The 64-bit Gravelo.dll goes into this folder already. Choose another one for the 32-bit library."
        Abort
    ${EndIf}
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

; Only the files it installed, from the folders its entry names; a folder
; goes only when nothing else is left in it. The bundle is Gravelo's own.
Section "Uninstall"
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "Vst3Dir"
    ${If} $0 != ""
        RMDir /r "$0\Gravelo.vst3"
        RMDir "$0"
    ${EndIf}
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "ClapDir"
    ${If} $0 != ""
        Delete "$0\Gravelo.clap"
        RMDir "$0"
    ${EndIf}
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "Vst2Dir"
    ${If} $0 != ""
        Delete "$0\Gravelo.dll"
        RMDir "$0"
    ${EndIf}
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "Vst2Dir32"
    ${If} $0 != ""
        Delete "$0\Gravelo.dll"
        RMDir "$0"
    ${EndIf}

    Delete "${AMP_SHORTCUT}"
    Delete "$INSTDIR\gravelo-amp.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
    Delete "$INSTDIR\CHANGELOG.md"
    Delete "$INSTDIR\gravelo.ico"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    RMDir "$PROGRAMFILES64\${PUBLISHER}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
