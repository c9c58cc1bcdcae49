// The host's native plugin interface, FAR 3: records, operations and constants, laid out as the
// host lays them out in its 32-bit and 64-bit builds (natural alignment, no packing).
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/windows_api.h"

#if defined(_WIN32)
#define FARAPI __stdcall
// The host's function table has a slot of this name.
#undef GetCurrentDirectory
#else
#define FARAPI
#endif

namespace far3_host {

using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using BOOL = int;
using HANDLE = void*;
// The console's own record, so the host's and the system's key records are one type.
using INPUT_RECORD = ::INPUT_RECORD;
using COORD = ::COORD;
using SMALL_RECT = ::SMALL_RECT;

// Every flag word is 64 bits wide in both builds; passed by value, a narrower declaration would
// upset the 32-bit host's stack.
using PLUGIN_FLAGS = unsigned long long;
using FARDIALOGITEMFLAGS = unsigned long long;
using FARDIALOGFLAGS = unsigned long long;
using FARMESSAGEFLAGS = unsigned long long;
using PANELINFOFLAGS = unsigned long long;
using PLUGINPANELITEMFLAGS = unsigned long long;
using LISTITEMFLAGS = unsigned long long;
using FARLISTINFOFLAGS = unsigned long long;
using FARKEYMACROFLAGS = unsigned long long;
using WINDOWINFO_FLAGS = unsigned long long;

// The host's enumerations are C enums, 4 bytes in both builds.
using VERSION_STAGE = int;
using OPENFROM = int;
using FARDIALOGITEMTYPES = int;
using FILE_CONTROL_COMMANDS = int;
using ADVANCED_CONTROL_COMMANDS = int;
using FAR_MACRO_CONTROL_COMMANDS = int;
using FAR_SETTINGS_CONTROL_COMMANDS = int;
using FARSETTINGSTYPES = int;
using PANELINFOTYPE = int;
using OPENPANELINFO_SORTMODES = int;
using WINDOWINFO_TYPE = int;

// PANEL_ACTIVE is also INVALID_HANDLE_VALUE, PANEL_NONE and PANEL_STOP.
inline HANDLE const invalid_handle = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));
inline HANDLE const panel_active = invalid_handle;
inline HANDLE const panel_passive = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-2));

// The system's records the host's records hold, declared here so their layout is the host's on
// every build.
struct FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
};

struct RECT {
  std::int32_t left, top, right, bottom;
};

struct GUID {
  DWORD Data1;
  WORD Data2;
  WORD Data3;
  BYTE Data4[8];
};

struct VersionInfo {
  DWORD Major;
  DWORD Minor;
  DWORD Revision;
  DWORD Build;
  VERSION_STAGE Stage;
};

struct GlobalInfo {
  std::size_t StructSize;
  VersionInfo MinFarVersion;
  VersionInfo Version;
  GUID Guid;
  const wchar_t* Title;
  const wchar_t* Description;
  const wchar_t* Author;
  void* Instance;
};

struct PluginMenuItem {
  const GUID* Guids;
  const wchar_t* const* Strings;
  std::size_t Count;
};

struct PluginInfo {
  std::size_t StructSize;
  PLUGIN_FLAGS Flags;
  PluginMenuItem DiskMenu;
  PluginMenuItem PluginMenu;
  PluginMenuItem PluginConfig;
  const wchar_t* CommandPrefix;
  void* Instance;
};

struct OpenInfo {
  std::size_t StructSize;
  OPENFROM OpenFrom;
  const GUID* Guid;
  std::intptr_t Data;
  void* Instance;
};

struct ExitInfo {
  std::size_t StructSize;
  void* Instance;
};

struct ProcessSynchroEventInfo {
  std::size_t StructSize;
  std::intptr_t Event;
  void* Param;
  void* Instance;
};

struct PanelInfo {
  std::size_t StructSize;
  HANDLE PluginHandle;
  GUID OwnerGuid;
  PANELINFOFLAGS Flags;
  std::size_t ItemsNumber;
  std::size_t SelectedItemsNumber;
  RECT PanelRect;
  std::size_t CurrentItem;
  std::size_t TopPanelItem;
  std::intptr_t ViewMode;
  PANELINFOTYPE PanelType;
  OPENPANELINFO_SORTMODES SortMode;
};

struct PanelRedrawInfo {
  std::size_t StructSize;
  std::size_t CurrentItem;
  std::size_t TopPanelItem;
};

struct FarPanelDirectory {
  std::size_t StructSize;
  const wchar_t* Name;
  const wchar_t* Param;
  GUID PluginId;
  const wchar_t* File;
};

// Slots the plugin never calls through.
using FAROPAQUEPROC = void(FARAPI*)();
// The same for the host's variadic functions, which use the C convention.
using FAROPAQUEVARIADICPROC = void (*)();

struct UserDataItem {
  void* Data;
  // Only plugin panels set it; this plugin reads items of file panels.
  FAROPAQUEPROC FreeData;
};

struct PluginPanelItem {
  FILETIME CreationTime;
  FILETIME LastAccessTime;
  FILETIME LastWriteTime;
  FILETIME ChangeTime;
  unsigned long long FileSize;
  unsigned long long AllocationSize;
  const wchar_t* FileName;
  const wchar_t* AlternateFileName;
  const wchar_t* Description;
  const wchar_t* Owner;
  const wchar_t* const* CustomColumnData;
  std::size_t CustomColumnNumber;
  PLUGINPANELITEMFLAGS Flags;
  UserDataItem UserData;
  std::uintptr_t FileAttributes;
  std::uintptr_t NumberOfLinks;
  std::uintptr_t CRC32;
  std::intptr_t Reserved[2];
};

struct FarGetPluginPanelItem {
  std::size_t StructSize;
  std::size_t Size;
  PluginPanelItem* Item;
};

struct FarListItem {
  LISTITEMFLAGS Flags;
  const wchar_t* Text;
  std::intptr_t UserData;
  std::intptr_t Reserved;
};

struct FarList {
  std::size_t StructSize;
  std::size_t ItemsNumber;
  FarListItem* Items;
};

struct FarListPos {
  std::size_t StructSize;
  std::intptr_t SelectPos;
  std::intptr_t TopPos;
};

struct FarListInfo {
  std::size_t StructSize;
  FARLISTINFOFLAGS Flags;
  std::size_t ItemsNumber;
  std::intptr_t SelectPos;
  std::intptr_t TopPos;
  std::intptr_t MaxHeight;
  std::intptr_t MaxLength;
};

struct FarDialogItem {
  FARDIALOGITEMTYPES Type;
  std::intptr_t X1, Y1, X2, Y2;
  union {
    std::intptr_t Selected;
    FarList* ListItems;
    // A user control's cells; this plugin has no user controls.
    void* VBuf;
    std::intptr_t Reserved0;
  };
  const wchar_t* History;
  const wchar_t* Mask;
  FARDIALOGITEMFLAGS Flags;
  const wchar_t* Data;
  std::size_t MaxLength;
  std::intptr_t UserData;
  std::intptr_t Reserved[2];
};

struct FarGetDialogItem {
  std::size_t StructSize;
  std::size_t Size;
  FarDialogItem* Item;
};

struct FarDialogItemData {
  std::size_t StructSize;
  std::size_t PtrLength;
  wchar_t* PtrData;
};

struct DialogInfo {
  std::size_t StructSize;
  GUID Id;
  GUID Owner;
};

struct WindowInfo {
  std::size_t StructSize;
  std::intptr_t Id;
  wchar_t* TypeName;
  wchar_t* Name;
  std::intptr_t TypeNameSize;
  std::intptr_t NameSize;
  std::intptr_t Pos;
  WINDOWINFO_TYPE Type;
  WINDOWINFO_FLAGS Flags;
};

struct WindowType {
  std::size_t StructSize;
  WINDOWINFO_TYPE Type;
};

struct MacroSendMacroText {
  std::size_t StructSize;
  FARKEYMACROFLAGS Flags;
  INPUT_RECORD AKey;
  const wchar_t* SequenceText;
};

struct FarSettingsCreate {
  std::size_t StructSize;
  GUID Guid;
  HANDLE Handle;
};

// The block value of a FarSettingsItem.
struct FarSettingsData {
  std::size_t Size;
  const void* Data;
};

struct FarSettingsItem {
  std::size_t StructSize;
  std::size_t Root;
  const wchar_t* Name;
  FARSETTINGSTYPES Type;
  union {
    unsigned long long Number;
    const wchar_t* String;
    FarSettingsData Data;
  };
};

struct FarSettingsValue {
  std::size_t StructSize;
  std::size_t Root;
  const wchar_t* Value;
};

using FARWINDOWPROC = std::intptr_t(FARAPI*)(HANDLE hDlg, std::intptr_t Msg, std::intptr_t Param1,
                                             void* Param2);
using FARAPIMESSAGE = std::intptr_t(FARAPI*)(const GUID* PluginId, const GUID* Id,
                                             FARMESSAGEFLAGS Flags, const wchar_t* HelpTopic,
                                             const wchar_t* const* Items, std::size_t ItemsNumber,
                                             std::intptr_t ButtonsNumber);
using FARAPIGETMSG = const wchar_t*(FARAPI*)(const GUID* PluginId, std::intptr_t MsgId);
using FARAPIPANELCONTROL = std::intptr_t(FARAPI*)(HANDLE hPanel, FILE_CONTROL_COMMANDS Command,
                                                  std::intptr_t Param1, void* Param2);
using FARAPIADVCONTROL = std::intptr_t(FARAPI*)(const GUID* PluginId,
                                                ADVANCED_CONTROL_COMMANDS Command,
                                                std::intptr_t Param1, void* Param2);
using FARAPIDIALOGINIT = HANDLE(FARAPI*)(const GUID* PluginId, const GUID* Id, std::intptr_t X1,
                                         std::intptr_t Y1, std::intptr_t X2, std::intptr_t Y2,
                                         const wchar_t* HelpTopic, const FarDialogItem* Item,
                                         std::size_t ItemsNumber, std::intptr_t Reserved,
                                         FARDIALOGFLAGS Flags, FARWINDOWPROC DlgProc, void* Param);
