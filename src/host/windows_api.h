// The few operating-system calls the plugin makes, and the system C library's bounded formatter.
// The Windows build takes them from the system; the native build declares the same names, and
// the unit tests link a stand-in for them.
#pragma once

#if defined(_WIN32)

#define WIN32_LEAN_AND_MEAN
#define NOGDI
#include <windows.h>
// The host's table has a field of this name.
#undef DefDlgProc

#else

#include <cstddef>
#include <cstdint>

using BYTE = std::uint8_t;
using BOOL = int;
using SHORT = std::int16_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using LPDWORD = DWORD*;
using HANDLE = void*;
using HKEY = struct native_hkey*;
using PHKEY = HKEY*;
using REGSAM = DWORD;
using CHAR = char;
using WCHAR = std::uint16_t;
constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

struct COORD {
  SHORT X, Y;
};
struct SMALL_RECT {
  SHORT Left, Top, Right, Bottom;
};
struct CONSOLE_SCREEN_BUFFER_INFO {
  COORD dwSize;
  COORD dwCursorPosition;
  WORD wAttributes;
  SMALL_RECT srWindow;
  COORD dwMaximumWindowSize;
};
struct KEY_EVENT_RECORD {
  BOOL bKeyDown;
  WORD wRepeatCount;
  WORD wVirtualKeyCode;
  WORD wVirtualScanCode;
  union {
    WCHAR UnicodeChar;
    CHAR AsciiChar;
  } uChar;
  DWORD dwControlKeyState;
};
struct MOUSE_EVENT_RECORD {
  COORD dwMousePosition;
  DWORD dwButtonState;
  DWORD dwControlKeyState;
  DWORD dwEventFlags;
};
struct FOCUS_EVENT_RECORD {
  BOOL bSetFocus;
};
// Only the kinds of input the plugin looks at.
struct INPUT_RECORD {
  WORD EventType;
  union {
    KEY_EVENT_RECORD KeyEvent;
    MOUSE_EVENT_RECORD MouseEvent;
    FOCUS_EVENT_RECORD FocusEvent;
  } Event;
};
struct OSVERSIONINFOA {
  DWORD dwOSVersionInfoSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  CHAR szCSDVersion[128];
};
struct FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
};
struct SECURITY_ATTRIBUTES;

inline HKEY const HKEY_CURRENT_USER =
    reinterpret_cast<HKEY>(static_cast<std::intptr_t>(0x80000001));
constexpr DWORD STD_INPUT_HANDLE = static_cast<DWORD>(-10);
constexpr DWORD STD_OUTPUT_HANDLE = static_cast<DWORD>(-11);
constexpr DWORD INFINITE = 0xFFFFFFFF;
constexpr DWORD WAIT_TIMEOUT = 258;
#define WINAPI
constexpr WORD KEY_EVENT = 1;
constexpr WORD MOUSE_EVENT = 2;
constexpr WORD FOCUS_EVENT = 0x10;
constexpr DWORD ENHANCED_KEY = 0x100;
constexpr DWORD MOUSE_WHEELED = 4;
constexpr DWORD RIGHT_ALT_PRESSED = 0x1;
constexpr DWORD LEFT_ALT_PRESSED = 0x2;
constexpr DWORD RIGHT_CTRL_PRESSED = 0x4;
constexpr DWORD LEFT_CTRL_PRESSED = 0x8;
constexpr DWORD SHIFT_PRESSED = 0x10;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_NUMPAD0 = 0x60;
constexpr int VK_NUMPAD9 = 0x69;
constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_MORE_DATA = 234;
constexpr LONG ERROR_NO_MORE_ITEMS = 259;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr DWORD VER_PLATFORM_WIN32s = 0;
constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

DWORD GetFileAttributesA(const char* path);
DWORD GetFileAttributesW(const wchar_t* path);
HANDLE GetStdHandle(DWORD which);
BOOL GetConsoleScreenBufferInfo(HANDLE console, CONSOLE_SCREEN_BUFFER_INFO* info);
BOOL PeekConsoleInputA(HANDLE console, INPUT_RECORD* records, DWORD length, LPDWORD read);
BOOL GetNumberOfConsoleInputEvents(HANDLE console, LPDWORD count);
BOOL WriteConsoleInputW(HANDLE console, const INPUT_RECORD* records, DWORD length, LPDWORD written);
using LPTHREAD_START_ROUTINE = DWORD (*)(void* parameter);
HANDLE CreateThread(SECURITY_ATTRIBUTES* security, std::size_t stack_size,
                    LPTHREAD_START_ROUTINE start, void* parameter, DWORD flags, LPDWORD id);
HANDLE CreateEventA(SECURITY_ATTRIBUTES* security, BOOL manual_reset, BOOL initial_state,
                    const char* name);
BOOL SetEvent(HANDLE event);
DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds);
BOOL CloseHandle(HANDLE object);
BOOL GetVersionExA(OSVERSIONINFOA* info);
SHORT GetKeyState(int virtual_key);
DWORD GetEnvironmentVariableA(const char* name, char* buffer, DWORD size);
LONG RegCreateKeyExA(HKEY key, const char* sub_key, DWORD reserved, char* class_name, DWORD options,
                     REGSAM access, SECURITY_ATTRIBUTES* security, PHKEY result,
                     LPDWORD disposition);
LONG RegOpenKeyExA(HKEY key, const char* sub_key, DWORD options, REGSAM access, PHKEY result);
LONG RegQueryInfoKeyA(HKEY key, char* class_name, LPDWORD class_size, LPDWORD reserved,
                      LPDWORD sub_keys, LPDWORD max_sub_key_len, LPDWORD max_class_len,
                      LPDWORD values, LPDWORD max_value_name_len, LPDWORD max_value_len,
                      LPDWORD security_descriptor, FILETIME* last_write);
LONG RegEnumKeyExA(HKEY key, DWORD index, char* name, LPDWORD name_size, LPDWORD reserved,
                   char* class_name, LPDWORD class_size, FILETIME* last_write);
LONG RegQueryValueExA(HKEY key, const char* value_name, LPDWORD reserved, LPDWORD type, BYTE* data,
                      LPDWORD data_size);
LONG RegSetValueExA(HKEY key, const char* value_name, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD data_size);
LONG RegCloseKey(HKEY key);

// A text of `count` characters or more is cut to `count` with no terminating zero; the result is
// -1 when the text was longer.
// NOLINTNEXTLINE(bugprone-reserved-identifier): msvcrt's own name, declared for the stand-in.
int _snprintf(char* buffer, std::size_t count, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

#endif
