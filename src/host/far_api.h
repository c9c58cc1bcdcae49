// The host's plugin interface, version 1.70: records, operations and constants, laid out
// byte for byte as the host expects them in the 32-bit build (2-byte packing throughout).
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define FARAPI __stdcall
#else
#define FARAPI
#endif

namespace far_host {

using DWORD = std::uint32_t;
using HANDLE = void*;
// The host passes pointers through its 32-bit `long` dialog parameters; natively they must be
// pointer-sized, in the 32-bit build both are the same 4 bytes.
using LONG_PARAM = std::intptr_t;

// INVALID_HANDLE_VALUE: addresses the file panels in Control, and is what OpenPlugin returns.
inline HANDLE const invalid_handle = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));
constexpr int NM = 260;

// The host packs its records to 2 bytes. The native test build keeps natural alignment: its
// 8-byte pointers would otherwise sit misaligned, and its layouts only meet the test host's.
#if UINTPTR_MAX == 0xFFFFFFFFu
#pragma pack(push, 2)
#endif

struct FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
};

struct RECT {
  std::int32_t left, top, right, bottom;
};

struct COORD {
  std::int16_t X, Y;
};

struct WIN32_FIND_DATA_PACKED {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  DWORD dwReserved0;
  DWORD dwReserved1;
  char cFileName[NM];
  char cAlternateFileName[14];
};

struct PluginPanelItem {
  WIN32_FIND_DATA_PACKED FindData;
  DWORD PackSizeHigh;
  DWORD PackSize;
  DWORD Flags;
  DWORD NumberOfLinks;
  char* Description;
  char* Owner;
  char** CustomColumnData;
  int CustomColumnNumber;
  DWORD UserData;
  DWORD CRC32;
  DWORD Reserved[2];
};

struct PanelInfo {
  int PanelType;
  int Plugin;
  RECT PanelRect;
  PluginPanelItem* PanelItems;
  int ItemsNumber;
  PluginPanelItem* SelectedItems;
  int SelectedItemsNumber;
  int CurrentItem;
  int TopPanelItem;
  int Visible;
  int Focus;
  int ViewMode;
  char ColumnTypes[80];
  char ColumnWidths[80];
  char CurDir[NM];
  int ShortNames;
  int SortMode;
  DWORD Flags;
  DWORD Reserved;
};

struct PanelRedrawInfo {
  int CurrentItem;
  int TopPanelItem;
};

struct FarListItem {
  DWORD Flags;
  char Text[128];
  DWORD Reserved[3];
};

struct FarList {
  int ItemsNumber;
  FarListItem* Items;
};

struct FarListPos {
  int SelectPos;
  int TopPos;
};

struct FarDialogItem {
  int Type;
  int X1, Y1, X2, Y2;
  int Focus;
  union {
    int Selected;
    const char* History;
    const char* Mask;
    FarList* ListItems;
    int ListPos;
  };
  DWORD Flags;
  int DefaultButton;
  char Data[512];
};

struct KeySequence {
  DWORD Flags;
  int Count;
  DWORD* Sequence;
};

struct PluginInfo {
  int StructSize;
  DWORD Flags;
  const char* const* DiskMenuStrings;
  int* DiskMenuNumbers;
  int DiskMenuStringsNumber;
  const char* const* PluginMenuStrings;
  int PluginMenuStringsNumber;
  const char* const* PluginConfigStrings;
  int PluginConfigStringsNumber;
  const char* CommandPrefix;
  DWORD Reserved;
};

using FARAPIGETMSG = const char*(FARAPI*)(int PluginNumber, int MsgId);
using FARAPIMESSAGE = int(FARAPI*)(int PluginNumber, DWORD Flags, const char* HelpTopic,
                                   const char* const* Items, int ItemsNumber, int ButtonsNumber);
using FARAPICONTROL = int(FARAPI*)(HANDLE hPlugin, int Command, void* Param);
using FARAPIADVCONTROL = int(FARAPI*)(int ModuleNumber, int Command, void* Param);
using FARWINDOWPROC = LONG_PARAM(FARAPI*)(HANDLE hDlg, int Msg, int Param1, LONG_PARAM Param2);
using FARAPIDIALOGEX = int(FARAPI*)(int PluginNumber, int X1, int Y1, int X2, int Y2,
                                    const char* HelpTopic, FarDialogItem* Item, int ItemsNumber,
                                    DWORD Reserved, DWORD Flags, FARWINDOWPROC DlgProc,
                                    LONG_PARAM Param);