using FARAPIDIALOGRUN = std::intptr_t(FARAPI*)(HANDLE hDlg);
using FARAPIDIALOGFREE = void(FARAPI*)(HANDLE hDlg);
using FARAPISENDDLGMESSAGE = std::intptr_t(FARAPI*)(HANDLE hDlg, std::intptr_t Msg,
                                                    std::intptr_t Param1, void* Param2);
using FARAPIDEFDLGPROC = FARWINDOWPROC;
using FARAPIMACROCONTROL = std::intptr_t(FARAPI*)(const GUID* PluginId,
                                                  FAR_MACRO_CONTROL_COMMANDS Command,
                                                  std::intptr_t Param1, void* Param2);
using FARAPISETTINGSCONTROL = std::intptr_t(FARAPI*)(HANDLE hHandle,
                                                     FAR_SETTINGS_CONTROL_COMMANDS Command,
                                                     std::intptr_t Param1, void* Param2);
using FARSTDTRUNCPATHSTR = wchar_t*(FARAPI*)(wchar_t* Str, std::intptr_t MaxLength);
using FARSTDINPUTRECORDTONAME = std::size_t(FARAPI*)(const INPUT_RECORD* Key, wchar_t* KeyText,
                                                     std::size_t Size);
using FARSTDNAMETOINPUTRECORD = BOOL(FARAPI*)(const wchar_t* Name, INPUT_RECORD* Key);

struct FarStandardFunctions {
  std::size_t StructSize;
  FAROPAQUEPROC atoi, atoi64, itoa, itoa64;
  FAROPAQUEVARIADICPROC sprintf, sscanf;
  FAROPAQUEPROC qsort, bsearch;
  FAROPAQUEVARIADICPROC snprintf;
  FAROPAQUEPROC LIsLower, LIsUpper, LIsAlpha, LIsAlphanum, LUpper, LLower, LUpperBuf, LLowerBuf,
      LStrupr, LStrlwr, LStricmp, LStrnicmp, Unquote, LTrim, RTrim, Trim, TruncStr;
  FARSTDTRUNCPATHSTR TruncPathStr;
  FAROPAQUEPROC QuoteSpaceOnly, PointToName, GetPathRoot, AddEndSlash, CopyToClipboard,
      PasteFromClipboard;
  FARSTDINPUTRECORDTONAME FarInputRecordToName;
  FARSTDNAMETOINPUTRECORD FarNameToInputRecord;
  FAROPAQUEPROC XLat, GetFileOwner, GetNumberOfLinks, FarRecursiveSearch, MkTemp, ProcessName,
      MkLink, ConvertPath, GetReparsePointInfo, GetCurrentDirectory, FormatFileSize, FarClock,
      CompareStrings, DetectCodePage;
};

struct PluginStartupInfo {
  std::size_t StructSize;
  const wchar_t* ModuleName;
  FAROPAQUEPROC Menu;
  FARAPIMESSAGE Message;
  FARAPIGETMSG GetMsg;
  FARAPIPANELCONTROL PanelControl;
  FAROPAQUEPROC SaveScreen, RestoreScreen, GetDirList, GetPluginDirList, FreeDirList,
      FreePluginDirList, Viewer, Editor, Text, EditorControl;
  FarStandardFunctions* FSF;
  FAROPAQUEPROC ShowHelp;
  FARAPIADVCONTROL AdvControl;
  FAROPAQUEPROC InputBox, ColorDialog;
  FARAPIDIALOGINIT DialogInit;
  FARAPIDIALOGRUN DialogRun;
  FARAPIDIALOGFREE DialogFree;
  FARAPISENDDLGMESSAGE SendDlgMessage;
  FARAPIDEFDLGPROC DefDlgProc;
  FAROPAQUEPROC ViewerControl, PluginsControl, FileFilterControl, RegExpControl;
  FARAPIMACROCONTROL MacroControl;
  FARAPISETTINGSCONTROL SettingsControl;
  void* Private;
  void* Instance;
  FAROPAQUEPROC FreeScreen;
};

// Version stages.
constexpr VERSION_STAGE VS_RELEASE = 0;
constexpr VERSION_STAGE VS_ALPHA = 1;
constexpr VERSION_STAGE VS_BETA = 2;
constexpr VERSION_STAGE VS_RC = 3;
constexpr VERSION_STAGE VS_SPECIAL = 4;
constexpr VERSION_STAGE VS_PRIVATE = 5;
// The build whose record layouts these are.
constexpr VersionInfo far_manager_version{3, 0, 0, 6727, VS_RELEASE};

// Plugin flags (PluginInfo.Flags).
constexpr PLUGIN_FLAGS PF_PRELOAD = 0x1;
constexpr PLUGIN_FLAGS PF_DISABLEPANELS = 0x2;
constexpr PLUGIN_FLAGS PF_EDITOR = 0x4;
constexpr PLUGIN_FLAGS PF_VIEWER = 0x8;
constexpr PLUGIN_FLAGS PF_FULLCMDLINE = 0x10;
constexpr PLUGIN_FLAGS PF_DIALOG = 0x20;

// Where an opening comes from (OpenInfo.OpenFrom).
constexpr OPENFROM OPEN_LEFTDISKMENU = 0;
constexpr OPENFROM OPEN_PLUGINSMENU = 1;
constexpr OPENFROM OPEN_FINDLIST = 2;
constexpr OPENFROM OPEN_SHORTCUT = 3;
constexpr OPENFROM OPEN_COMMANDLINE = 4;
constexpr OPENFROM OPEN_EDITOR = 5;
constexpr OPENFROM OPEN_VIEWER = 6;
constexpr OPENFROM OPEN_FILEPANEL = 7;
constexpr OPENFROM OPEN_DIALOG = 8;
constexpr OPENFROM OPEN_ANALYSE = 9;
constexpr OPENFROM OPEN_RIGHTDISKMENU = 10;
constexpr OPENFROM OPEN_FROMMACRO = 11;
constexpr OPENFROM OPEN_LUAMACRO = 100;

// Synchro events (ProcessSynchroEventInfo.Event).
constexpr std::intptr_t SE_COMMONSYNCHRO = 0;
constexpr std::intptr_t SE_FOLDERCHANGED = 1;

// Message box flags.
constexpr FARMESSAGEFLAGS FMSG_WARNING = 0x1;
constexpr FARMESSAGEFLAGS FMSG_ERRORTYPE = 0x2;
constexpr FARMESSAGEFLAGS FMSG_KEEPBACKGROUND = 0x4;
constexpr FARMESSAGEFLAGS FMSG_LEFTALIGN = 0x8;
constexpr FARMESSAGEFLAGS FMSG_ALLINONE = 0x10;
constexpr FARMESSAGEFLAGS FMSG_MB_OK = 0x10000;
constexpr FARMESSAGEFLAGS FMSG_MB_OKCANCEL = 0x20000;
constexpr FARMESSAGEFLAGS FMSG_MB_ABORTRETRYIGNORE = 0x30000;
constexpr FARMESSAGEFLAGS FMSG_MB_YESNO = 0x40000;
constexpr FARMESSAGEFLAGS FMSG_MB_YESNOCANCEL = 0x50000;
constexpr FARMESSAGEFLAGS FMSG_MB_RETRYCANCEL = 0x60000;

// Panel commands for PanelControl.
constexpr FILE_CONTROL_COMMANDS FCTL_CLOSEPANEL = 0;
constexpr FILE_CONTROL_COMMANDS FCTL_GETPANELINFO = 1;
constexpr FILE_CONTROL_COMMANDS FCTL_UPDATEPANEL = 2;
constexpr FILE_CONTROL_COMMANDS FCTL_REDRAWPANEL = 3;
constexpr FILE_CONTROL_COMMANDS FCTL_GETCMDLINE = 4;
constexpr FILE_CONTROL_COMMANDS FCTL_SETCMDLINE = 5;
constexpr FILE_CONTROL_COMMANDS FCTL_SETSELECTION = 6;
constexpr FILE_CONTROL_COMMANDS FCTL_SETVIEWMODE = 7;
constexpr FILE_CONTROL_COMMANDS FCTL_INSERTCMDLINE = 8;
constexpr FILE_CONTROL_COMMANDS FCTL_SETUSERSCREEN = 9;
constexpr FILE_CONTROL_COMMANDS FCTL_SETPANELDIRECTORY = 10;
constexpr FILE_CONTROL_COMMANDS FCTL_SETCMDLINEPOS = 11;
constexpr FILE_CONTROL_COMMANDS FCTL_GETCMDLINEPOS = 12;
constexpr FILE_CONTROL_COMMANDS FCTL_SETSORTMODE = 13;
constexpr FILE_CONTROL_COMMANDS FCTL_SETSORTORDER = 14;
constexpr FILE_CONTROL_COMMANDS FCTL_SETCMDLINESELECTION = 15;
constexpr FILE_CONTROL_COMMANDS FCTL_GETCMDLINESELECTION = 16;
constexpr FILE_CONTROL_COMMANDS FCTL_CHECKPANELSEXIST = 17;
constexpr FILE_CONTROL_COMMANDS FCTL_GETUSERSCREEN = 19;
constexpr FILE_CONTROL_COMMANDS FCTL_ISACTIVEPANEL = 20;
constexpr FILE_CONTROL_COMMANDS FCTL_GETPANELITEM = 21;
constexpr FILE_CONTROL_COMMANDS FCTL_GETSELECTEDPANELITEM = 22;
constexpr FILE_CONTROL_COMMANDS FCTL_GETCURRENTPANELITEM = 23;
constexpr FILE_CONTROL_COMMANDS FCTL_GETPANELDIRECTORY = 24;
constexpr FILE_CONTROL_COMMANDS FCTL_GETCOLUMNTYPES = 25;
constexpr FILE_CONTROL_COMMANDS FCTL_GETCOLUMNWIDTHS = 26;
constexpr FILE_CONTROL_COMMANDS FCTL_BEGINSELECTION = 27;
constexpr FILE_CONTROL_COMMANDS FCTL_ENDSELECTION = 28;
constexpr FILE_CONTROL_COMMANDS FCTL_CLEARSELECTION = 29;
constexpr FILE_CONTROL_COMMANDS FCTL_SETDIRECTORIESFIRST = 30;
constexpr FILE_CONTROL_COMMANDS FCTL_GETPANELFORMAT = 31;
constexpr FILE_CONTROL_COMMANDS FCTL_GETPANELHOSTFILE = 32;
constexpr FILE_CONTROL_COMMANDS FCTL_GETPANELPREFIX = 34;
constexpr FILE_CONTROL_COMMANDS FCTL_SETACTIVEPANEL = 35;

