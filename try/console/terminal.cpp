#include "console/terminal.h"

#include <algorithm>
#include <atomic>
#include <vector>

#include "keys/key_translation.h"

namespace try_host {

namespace {

std::atomic<bool> ctrl_c_signalled{false};

BOOL WINAPI on_console_signal(DWORD signal) {
  if (signal != CTRL_C_EVENT && signal != CTRL_BREAK_EVENT) return FALSE;
  ctrl_c_signalled = true;
  return TRUE;
}

// Wine's console keeps the size the terminal had when it started and hears of no resize. The
// terminal's size comes from the Linux kernel instead, asked directly with the system call
// ioctl(0, TIOCGWINSZ), which Wine lets through: i386's, or x86-64's for the 64-bit host.
struct unix_window_size {
  unsigned short rows, columns, x_pixels, y_pixels;
};

bool terminal_size(unix_window_size& size) {
  constexpr unsigned long get_window_size = 0x5413;
  long result = -1;
#if defined(__i386__)
  constexpr long sys_ioctl = 54;
  __asm__ volatile("int $0x80"
                   : "=a"(result)
                   : "a"(sys_ioctl), "b"(0), "c"(get_window_size), "d"(&size)
                   : "memory");
#elif defined(__x86_64__)
  constexpr long sys_ioctl = 16;
  __asm__ volatile("syscall"
                   : "=a"(result)
                   : "a"(sys_ioctl), "D"(0L), "S"(get_window_size), "d"(&size)
                   : "rcx", "r11", "memory");
#else
  static_cast<void>(get_window_size);
#endif
  return result == 0 && size.columns > 0 && size.rows > 0;
}

HANDLE open_console(const char* name) {
  return CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     nullptr, OPEN_EXISTING, 0, nullptr);
}

}  // namespace

terminal::terminal() : input_(open_console("CONIN$")), output_(open_console("CONOUT$")) {
  SetConsoleCtrlHandler(on_console_signal, TRUE);
}

terminal::~terminal() {
  stop();
  if (input_ != INVALID_HANDLE_VALUE) CloseHandle(input_);
  if (output_ != INVALID_HANDLE_VALUE) CloseHandle(output_);
}

bool terminal::interrupted() { return ctrl_c_signalled; }

COORD terminal::size() const {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!available() || !GetConsoleScreenBufferInfo(output_, &info)) return {120, 40};
  return info.dwSize;
}

void terminal::write_sequence(const char* text) {
  DWORD written = 0;
  WriteConsoleA(output_, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
}

void terminal::start() {
  if (!available() || started_) return;
  started_ = true;
  GetConsoleMode(input_, &input_mode_);
  // Without processed input Ctrl+C comes as a key, and no line editing gets in the way.
  SetConsoleMode(input_, ENABLE_WINDOW_INPUT);
  GetConsoleCursorInfo(output_, &cursor_);
  CONSOLE_CURSOR_INFO hidden{cursor_.dwSize ? cursor_.dwSize : 1, FALSE};
  SetConsoleCursorInfo(output_, &hidden);
  write_sequence("\x1b[?1049h");
  shown_.reset();
}

void terminal::stop() {
  if (!started_) return;
  started_ = false;
  write_sequence("\x1b[0m\x1b[?1049l");
  SetConsoleCursorInfo(output_, &cursor_);
  SetConsoleMode(input_, input_mode_);
}

void terminal::show(const frame& next) {
  if (!started_) return;
  const bool fresh =
      !shown_ || shown_->width() != next.width() || shown_->height() != next.height();
  int left = next.width(), top = next.height(), right = -1, bottom = -1;
  for (int y = 0; y < next.height(); ++y)
    for (int x = 0; x < next.width(); ++x)
      if (fresh || shown_->at(x, y) != next.at(x, y)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  if (right < 0) return;
  const int width = right - left + 1, height = bottom - top + 1;
  std::vector<CHAR_INFO> cells(width * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const cell& source = next.at(left + x, top + y);
      cells[y * width + x].Char.UnicodeChar = source.ch;
      cells[y * width + x].Attributes = source.attr;
    }
  SMALL_RECT area{static_cast<SHORT>(left), static_cast<SHORT>(top), static_cast<SHORT>(right),
                  static_cast<SHORT>(bottom)};
  WriteConsoleOutputW(output_, cells.data(),
                      {static_cast<SHORT>(width), static_cast<SHORT>(height)}, {0, 0}, &area);
  shown_ = std::make_unique<frame>(next);
}

// The console takes the terminal's new size, so that the plugin measures it too. Growing sets
// the buffer first and shrinking the window first, as the console refuses the other order.
bool terminal::follow_resize() {
  unix_window_size now{};
  if (!started_ || !terminal_size(now)) return false;
  const COORD was = size();
  if (now.columns == was.X && now.rows == was.Y) return false;
  const COORD wanted{static_cast<SHORT>(now.columns), static_cast<SHORT>(now.rows)};
  const SMALL_RECT window{0, 0, static_cast<SHORT>(now.columns - 1),
                          static_cast<SHORT>(now.rows - 1)};
  if (SetConsoleScreenBufferSize(output_, wanted)) {
    SetConsoleWindowInfo(output_, TRUE, &window);
  } else {
    SetConsoleWindowInfo(output_, TRUE, &window);
    SetConsoleScreenBufferSize(output_, wanted);
  }
  shown_.reset();
  return true;
}

far_host::key_code terminal::read_key(DWORD timeout_ms) {
  const DWORD deadline = GetTickCount() + timeout_ms;
  for (;;) {
    const DWORD now = GetTickCount();
    const DWORD left = static_cast<LONG>(deadline - now) > 0 ? deadline - now : 0;
    if (WaitForSingleObject(input_, left) != WAIT_OBJECT_0) return 0;
    INPUT_RECORD record;
    DWORD count = 0;
    if (!ReadConsoleInputW(input_, &record, 1, &count) || count == 0) return 0;
    if (record.EventType != KEY_EVENT) continue;
    const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
    const console_key event{key.bKeyDown != FALSE, key.wVirtualKeyCode,
                            static_cast<char16_t>(key.uChar.UnicodeChar), key.dwControlKeyState};
    if (const far_host::key_code code = translate_key(event)) return code;
  }
}

}  // namespace try_host