using FARAPISENDDLGMESSAGE = LONG_PARAM(FARAPI*)(HANDLE hDlg, int Msg, int Param1,
                                                 LONG_PARAM Param2);
using FARAPIDEFDLGPROC = FARWINDOWPROC;
using FARSTDKEYNAMETOKEY = int(FARAPI*)(const char* Name);
using FARSTDTRUNCPATHSTR = char*(FARAPI*)(char* Str, int MaxLength);
// Slots the plugin never calls through.
using FAROPAQUEPROC = void(FARAPI*)();

struct FarStandardFunctions {
  int StructSize;
  FAROPAQUEPROC atoi, atoi64, itoa, itoa64, sprintf, sscanf, qsort, bsearch, qsortex, snprintf;
  DWORD Reserved[8];
  FAROPAQUEPROC LIsLower, LIsUpper, LIsAlpha, LIsAlphanum, LUpper, LLower, LUpperBuf, LLowerBuf,
      LStrupr, LStrlwr, LStricmp, LStrnicmp, Unquote, ExpandEnvironmentStr, LTrim, RTrim, Trim,
      TruncStr;
  FARSTDTRUNCPATHSTR TruncPathStr;
  FAROPAQUEPROC QuoteSpaceOnly, PointToName, GetPathRoot, AddEndSlash, CopyToClipboard,
      PasteFromClipboard, FarKeyToName;
  FARSTDKEYNAMETOKEY FarNameToKey;
  FAROPAQUEPROC FarInputRecordToKey, XLat, GetFileOwner, GetNumberOfLinks, FarRecursiveSearch,
      MkTemp, DeleteBuffer, ProcessName, MkLink, ConvertNameToReal, GetReparsePointInfo;
};

struct PluginStartupInfo {
  int StructSize;
  char ModuleName[NM];
  int ModuleNumber;
  const char* RootKey;
  FAROPAQUEPROC Menu, Dialog;
  FARAPIMESSAGE Message;
  FARAPIGETMSG GetMsg;
  FARAPICONTROL Control;
  FAROPAQUEPROC SaveScreen, RestoreScreen, GetDirList, GetPluginDirList, FreeDirList, Viewer,
      Editor, CmpName, CharTable, Text, EditorControl;
  FarStandardFunctions* FSF;
  FAROPAQUEPROC ShowHelp;
  FARAPIADVCONTROL AdvControl;
  FAROPAQUEPROC InputBox;
  FARAPIDIALOGEX DialogEx;
  FARAPISENDDLGMESSAGE SendDlgMessage;
  FARAPIDEFDLGPROC DefDlgProc;
  DWORD Reserved;
  FAROPAQUEPROC ViewerControl;
};

#if UINTPTR_MAX == 0xFFFFFFFFu
#pragma pack(pop)
#endif

// Dialog item types and flags.
constexpr int DI_TEXT = 0;
constexpr int DI_SINGLEBOX = 2;
constexpr int DI_DOUBLEBOX = 3;
constexpr int DI_BUTTON = 7;
constexpr int DI_LISTBOX = 11;
constexpr DWORD DIF_CENTERGROUP = 0x4000;
constexpr DWORD DIF_LISTNOBOX = 0x40000;
constexpr DWORD DIF_HIDDEN = 0x10000000;
constexpr DWORD DIF_NOFOCUS = 0x40000000;
constexpr DWORD LIF_DISABLE = 0x80000;
constexpr LONG_PARAM LMRT_ONLYFOCUS = 0;

// Dialog messages and notifications.
constexpr int DM_CLOSE = 1;
constexpr int DM_ENABLEREDRAW = 3;
constexpr int DM_KEY = 9;
constexpr int DM_MOVEDIALOG = 10;
constexpr int DM_SETDLGITEM = 12;
constexpr int DM_REDRAW = 14;
constexpr int DM_LISTGETCURPOS = 30;
constexpr int DM_LISTSETCURPOS = 31;
constexpr int DM_RESIZEDIALOG = 43;
constexpr int DM_LISTSET = 53;
constexpr int DM_LISTSETMOUSEREACTION = 54;
constexpr int DN_CLOSE = DM_CLOSE;
constexpr int DN_KEY = DM_KEY;
constexpr int DN_ENTERIDLE = 0x1008;
constexpr int DN_INITDIALOG = 0x100C;
constexpr int DN_MOUSECLICK = 0x100F;
constexpr int DN_MOUSEEVENT = 0x1012;