// Panel state (PanelInfo).
constexpr PANELINFOFLAGS PFLAGS_SHOWHIDDEN = 0x1;
constexpr PANELINFOFLAGS PFLAGS_HIGHLIGHT = 0x2;
constexpr PANELINFOFLAGS PFLAGS_REVERSESORTORDER = 0x4;
constexpr PANELINFOFLAGS PFLAGS_USESORTGROUPS = 0x8;
constexpr PANELINFOFLAGS PFLAGS_SELECTEDFIRST = 0x10;
constexpr PANELINFOFLAGS PFLAGS_REALNAMES = 0x20;
constexpr PANELINFOFLAGS PFLAGS_PANELLEFT = 0x80;
constexpr PANELINFOFLAGS PFLAGS_DIRECTORIESFIRST = 0x100;
constexpr PANELINFOFLAGS PFLAGS_USECRC32 = 0x200;
constexpr PANELINFOFLAGS PFLAGS_PLUGIN = 0x800;
constexpr PANELINFOFLAGS PFLAGS_VISIBLE = 0x1000;
constexpr PANELINFOFLAGS PFLAGS_FOCUS = 0x2000;
constexpr PANELINFOFLAGS PFLAGS_ALTERNATIVENAMES = 0x4000;
constexpr PANELINFOFLAGS PFLAGS_SHORTCUT = 0x8000;

constexpr PANELINFOTYPE PTYPE_FILEPANEL = 0;
constexpr PANELINFOTYPE PTYPE_TREEPANEL = 1;
constexpr PANELINFOTYPE PTYPE_QVIEWPANEL = 2;
constexpr PANELINFOTYPE PTYPE_INFOPANEL = 3;

constexpr OPENPANELINFO_SORTMODES SM_DEFAULT = 0;
constexpr OPENPANELINFO_SORTMODES SM_UNSORTED = 1;
constexpr OPENPANELINFO_SORTMODES SM_NAME = 2;
constexpr OPENPANELINFO_SORTMODES SM_EXT = 3;
constexpr OPENPANELINFO_SORTMODES SM_MTIME = 4;
constexpr OPENPANELINFO_SORTMODES SM_CTIME = 5;
constexpr OPENPANELINFO_SORTMODES SM_ATIME = 6;
constexpr OPENPANELINFO_SORTMODES SM_SIZE = 7;
constexpr OPENPANELINFO_SORTMODES SM_DESCR = 8;
constexpr OPENPANELINFO_SORTMODES SM_OWNER = 9;
constexpr OPENPANELINFO_SORTMODES SM_COMPRESSEDSIZE = 10;
constexpr OPENPANELINFO_SORTMODES SM_NUMLINKS = 11;
constexpr OPENPANELINFO_SORTMODES SM_NUMSTREAMS = 12;
constexpr OPENPANELINFO_SORTMODES SM_STREAMSSIZE = 13;
constexpr OPENPANELINFO_SORTMODES SM_NAMEONLY = 14;
constexpr OPENPANELINFO_SORTMODES SM_CHTIME = 15;
constexpr OPENPANELINFO_SORTMODES SM_COUNT = 16;
// Sort modes that macros define are reported from here up.
constexpr OPENPANELINFO_SORTMODES SM_USER = 100000;

// Set exactly for selected items; other bits of the word belong to FAR and plugin panels.
constexpr PLUGINPANELITEMFLAGS PPIF_SELECTED = 0x40000000;

// Dialog flags for DialogInit.
constexpr FARDIALOGFLAGS FDLG_WARNING = 0x1;
constexpr FARDIALOGFLAGS FDLG_SMALLDIALOG = 0x2;
constexpr FARDIALOGFLAGS FDLG_NODRAWSHADOW = 0x4;
constexpr FARDIALOGFLAGS FDLG_NODRAWPANEL = 0x8;
constexpr FARDIALOGFLAGS FDLG_KEEPCONSOLETITLE = 0x10;
constexpr FARDIALOGFLAGS FDLG_NONMODAL = 0x20;
constexpr FARDIALOGFLAGS FDLG_STAY_ON_TOP = 0x40;

// Dialog item types.
constexpr FARDIALOGITEMTYPES DI_TEXT = 0;
constexpr FARDIALOGITEMTYPES DI_VTEXT = 1;
constexpr FARDIALOGITEMTYPES DI_SINGLEBOX = 2;
constexpr FARDIALOGITEMTYPES DI_DOUBLEBOX = 3;
constexpr FARDIALOGITEMTYPES DI_EDIT = 4;
constexpr FARDIALOGITEMTYPES DI_PSWEDIT = 5;
constexpr FARDIALOGITEMTYPES DI_FIXEDIT = 6;
constexpr FARDIALOGITEMTYPES DI_BUTTON = 7;
constexpr FARDIALOGITEMTYPES DI_CHECKBOX = 8;
constexpr FARDIALOGITEMTYPES DI_RADIOBUTTON = 9;
constexpr FARDIALOGITEMTYPES DI_COMBOBOX = 10;
constexpr FARDIALOGITEMTYPES DI_LISTBOX = 11;
constexpr FARDIALOGITEMTYPES DI_USERCONTROL = 255;

// Dialog item flags. Focus and the default button are flags, not fields.
constexpr FARDIALOGITEMFLAGS DIF_BOXCOLOR = 0x200;
constexpr FARDIALOGITEMFLAGS DIF_SHOWAMPERSAND = 0x2000;
constexpr FARDIALOGITEMFLAGS DIF_CENTERGROUP = 0x4000;
constexpr FARDIALOGITEMFLAGS DIF_NOBRACKETS = 0x8000;
constexpr FARDIALOGITEMFLAGS DIF_SEPARATOR = 0x10000;
constexpr FARDIALOGITEMFLAGS DIF_LISTNOAMPERSAND = 0x20000;
// One bit, read by item type.
constexpr FARDIALOGITEMFLAGS DIF_LISTNOBOX = 0x40000;
constexpr FARDIALOGITEMFLAGS DIF_CENTERTEXT = 0x40000;
constexpr FARDIALOGITEMFLAGS DIF_BTNNOCLOSE = 0x40000;
constexpr FARDIALOGITEMFLAGS DIF_LISTTRACKMOUSE = 0x400000;
constexpr FARDIALOGITEMFLAGS DIF_LISTTRACKMOUSEINFOCUS = 0x800000;
constexpr FARDIALOGITEMFLAGS DIF_LISTWRAPMODE = 0x1000000;
constexpr FARDIALOGITEMFLAGS DIF_LISTAUTOHIGHLIGHT = 0x2000000;
constexpr FARDIALOGITEMFLAGS DIF_LISTNOCLOSE = 0x4000000;
constexpr FARDIALOGITEMFLAGS DIF_HIDDEN = 0x10000000;
constexpr FARDIALOGITEMFLAGS DIF_READONLY = 0x20000000;
constexpr FARDIALOGITEMFLAGS DIF_NOFOCUS = 0x40000000;
constexpr FARDIALOGITEMFLAGS DIF_DISABLE = 0x80000000;
constexpr FARDIALOGITEMFLAGS DIF_DEFAULTBUTTON = 0x100000000;
constexpr FARDIALOGITEMFLAGS DIF_FOCUS = 0x200000000;
constexpr FARDIALOGITEMFLAGS DIF_RIGHTTEXT = 0x400000000;
constexpr FARDIALOGITEMFLAGS DIF_WORDWRAP = 0x800000000;

// List line flags. The low 16 bits are a check-mark character.
constexpr LISTITEMFLAGS LIF_SELECTED = 0x10000;
constexpr LISTITEMFLAGS LIF_CHECKED = 0x20000;
constexpr LISTITEMFLAGS LIF_SEPARATOR = 0x40000;
constexpr LISTITEMFLAGS LIF_DISABLE = 0x80000;
constexpr LISTITEMFLAGS LIF_GRAYED = 0x100000;
constexpr LISTITEMFLAGS LIF_HIDDEN = 0x200000;
constexpr LISTITEMFLAGS LIF_DELETEUSERDATA = 0x80000000;

// Messages to a dialog (SendDlgMessage).
constexpr int DM_FIRST = 0;
constexpr int DM_CLOSE = 1;
constexpr int DM_ENABLE = 2;
constexpr int DM_ENABLEREDRAW = 3;
constexpr int DM_GETDLGDATA = 4;
constexpr int DM_GETDLGITEM = 5;
constexpr int DM_GETDLGRECT = 6;
constexpr int DM_GETTEXT = 7;
constexpr int DM_KEY = 9;
constexpr int DM_MOVEDIALOG = 10;
constexpr int DM_SETDLGDATA = 11;
constexpr int DM_SETDLGITEM = 12;
constexpr int DM_SETFOCUS = 13;
constexpr int DM_REDRAW = 14;
constexpr int DM_SETTEXT = 15;
constexpr int DM_SHOWDIALOG = 17;
constexpr int DM_GETFOCUS = 18;
constexpr int DM_SETTEXTPTR = 22;
constexpr int DM_SHOWITEM = 23;
constexpr int DM_LISTSORT = 28;
constexpr int DM_LISTGETITEM = 29;
constexpr int DM_LISTGETCURPOS = 30;
constexpr int DM_LISTSETCURPOS = 31;
constexpr int DM_LISTDELETE = 32;
constexpr int DM_LISTADD = 33;
constexpr int DM_LISTADDSTR = 34;
constexpr int DM_LISTUPDATE = 35;
constexpr int DM_LISTINSERT = 36;
constexpr int DM_LISTFINDSTRING = 37;
constexpr int DM_LISTINFO = 38;
constexpr int DM_LISTSETTITLES = 41;
constexpr int DM_LISTGETTITLES = 42;
constexpr int DM_RESIZEDIALOG = 43;
constexpr int DM_SETITEMPOSITION = 44;
constexpr int DM_GETITEMPOSITION = 48;
constexpr int DM_SETINPUTNOTIFY = 49;
constexpr int DM_LISTSET = 53;
// 1.70's DM_LISTSETMOUSEREACTION had this number; FAR 3 has no such message.
constexpr int DM_GETCURSORSIZE = 54;
constexpr int DM_GETDIALOGINFO = 66;
constexpr int DM_GETDIALOGTITLE = 67;
// From here up, messages go straight to the dialog procedure.
constexpr int DM_USER = 0x4000;

// Notifications to a dialog procedure. DN_CLOSE is no longer DM_CLOSE, and there is no idle one.
constexpr int DN_FIRST = 4096;
constexpr int DN_BTNCLICK = 4097;
constexpr int DN_CTLCOLORDIALOG = 4098;
constexpr int DN_CTLCOLORDLGITEM = 4099;
constexpr int DN_CTLCOLORDLGLIST = 4100;
constexpr int DN_DRAWDIALOG = 4101;
constexpr int DN_DRAWDLGITEM = 4102;
constexpr int DN_EDITCHANGE = 4103;
constexpr int DN_GOTFOCUS = 4105;
constexpr int DN_HELP = 4106;
constexpr int DN_HOTKEY = 4107;
constexpr int DN_INITDIALOG = 4108;
constexpr int DN_KILLFOCUS = 4109;
constexpr int DN_LISTCHANGE = 4110;
constexpr int DN_DRAGGED = 4111;
constexpr int DN_RESIZECONSOLE = 4112;
constexpr int DN_DRAWDIALOGDONE = 4113;
constexpr int DN_LISTHOTKEY = 4114;
constexpr int DN_INPUT = 4115;
constexpr int DN_CONTROLINPUT = 4116;
constexpr int DN_CLOSE = 4117;
constexpr int DN_GETVALUE = 4118;
constexpr int DN_DROPDOWNOPENED = 4119;
constexpr int DN_DRAWDLGITEMDONE = 4120;

// AdvControl commands.
constexpr ADVANCED_CONTROL_COMMANDS ACTL_GETFARMANAGERVERSION = 0;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_WAITKEY = 2;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_GETCOLOR = 3;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_GETARRAYCOLOR = 4;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_GETWINDOWINFO = 6;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_GETWINDOWCOUNT = 7;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_SETCURRENTWINDOW = 8;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_COMMIT = 9;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_GETFARHWND = 10;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_SETARRAYCOLOR = 16;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_REDRAWALL = 19;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_SYNCHRO = 20;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_SETPROGRESSSTATE = 21;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_SETPROGRESSVALUE = 22;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_QUIT = 23;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_GETFARRECT = 24;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_GETCURSORPOS = 25;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_SETCURSORPOS = 26;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_PROGRESSNOTIFY = 27;
constexpr ADVANCED_CONTROL_COMMANDS ACTL_GETWINDOWTYPE = 28;

// Window types and flags (WindowInfo, WindowType).
constexpr WINDOWINFO_TYPE WTYPE_DESKTOP = 0;
constexpr WINDOWINFO_TYPE WTYPE_PANELS = 1;
constexpr WINDOWINFO_TYPE WTYPE_VIEWER = 2;
constexpr WINDOWINFO_TYPE WTYPE_EDITOR = 3;
constexpr WINDOWINFO_TYPE WTYPE_DIALOG = 4;
constexpr WINDOWINFO_TYPE WTYPE_VMENU = 5;
constexpr WINDOWINFO_TYPE WTYPE_HELP = 6;
constexpr WINDOWINFO_TYPE WTYPE_COMBOBOX = 7;
constexpr WINDOWINFO_FLAGS WIF_CURRENT = 0x2;
constexpr WINDOWINFO_FLAGS WIF_MODAL = 0x4;

// MacroControl: posting keys needs the host's macro plugin.
constexpr FAR_MACRO_CONTROL_COMMANDS MCTL_LOADALL = 0;
constexpr FAR_MACRO_CONTROL_COMMANDS MCTL_SAVEALL = 1;
constexpr FAR_MACRO_CONTROL_COMMANDS MCTL_SENDSTRING = 2;
constexpr FAR_MACRO_CONTROL_COMMANDS MCTL_GETSTATE = 5;
constexpr FAR_MACRO_CONTROL_COMMANDS MCTL_GETAREA = 6;
constexpr FAR_MACRO_CONTROL_COMMANDS MCTL_ADDMACRO = 7;
constexpr FAR_MACRO_CONTROL_COMMANDS MCTL_DELMACRO = 8;
constexpr FAR_MACRO_CONTROL_COMMANDS MCTL_GETLASTERROR = 9;
constexpr FAR_MACRO_CONTROL_COMMANDS MCTL_EXECSTRING = 10;
constexpr std::intptr_t MSSC_POST = 0;
constexpr std::intptr_t MSSC_CHECK = 2;
constexpr FARKEYMACROFLAGS KMFLAGS_LUA = 0;
constexpr FARKEYMACROFLAGS KMFLAGS_SILENTCHECK = 0x1;
constexpr FARKEYMACROFLAGS KMFLAGS_NOSENDKEYSTOPLUGINS = 0x2;
constexpr FARKEYMACROFLAGS KMFLAGS_ENABLEOUTPUT = 0x4;
constexpr FARKEYMACROFLAGS KMFLAGS_MOONSCRIPT = 0x10;
constexpr int MACROAREA_SHELL = 1;
constexpr int MACROAREA_DIALOG = 4;
constexpr int MACROAREA_MENU = 8;
constexpr int MACROAREA_COMMON = 255;

// SettingsControl.
constexpr FAR_SETTINGS_CONTROL_COMMANDS SCTL_CREATE = 0;
constexpr FAR_SETTINGS_CONTROL_COMMANDS SCTL_FREE = 1;
constexpr FAR_SETTINGS_CONTROL_COMMANDS SCTL_SET = 2;
constexpr FAR_SETTINGS_CONTROL_COMMANDS SCTL_GET = 3;
constexpr FAR_SETTINGS_CONTROL_COMMANDS SCTL_ENUM = 4;
constexpr FAR_SETTINGS_CONTROL_COMMANDS SCTL_DELETE = 5;
constexpr FAR_SETTINGS_CONTROL_COMMANDS SCTL_CREATESUBKEY = 6;
constexpr FAR_SETTINGS_CONTROL_COMMANDS SCTL_OPENSUBKEY = 7;
constexpr std::intptr_t PSL_ROAMING = 0;
constexpr std::intptr_t PSL_LOCAL = 1;
constexpr FARSETTINGSTYPES FST_UNKNOWN = 0;
constexpr FARSETTINGSTYPES FST_SUBKEY = 1;
constexpr FARSETTINGSTYPES FST_QWORD = 2;
constexpr FARSETTINGSTYPES FST_STRING = 3;
constexpr FARSETTINGSTYPES FST_DATA = 4;

// Layouts the two builds share. Text pointers are the only place wchar_t appears, so its native
// width (4 bytes on Linux) leaves every layout alone.
#if defined(_WIN32)
static_assert(sizeof(wchar_t) == 2);
#endif
static_assert(sizeof(int) == 4);
static_assert(sizeof(DWORD) == 4);
static_assert(sizeof(BOOL) == 4);
static_assert(sizeof(PLUGIN_FLAGS) == 8);
static_assert(sizeof(FARDIALOGITEMFLAGS) == 8);
static_assert(sizeof(FARDIALOGFLAGS) == 8);
static_assert(sizeof(FARMESSAGEFLAGS) == 8);
static_assert(sizeof(PANELINFOFLAGS) == 8);
static_assert(sizeof(PLUGINPANELITEMFLAGS) == 8);
static_assert(sizeof(LISTITEMFLAGS) == 8);
static_assert(sizeof(FARLISTINFOFLAGS) == 8);
static_assert(sizeof(FARKEYMACROFLAGS) == 8);
static_assert(sizeof(WINDOWINFO_FLAGS) == 8);

static_assert(sizeof(VersionInfo) == 20);
static_assert(alignof(VersionInfo) == 4);
static_assert(offsetof(VersionInfo, Major) == 0);
static_assert(offsetof(VersionInfo, Minor) == 4);
static_assert(offsetof(VersionInfo, Revision) == 8);
static_assert(offsetof(VersionInfo, Build) == 12);
static_assert(offsetof(VersionInfo, Stage) == 16);

static_assert(sizeof(GUID) == 16);
static_assert(alignof(GUID) == 4);
static_assert(offsetof(GUID, Data1) == 0);
static_assert(offsetof(GUID, Data2) == 4);
static_assert(offsetof(GUID, Data3) == 6);
static_assert(offsetof(GUID, Data4) == 8);

static_assert(sizeof(FILETIME) == 8);
static_assert(alignof(FILETIME) == 4);
static_assert(sizeof(RECT) == 16);
static_assert(sizeof(COORD) == 4);
static_assert(alignof(COORD) == 2);
static_assert(offsetof(COORD, Y) == 2);
static_assert(sizeof(SMALL_RECT) == 8);

// Checked here too because the native stand-in declares its own.
static_assert(sizeof(INPUT_RECORD) == 20);
static_assert(offsetof(INPUT_RECORD, EventType) == 0);
static_assert(offsetof(INPUT_RECORD, Event) == 4);
static_assert(sizeof(KEY_EVENT_RECORD) == 16);
static_assert(offsetof(KEY_EVENT_RECORD, bKeyDown) == 0);
static_assert(offsetof(KEY_EVENT_RECORD, wRepeatCount) == 4);
static_assert(offsetof(KEY_EVENT_RECORD, wVirtualKeyCode) == 6);
static_assert(offsetof(KEY_EVENT_RECORD, wVirtualScanCode) == 8);
static_assert(offsetof(KEY_EVENT_RECORD, uChar) == 10);
static_assert(offsetof(KEY_EVENT_RECORD, dwControlKeyState) == 12);
static_assert(sizeof(MOUSE_EVENT_RECORD) == 16);
static_assert(offsetof(MOUSE_EVENT_RECORD, dwMousePosition) == 0);
static_assert(offsetof(MOUSE_EVENT_RECORD, dwButtonState) == 4);
static_assert(offsetof(MOUSE_EVENT_RECORD, dwControlKeyState) == 8);
static_assert(offsetof(MOUSE_EVENT_RECORD, dwEventFlags) == 12);