// Panel commands for Control.
constexpr int FCTL_GETPANELINFO = 1;
constexpr int FCTL_GETANOTHERPANELINFO = 2;
constexpr int FCTL_REDRAWPANEL = 5;
constexpr int FCTL_SETSELECTION = 10;
constexpr int FCTL_SETVIEWMODE = 12;
constexpr int FCTL_SETPANELDIR = 16;
constexpr int FCTL_SETSORTMODE = 19;
constexpr int FCTL_SETSORTORDER = 21;

constexpr int PTYPE_FILEPANEL = 0;
constexpr int PTYPE_TREEPANEL = 1;
constexpr int PTYPE_QVIEWPANEL = 2;
constexpr int PTYPE_INFOPANEL = 3;
constexpr DWORD PFLAGS_REVERSESORTORDER = 4;
constexpr DWORD PPIF_SELECTED = 0x40000000;

constexpr int ACTL_GETFARVERSION = 0;
constexpr int ACTL_POSTKEYSEQUENCE = 8;
constexpr int ACTL_REDRAWALL = 27;
constexpr DWORD KSFLAGS_DISABLEOUTPUT = 1;
constexpr DWORD FMSG_WARNING = 1;
constexpr DWORD FDLG_WARNING = 1;

constexpr int MIN_STARTUP_INFO_SIZE = 372;
constexpr int FAR_VERSION_1_70_BUILD_1282 = 0x05020146;

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(FILETIME) == 8);
static_assert(sizeof(RECT) == 16);
static_assert(sizeof(COORD) == 4);
static_assert(sizeof(WIN32_FIND_DATA_PACKED) == 318);
static_assert(offsetof(WIN32_FIND_DATA_PACKED, ftCreationTime) == 4);
static_assert(offsetof(WIN32_FIND_DATA_PACKED, ftLastAccessTime) == 12);
static_assert(offsetof(WIN32_FIND_DATA_PACKED, ftLastWriteTime) == 20);
static_assert(offsetof(WIN32_FIND_DATA_PACKED, nFileSizeHigh) == 28);
static_assert(offsetof(WIN32_FIND_DATA_PACKED, nFileSizeLow) == 32);
static_assert(offsetof(WIN32_FIND_DATA_PACKED, cFileName) == 44);
static_assert(offsetof(WIN32_FIND_DATA_PACKED, cAlternateFileName) == 304);

static_assert(sizeof(PluginPanelItem) == 366);
static_assert(offsetof(PluginPanelItem, PackSizeHigh) == 318);
static_assert(offsetof(PluginPanelItem, PackSize) == 322);
static_assert(offsetof(PluginPanelItem, Flags) == 326);
static_assert(offsetof(PluginPanelItem, NumberOfLinks) == 330);
static_assert(offsetof(PluginPanelItem, Description) == 334);
static_assert(offsetof(PluginPanelItem, Owner) == 338);
static_assert(offsetof(PluginPanelItem, CustomColumnData) == 342);
static_assert(offsetof(PluginPanelItem, CustomColumnNumber) == 346);
static_assert(offsetof(PluginPanelItem, UserData) == 350);
static_assert(offsetof(PluginPanelItem, CRC32) == 354);
static_assert(offsetof(PluginPanelItem, Reserved) == 358);

static_assert(sizeof(PanelInfo) == 496);
static_assert(offsetof(PanelInfo, Plugin) == 4);
static_assert(offsetof(PanelInfo, PanelRect) == 8);
static_assert(offsetof(PanelInfo, PanelItems) == 24);
static_assert(offsetof(PanelInfo, ItemsNumber) == 28);
static_assert(offsetof(PanelInfo, SelectedItems) == 32);
static_assert(offsetof(PanelInfo, SelectedItemsNumber) == 36);
static_assert(offsetof(PanelInfo, CurrentItem) == 40);
static_assert(offsetof(PanelInfo, TopPanelItem) == 44);
static_assert(offsetof(PanelInfo, Visible) == 48);
static_assert(offsetof(PanelInfo, Focus) == 52);
static_assert(offsetof(PanelInfo, ViewMode) == 56);
static_assert(offsetof(PanelInfo, ColumnTypes) == 60);
static_assert(offsetof(PanelInfo, ColumnWidths) == 140);
static_assert(offsetof(PanelInfo, CurDir) == 220);
static_assert(offsetof(PanelInfo, ShortNames) == 480);
static_assert(offsetof(PanelInfo, SortMode) == 484);
static_assert(offsetof(PanelInfo, Flags) == 488);
static_assert(offsetof(PanelInfo, Reserved) == 492);