#if UINTPTR_MAX == 0xFFFFFFFFu
// The 32-bit host's layouts.
static_assert(sizeof(std::size_t) == 4);
static_assert(sizeof(std::intptr_t) == 4);
static_assert(sizeof(std::uintptr_t) == 4);
static_assert(sizeof(HANDLE) == 4);
static_assert(sizeof(void*) == 4);
static_assert(sizeof(FAROPAQUEPROC) == 4);
static_assert(sizeof(FARWINDOWPROC) == 4);

static_assert(sizeof(GlobalInfo) == 76);
static_assert(alignof(GlobalInfo) == 4);
static_assert(offsetof(GlobalInfo, StructSize) == 0);
static_assert(offsetof(GlobalInfo, MinFarVersion) == 4);
static_assert(offsetof(GlobalInfo, Version) == 24);
static_assert(offsetof(GlobalInfo, Guid) == 44);
static_assert(offsetof(GlobalInfo, Title) == 60);
static_assert(offsetof(GlobalInfo, Description) == 64);
static_assert(offsetof(GlobalInfo, Author) == 68);
static_assert(offsetof(GlobalInfo, Instance) == 72);

static_assert(sizeof(PluginMenuItem) == 12);
static_assert(alignof(PluginMenuItem) == 4);
static_assert(offsetof(PluginMenuItem, Guids) == 0);
static_assert(offsetof(PluginMenuItem, Strings) == 4);
static_assert(offsetof(PluginMenuItem, Count) == 8);

static_assert(sizeof(PluginInfo) == 64);
static_assert(alignof(PluginInfo) == 8);
static_assert(offsetof(PluginInfo, StructSize) == 0);
static_assert(offsetof(PluginInfo, Flags) == 8);
static_assert(offsetof(PluginInfo, DiskMenu) == 16);
static_assert(offsetof(PluginInfo, PluginMenu) == 28);
static_assert(offsetof(PluginInfo, PluginConfig) == 40);
static_assert(offsetof(PluginInfo, CommandPrefix) == 52);
static_assert(offsetof(PluginInfo, Instance) == 56);

static_assert(sizeof(OpenInfo) == 20);
static_assert(alignof(OpenInfo) == 4);
static_assert(offsetof(OpenInfo, StructSize) == 0);
static_assert(offsetof(OpenInfo, OpenFrom) == 4);
static_assert(offsetof(OpenInfo, Guid) == 8);
static_assert(offsetof(OpenInfo, Data) == 12);
static_assert(offsetof(OpenInfo, Instance) == 16);

static_assert(sizeof(ExitInfo) == 8);
static_assert(alignof(ExitInfo) == 4);
static_assert(offsetof(ExitInfo, StructSize) == 0);
static_assert(offsetof(ExitInfo, Instance) == 4);

static_assert(sizeof(ProcessSynchroEventInfo) == 16);
static_assert(alignof(ProcessSynchroEventInfo) == 4);
static_assert(offsetof(ProcessSynchroEventInfo, StructSize) == 0);
static_assert(offsetof(ProcessSynchroEventInfo, Event) == 4);
static_assert(offsetof(ProcessSynchroEventInfo, Param) == 8);
static_assert(offsetof(ProcessSynchroEventInfo, Instance) == 12);

static_assert(sizeof(PluginStartupInfo) == 140);
static_assert(alignof(PluginStartupInfo) == 4);
static_assert(offsetof(PluginStartupInfo, StructSize) == 0);
static_assert(offsetof(PluginStartupInfo, ModuleName) == 4);
static_assert(offsetof(PluginStartupInfo, Menu) == 8);
static_assert(offsetof(PluginStartupInfo, Message) == 12);
static_assert(offsetof(PluginStartupInfo, GetMsg) == 16);
static_assert(offsetof(PluginStartupInfo, PanelControl) == 20);
static_assert(offsetof(PluginStartupInfo, SaveScreen) == 24);
static_assert(offsetof(PluginStartupInfo, RestoreScreen) == 28);
static_assert(offsetof(PluginStartupInfo, GetDirList) == 32);
static_assert(offsetof(PluginStartupInfo, GetPluginDirList) == 36);
static_assert(offsetof(PluginStartupInfo, FreeDirList) == 40);
static_assert(offsetof(PluginStartupInfo, FreePluginDirList) == 44);
static_assert(offsetof(PluginStartupInfo, Viewer) == 48);
static_assert(offsetof(PluginStartupInfo, Editor) == 52);
static_assert(offsetof(PluginStartupInfo, Text) == 56);
static_assert(offsetof(PluginStartupInfo, EditorControl) == 60);
static_assert(offsetof(PluginStartupInfo, FSF) == 64);
static_assert(offsetof(PluginStartupInfo, ShowHelp) == 68);
static_assert(offsetof(PluginStartupInfo, AdvControl) == 72);
static_assert(offsetof(PluginStartupInfo, InputBox) == 76);
static_assert(offsetof(PluginStartupInfo, ColorDialog) == 80);
static_assert(offsetof(PluginStartupInfo, DialogInit) == 84);
static_assert(offsetof(PluginStartupInfo, DialogRun) == 88);
static_assert(offsetof(PluginStartupInfo, DialogFree) == 92);
static_assert(offsetof(PluginStartupInfo, SendDlgMessage) == 96);
static_assert(offsetof(PluginStartupInfo, DefDlgProc) == 100);
static_assert(offsetof(PluginStartupInfo, ViewerControl) == 104);
static_assert(offsetof(PluginStartupInfo, PluginsControl) == 108);
static_assert(offsetof(PluginStartupInfo, FileFilterControl) == 112);
static_assert(offsetof(PluginStartupInfo, RegExpControl) == 116);
static_assert(offsetof(PluginStartupInfo, MacroControl) == 120);
static_assert(offsetof(PluginStartupInfo, SettingsControl) == 124);
static_assert(offsetof(PluginStartupInfo, Private) == 128);
static_assert(offsetof(PluginStartupInfo, Instance) == 132);
static_assert(offsetof(PluginStartupInfo, FreeScreen) == 136);

static_assert(sizeof(FarStandardFunctions) == 200);
static_assert(alignof(FarStandardFunctions) == 4);
static_assert(offsetof(FarStandardFunctions, StructSize) == 0);
static_assert(offsetof(FarStandardFunctions, atoi) == 4);
static_assert(offsetof(FarStandardFunctions, atoi64) == 8);
static_assert(offsetof(FarStandardFunctions, itoa) == 12);
static_assert(offsetof(FarStandardFunctions, itoa64) == 16);
static_assert(offsetof(FarStandardFunctions, sprintf) == 20);
static_assert(offsetof(FarStandardFunctions, sscanf) == 24);
static_assert(offsetof(FarStandardFunctions, qsort) == 28);
static_assert(offsetof(FarStandardFunctions, bsearch) == 32);
static_assert(offsetof(FarStandardFunctions, snprintf) == 36);
static_assert(offsetof(FarStandardFunctions, LIsLower) == 40);
static_assert(offsetof(FarStandardFunctions, LIsUpper) == 44);
static_assert(offsetof(FarStandardFunctions, LIsAlpha) == 48);
static_assert(offsetof(FarStandardFunctions, LIsAlphanum) == 52);
static_assert(offsetof(FarStandardFunctions, LUpper) == 56);
static_assert(offsetof(FarStandardFunctions, LLower) == 60);
static_assert(offsetof(FarStandardFunctions, LUpperBuf) == 64);
static_assert(offsetof(FarStandardFunctions, LLowerBuf) == 68);
static_assert(offsetof(FarStandardFunctions, LStrupr) == 72);
static_assert(offsetof(FarStandardFunctions, LStrlwr) == 76);
static_assert(offsetof(FarStandardFunctions, LStricmp) == 80);
static_assert(offsetof(FarStandardFunctions, LStrnicmp) == 84);
static_assert(offsetof(FarStandardFunctions, Unquote) == 88);
static_assert(offsetof(FarStandardFunctions, LTrim) == 92);
static_assert(offsetof(FarStandardFunctions, RTrim) == 96);
static_assert(offsetof(FarStandardFunctions, Trim) == 100);
static_assert(offsetof(FarStandardFunctions, TruncStr) == 104);
static_assert(offsetof(FarStandardFunctions, TruncPathStr) == 108);
static_assert(offsetof(FarStandardFunctions, QuoteSpaceOnly) == 112);
static_assert(offsetof(FarStandardFunctions, PointToName) == 116);
static_assert(offsetof(FarStandardFunctions, GetPathRoot) == 120);
static_assert(offsetof(FarStandardFunctions, AddEndSlash) == 124);
static_assert(offsetof(FarStandardFunctions, CopyToClipboard) == 128);
static_assert(offsetof(FarStandardFunctions, PasteFromClipboard) == 132);
static_assert(offsetof(FarStandardFunctions, FarInputRecordToName) == 136);
static_assert(offsetof(FarStandardFunctions, FarNameToInputRecord) == 140);
static_assert(offsetof(FarStandardFunctions, XLat) == 144);
static_assert(offsetof(FarStandardFunctions, GetFileOwner) == 148);
static_assert(offsetof(FarStandardFunctions, GetNumberOfLinks) == 152);
static_assert(offsetof(FarStandardFunctions, FarRecursiveSearch) == 156);
static_assert(offsetof(FarStandardFunctions, MkTemp) == 160);
static_assert(offsetof(FarStandardFunctions, ProcessName) == 164);
static_assert(offsetof(FarStandardFunctions, MkLink) == 168);
static_assert(offsetof(FarStandardFunctions, ConvertPath) == 172);
static_assert(offsetof(FarStandardFunctions, GetReparsePointInfo) == 176);
static_assert(offsetof(FarStandardFunctions, GetCurrentDirectory) == 180);
static_assert(offsetof(FarStandardFunctions, FormatFileSize) == 184);
static_assert(offsetof(FarStandardFunctions, FarClock) == 188);
static_assert(offsetof(FarStandardFunctions, CompareStrings) == 192);
static_assert(offsetof(FarStandardFunctions, DetectCodePage) == 196);

static_assert(sizeof(PanelInfo) == 80);
static_assert(alignof(PanelInfo) == 8);
static_assert(offsetof(PanelInfo, StructSize) == 0);
static_assert(offsetof(PanelInfo, PluginHandle) == 4);
static_assert(offsetof(PanelInfo, OwnerGuid) == 8);
static_assert(offsetof(PanelInfo, Flags) == 24);
static_assert(offsetof(PanelInfo, ItemsNumber) == 32);
static_assert(offsetof(PanelInfo, SelectedItemsNumber) == 36);
static_assert(offsetof(PanelInfo, PanelRect) == 40);
static_assert(offsetof(PanelInfo, CurrentItem) == 56);
static_assert(offsetof(PanelInfo, TopPanelItem) == 60);
static_assert(offsetof(PanelInfo, ViewMode) == 64);
static_assert(offsetof(PanelInfo, PanelType) == 68);
static_assert(offsetof(PanelInfo, SortMode) == 72);

static_assert(sizeof(PanelRedrawInfo) == 12);
static_assert(alignof(PanelRedrawInfo) == 4);
static_assert(offsetof(PanelRedrawInfo, StructSize) == 0);
static_assert(offsetof(PanelRedrawInfo, CurrentItem) == 4);
static_assert(offsetof(PanelRedrawInfo, TopPanelItem) == 8);

static_assert(sizeof(FarPanelDirectory) == 32);
static_assert(alignof(FarPanelDirectory) == 4);
static_assert(offsetof(FarPanelDirectory, StructSize) == 0);
static_assert(offsetof(FarPanelDirectory, Name) == 4);
static_assert(offsetof(FarPanelDirectory, Param) == 8);
static_assert(offsetof(FarPanelDirectory, PluginId) == 12);
static_assert(offsetof(FarPanelDirectory, File) == 28);

static_assert(sizeof(FarGetPluginPanelItem) == 12);
static_assert(alignof(FarGetPluginPanelItem) == 4);
static_assert(offsetof(FarGetPluginPanelItem, StructSize) == 0);
static_assert(offsetof(FarGetPluginPanelItem, Size) == 4);
static_assert(offsetof(FarGetPluginPanelItem, Item) == 8);

static_assert(sizeof(UserDataItem) == 8);
static_assert(alignof(UserDataItem) == 4);
static_assert(offsetof(UserDataItem, Data) == 0);
static_assert(offsetof(UserDataItem, FreeData) == 4);

static_assert(sizeof(PluginPanelItem) == 112);
static_assert(alignof(PluginPanelItem) == 8);
static_assert(offsetof(PluginPanelItem, CreationTime) == 0);
static_assert(offsetof(PluginPanelItem, LastAccessTime) == 8);
static_assert(offsetof(PluginPanelItem, LastWriteTime) == 16);
static_assert(offsetof(PluginPanelItem, ChangeTime) == 24);
static_assert(offsetof(PluginPanelItem, FileSize) == 32);
static_assert(offsetof(PluginPanelItem, AllocationSize) == 40);
static_assert(offsetof(PluginPanelItem, FileName) == 48);
static_assert(offsetof(PluginPanelItem, AlternateFileName) == 52);
static_assert(offsetof(PluginPanelItem, Description) == 56);
static_assert(offsetof(PluginPanelItem, Owner) == 60);
static_assert(offsetof(PluginPanelItem, CustomColumnData) == 64);
static_assert(offsetof(PluginPanelItem, CustomColumnNumber) == 68);
static_assert(offsetof(PluginPanelItem, Flags) == 72);
static_assert(offsetof(PluginPanelItem, UserData) == 80);
static_assert(offsetof(PluginPanelItem, FileAttributes) == 88);
static_assert(offsetof(PluginPanelItem, NumberOfLinks) == 92);
static_assert(offsetof(PluginPanelItem, CRC32) == 96);
static_assert(offsetof(PluginPanelItem, Reserved) == 100);

static_assert(sizeof(FarDialogItem) == 64);
static_assert(alignof(FarDialogItem) == 8);
static_assert(offsetof(FarDialogItem, Type) == 0);
static_assert(offsetof(FarDialogItem, X1) == 4);
static_assert(offsetof(FarDialogItem, Y1) == 8);
static_assert(offsetof(FarDialogItem, X2) == 12);
static_assert(offsetof(FarDialogItem, Y2) == 16);
static_assert(offsetof(FarDialogItem, Selected) == 20);
static_assert(offsetof(FarDialogItem, ListItems) == 20);
static_assert(offsetof(FarDialogItem, VBuf) == 20);
static_assert(offsetof(FarDialogItem, Reserved0) == 20);
static_assert(offsetof(FarDialogItem, History) == 24);
static_assert(offsetof(FarDialogItem, Mask) == 28);
static_assert(offsetof(FarDialogItem, Flags) == 32);
static_assert(offsetof(FarDialogItem, Data) == 40);
static_assert(offsetof(FarDialogItem, MaxLength) == 44);
static_assert(offsetof(FarDialogItem, UserData) == 48);
static_assert(offsetof(FarDialogItem, Reserved) == 52);

static_assert(sizeof(FarListItem) == 24);
static_assert(alignof(FarListItem) == 8);
static_assert(offsetof(FarListItem, Flags) == 0);
static_assert(offsetof(FarListItem, Text) == 8);
static_assert(offsetof(FarListItem, UserData) == 12);
static_assert(offsetof(FarListItem, Reserved) == 16);

static_assert(sizeof(FarList) == 12);
static_assert(alignof(FarList) == 4);
static_assert(offsetof(FarList, StructSize) == 0);
static_assert(offsetof(FarList, ItemsNumber) == 4);
static_assert(offsetof(FarList, Items) == 8);

static_assert(sizeof(FarListPos) == 12);
static_assert(alignof(FarListPos) == 4);
static_assert(offsetof(FarListPos, StructSize) == 0);
static_assert(offsetof(FarListPos, SelectPos) == 4);
static_assert(offsetof(FarListPos, TopPos) == 8);

static_assert(sizeof(FarListInfo) == 40);
static_assert(alignof(FarListInfo) == 8);
static_assert(offsetof(FarListInfo, StructSize) == 0);
static_assert(offsetof(FarListInfo, Flags) == 8);
static_assert(offsetof(FarListInfo, ItemsNumber) == 16);
static_assert(offsetof(FarListInfo, SelectPos) == 20);
static_assert(offsetof(FarListInfo, TopPos) == 24);
static_assert(offsetof(FarListInfo, MaxHeight) == 28);
static_assert(offsetof(FarListInfo, MaxLength) == 32);

static_assert(sizeof(FarGetDialogItem) == 12);
static_assert(alignof(FarGetDialogItem) == 4);
static_assert(offsetof(FarGetDialogItem, StructSize) == 0);
static_assert(offsetof(FarGetDialogItem, Size) == 4);
static_assert(offsetof(FarGetDialogItem, Item) == 8);

static_assert(sizeof(FarDialogItemData) == 12);
static_assert(alignof(FarDialogItemData) == 4);
static_assert(offsetof(FarDialogItemData, StructSize) == 0);
static_assert(offsetof(FarDialogItemData, PtrLength) == 4);
static_assert(offsetof(FarDialogItemData, PtrData) == 8);

static_assert(sizeof(DialogInfo) == 36);
static_assert(alignof(DialogInfo) == 4);
static_assert(offsetof(DialogInfo, StructSize) == 0);
static_assert(offsetof(DialogInfo, Id) == 4);
static_assert(offsetof(DialogInfo, Owner) == 20);

static_assert(sizeof(WindowInfo) == 40);
static_assert(alignof(WindowInfo) == 8);
static_assert(offsetof(WindowInfo, StructSize) == 0);
static_assert(offsetof(WindowInfo, Id) == 4);
static_assert(offsetof(WindowInfo, TypeName) == 8);
static_assert(offsetof(WindowInfo, Name) == 12);
static_assert(offsetof(WindowInfo, TypeNameSize) == 16);
static_assert(offsetof(WindowInfo, NameSize) == 20);
static_assert(offsetof(WindowInfo, Pos) == 24);
static_assert(offsetof(WindowInfo, Type) == 28);
static_assert(offsetof(WindowInfo, Flags) == 32);

static_assert(sizeof(WindowType) == 8);
static_assert(alignof(WindowType) == 4);
static_assert(offsetof(WindowType, StructSize) == 0);
static_assert(offsetof(WindowType, Type) == 4);

static_assert(sizeof(MacroSendMacroText) == 40);
static_assert(alignof(MacroSendMacroText) == 8);
static_assert(offsetof(MacroSendMacroText, StructSize) == 0);
static_assert(offsetof(MacroSendMacroText, Flags) == 8);
static_assert(offsetof(MacroSendMacroText, AKey) == 16);
static_assert(offsetof(MacroSendMacroText, SequenceText) == 36);

static_assert(sizeof(FarSettingsCreate) == 24);
static_assert(alignof(FarSettingsCreate) == 4);
static_assert(offsetof(FarSettingsCreate, StructSize) == 0);
static_assert(offsetof(FarSettingsCreate, Guid) == 4);
static_assert(offsetof(FarSettingsCreate, Handle) == 20);

static_assert(sizeof(FarSettingsItem) == 24);
static_assert(alignof(FarSettingsItem) == 8);
static_assert(offsetof(FarSettingsItem, StructSize) == 0);
static_assert(offsetof(FarSettingsItem, Root) == 4);
static_assert(offsetof(FarSettingsItem, Name) == 8);
static_assert(offsetof(FarSettingsItem, Type) == 12);
static_assert(offsetof(FarSettingsItem, Number) == 16);
static_assert(offsetof(FarSettingsItem, String) == 16);
static_assert(offsetof(FarSettingsItem, Data) == 16);

static_assert(sizeof(FarSettingsData) == 8);
static_assert(alignof(FarSettingsData) == 4);
static_assert(offsetof(FarSettingsData, Size) == 0);
static_assert(offsetof(FarSettingsData, Data) == 4);