static_assert(sizeof(PanelRedrawInfo) == 8);
static_assert(offsetof(PanelRedrawInfo, TopPanelItem) == 4);

static_assert(sizeof(FarListItem) == 144);
static_assert(offsetof(FarListItem, Text) == 4);
static_assert(offsetof(FarListItem, Reserved) == 132);
static_assert(sizeof(FarList) == 8);
static_assert(offsetof(FarList, Items) == 4);
static_assert(sizeof(FarListPos) == 8);
static_assert(offsetof(FarListPos, TopPos) == 4);
static_assert(sizeof(KeySequence) == 12);
static_assert(offsetof(KeySequence, Count) == 4);
static_assert(offsetof(KeySequence, Sequence) == 8);

static_assert(sizeof(FarDialogItem) == 548);
static_assert(offsetof(FarDialogItem, X1) == 4);
static_assert(offsetof(FarDialogItem, Y1) == 8);
static_assert(offsetof(FarDialogItem, X2) == 12);
static_assert(offsetof(FarDialogItem, Y2) == 16);
static_assert(offsetof(FarDialogItem, Focus) == 20);
static_assert(offsetof(FarDialogItem, ListItems) == 24);
static_assert(offsetof(FarDialogItem, Flags) == 28);
static_assert(offsetof(FarDialogItem, DefaultButton) == 32);
static_assert(offsetof(FarDialogItem, Data) == 36);

static_assert(sizeof(PluginInfo) == 44);
static_assert(offsetof(PluginInfo, Flags) == 4);
static_assert(offsetof(PluginInfo, DiskMenuStrings) == 8);
static_assert(offsetof(PluginInfo, DiskMenuNumbers) == 12);
static_assert(offsetof(PluginInfo, DiskMenuStringsNumber) == 16);
static_assert(offsetof(PluginInfo, PluginMenuStrings) == 20);
static_assert(offsetof(PluginInfo, PluginMenuStringsNumber) == 24);
static_assert(offsetof(PluginInfo, PluginConfigStrings) == 28);
static_assert(offsetof(PluginInfo, PluginConfigStringsNumber) == 32);
static_assert(offsetof(PluginInfo, CommandPrefix) == 36);
static_assert(offsetof(PluginInfo, Reserved) == 40);

static_assert(sizeof(FarStandardFunctions) == 228);
static_assert(offsetof(FarStandardFunctions, atoi) == 4);
static_assert(offsetof(FarStandardFunctions, snprintf) == 40);
static_assert(offsetof(FarStandardFunctions, Reserved) == 44);
static_assert(offsetof(FarStandardFunctions, LIsLower) == 76);
static_assert(offsetof(FarStandardFunctions, TruncStr) == 144);
static_assert(offsetof(FarStandardFunctions, TruncPathStr) == 148);
static_assert(offsetof(FarStandardFunctions, FarKeyToName) == 176);
static_assert(offsetof(FarStandardFunctions, FarNameToKey) == 180);
static_assert(offsetof(FarStandardFunctions, GetReparsePointInfo) == 224);

static_assert(sizeof(PluginStartupInfo) == 372);
static_assert(offsetof(PluginStartupInfo, ModuleName) == 4);
static_assert(offsetof(PluginStartupInfo, ModuleNumber) == 264);
static_assert(offsetof(PluginStartupInfo, RootKey) == 268);
static_assert(offsetof(PluginStartupInfo, Menu) == 272);
static_assert(offsetof(PluginStartupInfo, Message) == 280);
static_assert(offsetof(PluginStartupInfo, GetMsg) == 284);
static_assert(offsetof(PluginStartupInfo, Control) == 288);
static_assert(offsetof(PluginStartupInfo, SaveScreen) == 292);
static_assert(offsetof(PluginStartupInfo, EditorControl) == 332);
static_assert(offsetof(PluginStartupInfo, FSF) == 336);
static_assert(offsetof(PluginStartupInfo, ShowHelp) == 340);
static_assert(offsetof(PluginStartupInfo, AdvControl) == 344);
static_assert(offsetof(PluginStartupInfo, InputBox) == 348);
static_assert(offsetof(PluginStartupInfo, DialogEx) == 352);
static_assert(offsetof(PluginStartupInfo, SendDlgMessage) == 356);
static_assert(offsetof(PluginStartupInfo, DefDlgProc) == 360);
static_assert(offsetof(PluginStartupInfo, Reserved) == 364);
static_assert(offsetof(PluginStartupInfo, ViewerControl) == 368);
#endif

}  // namespace far_host