static_assert(sizeof(FarSettingsValue) == 12);
static_assert(alignof(FarSettingsValue) == 4);
static_assert(offsetof(FarSettingsValue, StructSize) == 0);
static_assert(offsetof(FarSettingsValue, Root) == 4);
static_assert(offsetof(FarSettingsValue, Value) == 8);
#else
// The 64-bit host's layouts; a native 64-bit build lays the records out the same way.
static_assert(sizeof(std::size_t) == 8);
static_assert(sizeof(std::intptr_t) == 8);
static_assert(sizeof(std::uintptr_t) == 8);
static_assert(sizeof(HANDLE) == 8);
static_assert(sizeof(void*) == 8);
static_assert(sizeof(FAROPAQUEPROC) == 8);
static_assert(sizeof(FARWINDOWPROC) == 8);

static_assert(sizeof(GlobalInfo) == 96);
static_assert(alignof(GlobalInfo) == 8);
static_assert(offsetof(GlobalInfo, StructSize) == 0);
static_assert(offsetof(GlobalInfo, MinFarVersion) == 8);
static_assert(offsetof(GlobalInfo, Version) == 28);
static_assert(offsetof(GlobalInfo, Guid) == 48);
static_assert(offsetof(GlobalInfo, Title) == 64);
static_assert(offsetof(GlobalInfo, Description) == 72);
static_assert(offsetof(GlobalInfo, Author) == 80);
static_assert(offsetof(GlobalInfo, Instance) == 88);

static_assert(sizeof(PluginMenuItem) == 24);
static_assert(alignof(PluginMenuItem) == 8);
static_assert(offsetof(PluginMenuItem, Guids) == 0);
static_assert(offsetof(PluginMenuItem, Strings) == 8);
static_assert(offsetof(PluginMenuItem, Count) == 16);

static_assert(sizeof(PluginInfo) == 104);
static_assert(alignof(PluginInfo) == 8);
static_assert(offsetof(PluginInfo, StructSize) == 0);
static_assert(offsetof(PluginInfo, Flags) == 8);
static_assert(offsetof(PluginInfo, DiskMenu) == 16);
static_assert(offsetof(PluginInfo, PluginMenu) == 40);
static_assert(offsetof(PluginInfo, PluginConfig) == 64);
static_assert(offsetof(PluginInfo, CommandPrefix) == 88);
static_assert(offsetof(PluginInfo, Instance) == 96);

static_assert(sizeof(OpenInfo) == 40);
static_assert(alignof(OpenInfo) == 8);
static_assert(offsetof(OpenInfo, StructSize) == 0);
static_assert(offsetof(OpenInfo, OpenFrom) == 8);
static_assert(offsetof(OpenInfo, Guid) == 16);
static_assert(offsetof(OpenInfo, Data) == 24);
static_assert(offsetof(OpenInfo, Instance) == 32);

static_assert(sizeof(ExitInfo) == 16);
static_assert(alignof(ExitInfo) == 8);
static_assert(offsetof(ExitInfo, StructSize) == 0);
static_assert(offsetof(ExitInfo, Instance) == 8);

static_assert(sizeof(ProcessSynchroEventInfo) == 32);
static_assert(alignof(ProcessSynchroEventInfo) == 8);
static_assert(offsetof(ProcessSynchroEventInfo, StructSize) == 0);
static_assert(offsetof(ProcessSynchroEventInfo, Event) == 8);
static_assert(offsetof(ProcessSynchroEventInfo, Param) == 16);
static_assert(offsetof(ProcessSynchroEventInfo, Instance) == 24);

static_assert(sizeof(PluginStartupInfo) == 280);
static_assert(alignof(PluginStartupInfo) == 8);
static_assert(offsetof(PluginStartupInfo, StructSize) == 0);
static_assert(offsetof(PluginStartupInfo, ModuleName) == 8);
static_assert(offsetof(PluginStartupInfo, Menu) == 16);
static_assert(offsetof(PluginStartupInfo, Message) == 24);
static_assert(offsetof(PluginStartupInfo, GetMsg) == 32);
static_assert(offsetof(PluginStartupInfo, PanelControl) == 40);
static_assert(offsetof(PluginStartupInfo, SaveScreen) == 48);
static_assert(offsetof(PluginStartupInfo, RestoreScreen) == 56);
static_assert(offsetof(PluginStartupInfo, GetDirList) == 64);
static_assert(offsetof(PluginStartupInfo, GetPluginDirList) == 72);
static_assert(offsetof(PluginStartupInfo, FreeDirList) == 80);
static_assert(offsetof(PluginStartupInfo, FreePluginDirList) == 88);
static_assert(offsetof(PluginStartupInfo, Viewer) == 96);
static_assert(offsetof(PluginStartupInfo, Editor) == 104);
static_assert(offsetof(PluginStartupInfo, Text) == 112);
static_assert(offsetof(PluginStartupInfo, EditorControl) == 120);
static_assert(offsetof(PluginStartupInfo, FSF) == 128);
static_assert(offsetof(PluginStartupInfo, ShowHelp) == 136);
static_assert(offsetof(PluginStartupInfo, AdvControl) == 144);
static_assert(offsetof(PluginStartupInfo, InputBox) == 152);
static_assert(offsetof(PluginStartupInfo, ColorDialog) == 160);
static_assert(offsetof(PluginStartupInfo, DialogInit) == 168);
static_assert(offsetof(PluginStartupInfo, DialogRun) == 176);
static_assert(offsetof(PluginStartupInfo, DialogFree) == 184);
static_assert(offsetof(PluginStartupInfo, SendDlgMessage) == 192);
static_assert(offsetof(PluginStartupInfo, DefDlgProc) == 200);
static_assert(offsetof(PluginStartupInfo, ViewerControl) == 208);
static_assert(offsetof(PluginStartupInfo, PluginsControl) == 216);
static_assert(offsetof(PluginStartupInfo, FileFilterControl) == 224);
static_assert(offsetof(PluginStartupInfo, RegExpControl) == 232);
static_assert(offsetof(PluginStartupInfo, MacroControl) == 240);
static_assert(offsetof(PluginStartupInfo, SettingsControl) == 248);
static_assert(offsetof(PluginStartupInfo, Private) == 256);
static_assert(offsetof(PluginStartupInfo, Instance) == 264);
static_assert(offsetof(PluginStartupInfo, FreeScreen) == 272);

static_assert(sizeof(FarStandardFunctions) == 400);
static_assert(alignof(FarStandardFunctions) == 8);
static_assert(offsetof(FarStandardFunctions, StructSize) == 0);
static_assert(offsetof(FarStandardFunctions, atoi) == 8);
static_assert(offsetof(FarStandardFunctions, atoi64) == 16);
static_assert(offsetof(FarStandardFunctions, itoa) == 24);
static_assert(offsetof(FarStandardFunctions, itoa64) == 32);
static_assert(offsetof(FarStandardFunctions, sprintf) == 40);
static_assert(offsetof(FarStandardFunctions, sscanf) == 48);
static_assert(offsetof(FarStandardFunctions, qsort) == 56);
static_assert(offsetof(FarStandardFunctions, bsearch) == 64);
static_assert(offsetof(FarStandardFunctions, snprintf) == 72);
static_assert(offsetof(FarStandardFunctions, LIsLower) == 80);
static_assert(offsetof(FarStandardFunctions, LIsUpper) == 88);
static_assert(offsetof(FarStandardFunctions, LIsAlpha) == 96);
static_assert(offsetof(FarStandardFunctions, LIsAlphanum) == 104);
static_assert(offsetof(FarStandardFunctions, LUpper) == 112);
static_assert(offsetof(FarStandardFunctions, LLower) == 120);
static_assert(offsetof(FarStandardFunctions, LUpperBuf) == 128);
static_assert(offsetof(FarStandardFunctions, LLowerBuf) == 136);
static_assert(offsetof(FarStandardFunctions, LStrupr) == 144);
static_assert(offsetof(FarStandardFunctions, LStrlwr) == 152);
static_assert(offsetof(FarStandardFunctions, LStricmp) == 160);
static_assert(offsetof(FarStandardFunctions, LStrnicmp) == 168);
static_assert(offsetof(FarStandardFunctions, Unquote) == 176);
static_assert(offsetof(FarStandardFunctions, LTrim) == 184);
static_assert(offsetof(FarStandardFunctions, RTrim) == 192);
static_assert(offsetof(FarStandardFunctions, Trim) == 200);
static_assert(offsetof(FarStandardFunctions, TruncStr) == 208);
static_assert(offsetof(FarStandardFunctions, TruncPathStr) == 216);
static_assert(offsetof(FarStandardFunctions, QuoteSpaceOnly) == 224);
static_assert(offsetof(FarStandardFunctions, PointToName) == 232);
static_assert(offsetof(FarStandardFunctions, GetPathRoot) == 240);
static_assert(offsetof(FarStandardFunctions, AddEndSlash) == 248);
static_assert(offsetof(FarStandardFunctions, CopyToClipboard) == 256);
static_assert(offsetof(FarStandardFunctions, PasteFromClipboard) == 264);
static_assert(offsetof(FarStandardFunctions, FarInputRecordToName) == 272);
static_assert(offsetof(FarStandardFunctions, FarNameToInputRecord) == 280);
static_assert(offsetof(FarStandardFunctions, XLat) == 288);
static_assert(offsetof(FarStandardFunctions, GetFileOwner) == 296);
static_assert(offsetof(FarStandardFunctions, GetNumberOfLinks) == 304);
static_assert(offsetof(FarStandardFunctions, FarRecursiveSearch) == 312);
static_assert(offsetof(FarStandardFunctions, MkTemp) == 320);
static_assert(offsetof(FarStandardFunctions, ProcessName) == 328);
static_assert(offsetof(FarStandardFunctions, MkLink) == 336);
static_assert(offsetof(FarStandardFunctions, ConvertPath) == 344);
static_assert(offsetof(FarStandardFunctions, GetReparsePointInfo) == 352);
static_assert(offsetof(FarStandardFunctions, GetCurrentDirectory) == 360);
static_assert(offsetof(FarStandardFunctions, FormatFileSize) == 368);
static_assert(offsetof(FarStandardFunctions, FarClock) == 376);
static_assert(offsetof(FarStandardFunctions, CompareStrings) == 384);
static_assert(offsetof(FarStandardFunctions, DetectCodePage) == 392);

static_assert(sizeof(PanelInfo) == 104);
static_assert(alignof(PanelInfo) == 8);
static_assert(offsetof(PanelInfo, StructSize) == 0);
static_assert(offsetof(PanelInfo, PluginHandle) == 8);
static_assert(offsetof(PanelInfo, OwnerGuid) == 16);
static_assert(offsetof(PanelInfo, Flags) == 32);
static_assert(offsetof(PanelInfo, ItemsNumber) == 40);
static_assert(offsetof(PanelInfo, SelectedItemsNumber) == 48);
static_assert(offsetof(PanelInfo, PanelRect) == 56);
static_assert(offsetof(PanelInfo, CurrentItem) == 72);
static_assert(offsetof(PanelInfo, TopPanelItem) == 80);
static_assert(offsetof(PanelInfo, ViewMode) == 88);
static_assert(offsetof(PanelInfo, PanelType) == 96);
static_assert(offsetof(PanelInfo, SortMode) == 100);

static_assert(sizeof(PanelRedrawInfo) == 24);
static_assert(alignof(PanelRedrawInfo) == 8);
static_assert(offsetof(PanelRedrawInfo, StructSize) == 0);
static_assert(offsetof(PanelRedrawInfo, CurrentItem) == 8);
static_assert(offsetof(PanelRedrawInfo, TopPanelItem) == 16);

static_assert(sizeof(FarPanelDirectory) == 48);
static_assert(alignof(FarPanelDirectory) == 8);
static_assert(offsetof(FarPanelDirectory, StructSize) == 0);
static_assert(offsetof(FarPanelDirectory, Name) == 8);
static_assert(offsetof(FarPanelDirectory, Param) == 16);
static_assert(offsetof(FarPanelDirectory, PluginId) == 24);
static_assert(offsetof(FarPanelDirectory, File) == 40);

static_assert(sizeof(FarGetPluginPanelItem) == 24);
static_assert(alignof(FarGetPluginPanelItem) == 8);
static_assert(offsetof(FarGetPluginPanelItem, StructSize) == 0);
static_assert(offsetof(FarGetPluginPanelItem, Size) == 8);
static_assert(offsetof(FarGetPluginPanelItem, Item) == 16);

static_assert(sizeof(UserDataItem) == 16);
static_assert(alignof(UserDataItem) == 8);
static_assert(offsetof(UserDataItem, Data) == 0);
static_assert(offsetof(UserDataItem, FreeData) == 8);

static_assert(sizeof(PluginPanelItem) == 160);
static_assert(alignof(PluginPanelItem) == 8);
static_assert(offsetof(PluginPanelItem, CreationTime) == 0);
static_assert(offsetof(PluginPanelItem, LastAccessTime) == 8);
static_assert(offsetof(PluginPanelItem, LastWriteTime) == 16);
static_assert(offsetof(PluginPanelItem, ChangeTime) == 24);
static_assert(offsetof(PluginPanelItem, FileSize) == 32);
static_assert(offsetof(PluginPanelItem, AllocationSize) == 40);
static_assert(offsetof(PluginPanelItem, FileName) == 48);
static_assert(offsetof(PluginPanelItem, AlternateFileName) == 56);
static_assert(offsetof(PluginPanelItem, Description) == 64);
static_assert(offsetof(PluginPanelItem, Owner) == 72);
static_assert(offsetof(PluginPanelItem, CustomColumnData) == 80);
static_assert(offsetof(PluginPanelItem, CustomColumnNumber) == 88);
static_assert(offsetof(PluginPanelItem, Flags) == 96);
static_assert(offsetof(PluginPanelItem, UserData) == 104);
static_assert(offsetof(PluginPanelItem, FileAttributes) == 120);
static_assert(offsetof(PluginPanelItem, NumberOfLinks) == 128);
static_assert(offsetof(PluginPanelItem, CRC32) == 136);
static_assert(offsetof(PluginPanelItem, Reserved) == 144);

static_assert(sizeof(FarDialogItem) == 112);
static_assert(alignof(FarDialogItem) == 8);
static_assert(offsetof(FarDialogItem, Type) == 0);
static_assert(offsetof(FarDialogItem, X1) == 8);
static_assert(offsetof(FarDialogItem, Y1) == 16);
static_assert(offsetof(FarDialogItem, X2) == 24);
static_assert(offsetof(FarDialogItem, Y2) == 32);
static_assert(offsetof(FarDialogItem, Selected) == 40);
static_assert(offsetof(FarDialogItem, ListItems) == 40);
static_assert(offsetof(FarDialogItem, VBuf) == 40);
static_assert(offsetof(FarDialogItem, Reserved0) == 40);
static_assert(offsetof(FarDialogItem, History) == 48);
static_assert(offsetof(FarDialogItem, Mask) == 56);
static_assert(offsetof(FarDialogItem, Flags) == 64);
static_assert(offsetof(FarDialogItem, Data) == 72);
static_assert(offsetof(FarDialogItem, MaxLength) == 80);
static_assert(offsetof(FarDialogItem, UserData) == 88);
static_assert(offsetof(FarDialogItem, Reserved) == 96);

static_assert(sizeof(FarListItem) == 32);
static_assert(alignof(FarListItem) == 8);
static_assert(offsetof(FarListItem, Flags) == 0);
static_assert(offsetof(FarListItem, Text) == 8);
static_assert(offsetof(FarListItem, UserData) == 16);
static_assert(offsetof(FarListItem, Reserved) == 24);

static_assert(sizeof(FarList) == 24);
static_assert(alignof(FarList) == 8);
static_assert(offsetof(FarList, StructSize) == 0);
static_assert(offsetof(FarList, ItemsNumber) == 8);
static_assert(offsetof(FarList, Items) == 16);

static_assert(sizeof(FarListPos) == 24);
static_assert(alignof(FarListPos) == 8);
static_assert(offsetof(FarListPos, StructSize) == 0);
static_assert(offsetof(FarListPos, SelectPos) == 8);
static_assert(offsetof(FarListPos, TopPos) == 16);

static_assert(sizeof(FarListInfo) == 56);
static_assert(alignof(FarListInfo) == 8);
static_assert(offsetof(FarListInfo, StructSize) == 0);
static_assert(offsetof(FarListInfo, Flags) == 8);
static_assert(offsetof(FarListInfo, ItemsNumber) == 16);
static_assert(offsetof(FarListInfo, SelectPos) == 24);
static_assert(offsetof(FarListInfo, TopPos) == 32);
static_assert(offsetof(FarListInfo, MaxHeight) == 40);
static_assert(offsetof(FarListInfo, MaxLength) == 48);

static_assert(sizeof(FarGetDialogItem) == 24);
static_assert(alignof(FarGetDialogItem) == 8);
static_assert(offsetof(FarGetDialogItem, StructSize) == 0);
static_assert(offsetof(FarGetDialogItem, Size) == 8);
static_assert(offsetof(FarGetDialogItem, Item) == 16);

static_assert(sizeof(FarDialogItemData) == 24);
static_assert(alignof(FarDialogItemData) == 8);
static_assert(offsetof(FarDialogItemData, StructSize) == 0);
static_assert(offsetof(FarDialogItemData, PtrLength) == 8);
static_assert(offsetof(FarDialogItemData, PtrData) == 16);

static_assert(sizeof(DialogInfo) == 40);
static_assert(alignof(DialogInfo) == 8);
static_assert(offsetof(DialogInfo, StructSize) == 0);
static_assert(offsetof(DialogInfo, Id) == 8);
static_assert(offsetof(DialogInfo, Owner) == 24);

static_assert(sizeof(WindowInfo) == 72);
static_assert(alignof(WindowInfo) == 8);
static_assert(offsetof(WindowInfo, StructSize) == 0);
static_assert(offsetof(WindowInfo, Id) == 8);
static_assert(offsetof(WindowInfo, TypeName) == 16);
static_assert(offsetof(WindowInfo, Name) == 24);
static_assert(offsetof(WindowInfo, TypeNameSize) == 32);
static_assert(offsetof(WindowInfo, NameSize) == 40);
static_assert(offsetof(WindowInfo, Pos) == 48);
static_assert(offsetof(WindowInfo, Type) == 56);
static_assert(offsetof(WindowInfo, Flags) == 64);

static_assert(sizeof(WindowType) == 16);
static_assert(alignof(WindowType) == 8);
static_assert(offsetof(WindowType, StructSize) == 0);
static_assert(offsetof(WindowType, Type) == 8);

static_assert(sizeof(MacroSendMacroText) == 48);
static_assert(alignof(MacroSendMacroText) == 8);
static_assert(offsetof(MacroSendMacroText, StructSize) == 0);
static_assert(offsetof(MacroSendMacroText, Flags) == 8);
static_assert(offsetof(MacroSendMacroText, AKey) == 16);
static_assert(offsetof(MacroSendMacroText, SequenceText) == 40);

static_assert(sizeof(FarSettingsCreate) == 32);
static_assert(alignof(FarSettingsCreate) == 8);
static_assert(offsetof(FarSettingsCreate, StructSize) == 0);
static_assert(offsetof(FarSettingsCreate, Guid) == 8);
static_assert(offsetof(FarSettingsCreate, Handle) == 24);

static_assert(sizeof(FarSettingsItem) == 48);
static_assert(alignof(FarSettingsItem) == 8);
static_assert(offsetof(FarSettingsItem, StructSize) == 0);
static_assert(offsetof(FarSettingsItem, Root) == 8);
static_assert(offsetof(FarSettingsItem, Name) == 16);
static_assert(offsetof(FarSettingsItem, Type) == 24);
static_assert(offsetof(FarSettingsItem, Number) == 32);
static_assert(offsetof(FarSettingsItem, String) == 32);
static_assert(offsetof(FarSettingsItem, Data) == 32);

static_assert(sizeof(FarSettingsData) == 16);
static_assert(alignof(FarSettingsData) == 8);
static_assert(offsetof(FarSettingsData, Size) == 0);
static_assert(offsetof(FarSettingsData, Data) == 8);

static_assert(sizeof(FarSettingsValue) == 24);
static_assert(alignof(FarSettingsValue) == 8);
static_assert(offsetof(FarSettingsValue, StructSize) == 0);
static_assert(offsetof(FarSettingsValue, Root) == 8);
static_assert(offsetof(FarSettingsValue, Value) == 16);
#endif

}  // namespace far3_host
